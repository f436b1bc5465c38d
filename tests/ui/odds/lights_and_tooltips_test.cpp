// The high-contrast lights as the odds list paints them, the option that
// chooses them, and the tooltips of every control in both languages.
#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QHelpEvent>
#include <QMenu>
#include <QRegularExpression>
#include <QSettings>
#include <QSlider>
#include <QTest>
#include <QToolButton>
#include <QToolTip>
#include <map>

#include "tests/ui/window_fixture.h"
#include "ui/main_window/radio_group.h"
#include "ui/odds/colour_vision.h"
#include "ui/odds/light_palette.h"
#include "ui/odds/odds_list.h"
#include "ui/odds/odds_list_painter.h"
#include "ui/status/status_panels.h"
#include "ui/table/tooltip_texts.h"

using namespace korvana;
using namespace korvana::ui;
using namespace korvana::ui::testing;

Q_DECLARE_METATYPE(LightPalette)
Q_DECLARE_METATYPE(korvana::Language)

namespace {

QAction* lightsEntry(const MainWindow& window) {
    return part<QAction>(window, "highContrastLightsAction");
}

void writeSettings(const WindowFixture& fixture, const QByteArray& lines) {
    QFile file(fixture.settingsPath());
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write("[General]\n" + lines);
}

QVariant storedLights(const WindowFixture& fixture) {
    return QSettings(fixture.settingsPath(), QSettings::IniFormat).value("highcontrastlights");
}

// The colour most pixels of an image have.
QColor dominantColour(const QImage& image) {
    std::map<QRgb, int> counts;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) ++counts[image.pixel(x, y)];
    auto most = counts.begin();
    for (auto it = counts.begin(); it != counts.end(); ++it)
        if (it->second > most->second) most = it;
    return QColor(most->first);
}

int pixelsOf(const QImage& image, const QColor& colour) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) == colour) ++count;
    return count;
}

// Asks a widget for its tooltip at a point, as the pointer resting there does.
QString toolTipShownAt(QWidget* widget, QPoint at) {
    QToolTip::hideText();
    QHelpEvent help(QEvent::ToolTip, at, widget->mapToGlobal(at));
    QCoreApplication::sendEvent(widget, &help);
    return QToolTip::isVisible() ? QToolTip::text() : QString();
}

}  // namespace

class LightsAndTooltipsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void lightsAsPainted_data();
    void lightsAsPainted();
    void storedOption_data();
    void storedOption();
    void choiceIsStoredAndRestored_data();
    void choiceIsStoredAndRestored();
    void tooltips_data();
    void tooltips();
};

void LightsAndTooltipsTest::lightsAsPainted_data() {
    QTest::addColumn<LightPalette>("palette");
    QTest::newRow("classic") << LightPalette::Classic;
    QTest::newRow("high contrast") << LightPalette::HighContrast;
}

// Every row at every slider position: the fill of its state, text of the
// palette's colour (readable in high contrast, the slider grey as it always
// was in classic) and, in high contrast only, the state symbol at the right end.
void LightsAndTooltipsTest::lightsAsPainted() {
    QFETCH(LightPalette, palette);
    WindowFixture fixture;
    auto window = fixture.window();
    if (palette == LightPalette::HighContrast) lightsEntry(*window)->trigger();
    QCOMPARE(window->lightPalette(), palette);
    // A full house at 1:130.7 makes the longest row, which reaches the end.
    clickCards(*window, {"Kh", "Ah", "Kd"});
    using S = RowState;
    const S states[] = {S::Impossible, S::Impossible, S::Possible, S::Possible, S::Impossible,
                        S::Impossible, S::Possible,   S::Possible, S::Complete, S::Complete};
    auto* list = part<OddsList>(*window, "oddsList");
    auto* slider = part<QSlider>(*window, "fontColourSlider");
    for (int position = 0; position <= 25; ++position) {
        slider->setValue(position);
        const QImage painted = list->grab().toImage().convertToFormat(QImage::Format_RGB32);
        for (int index = 0; index < 10; ++index) {
            const QString where = QStringLiteral("position %1 row %2").arg(position).arg(index);
            const QRect rect = list->rowRect(index);
            const QRect symbolBox(rect.right() - rect.height() + 1, rect.top(), rect.height(),
                                  rect.height());
            const QImage row = painted.copy(rect);
            const QImage symbol = painted.copy(symbolBox);
            const QColor fill = dominantColour(row);
            const QColor text = lightText(palette, states[index], position);
            QVERIFY2(fill == lightFill(palette, states[index]), qPrintable(where));
            QVERIFY2(pixelsOf(row, text) >= 20, qPrintable(where));
            if (palette == LightPalette::HighContrast) {
                QVERIFY2(contrastRatio(text, fill) >= kReadableContrast, qPrintable(where));
                QVERIFY2(pixelsOf(symbol, text) >= 3, qPrintable(where));
            }
        }
    }
}

void LightsAndTooltipsTest::storedOption_data() {
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<bool>("highContrast");
    QTest::addColumn<int>("errors");
    QTest::newRow("never chosen: classic") << QByteArray() << false << 0;
    QTest::newRow("off") << QByteArray("highcontrastlights=0\n") << false << 0;
    QTest::newRow("on") << QByteArray("highcontrastlights=1\n") << true << 0;
    QTest::newRow("any non-zero") << QByteArray("highcontrastlights=-3\n") << true << 0;
    // Reported; the language is still applied and the lights stay classic.
    QTest::newRow("not a number") << QByteArray("highcontrastlights=yes\nlanguage=russian\n")
                                  << false << 1;
}

// The stored choice is shown at start and never written back.
void LightsAndTooltipsTest::storedOption() {
    QFETCH(QByteArray, stored);
    QFETCH(bool, highContrast);
    QFETCH(int, errors);
    WindowFixture fixture;
    writeSettings(fixture, stored);
    const QVariant before = storedLights(fixture);
    auto window = fixture.window();
    QCOMPARE(fixture.errors.size(), errors);
    QCOMPARE(window->language(),
             stored.contains("russian") ? Language::Russian : Language::English);
    QCOMPARE(window->lightPalette(),
             highContrast ? LightPalette::HighContrast : LightPalette::Classic);
    QCOMPARE(lightsEntry(*window)->isChecked(), highContrast);
    QCOMPARE(storedLights(fixture), before);
}

void LightsAndTooltipsTest::choiceIsStoredAndRestored_data() {
    QTest::addColumn<bool>("writable");
    QTest::newRow("writable store") << true;
    QTest::newRow("read-only store") << false;
}

// A choice is stored at once and shown at the next start; a choice the store
// refuses is reported and not shown as made.
void LightsAndTooltipsTest::choiceIsStoredAndRestored() {
    QFETCH(bool, writable);
    WindowFixture fixture;
    writeSettings(fixture, "language=english\nautoswitch=1\n");
    WindowServices services =
        writable ? fixture.services(fixture.pictureFolder()) : fixture.readOnlyServices();
    const auto open = [&] {
        auto window = std::make_unique<MainWindow>(services);
        window->show();
        return window;
    };
    const LightPalette chosen = writable ? LightPalette::HighContrast : LightPalette::Classic;
    {
        auto window = open();
        lightsEntry(*window)->trigger();
        QCOMPARE(window->lightPalette(), chosen);
        QCOMPARE(lightsEntry(*window)->isChecked(), writable);
        QCOMPARE(fixture.errors.size(), writable ? 0 : 1);
        QCOMPARE(storedLights(fixture), writable ? QVariant(1) : QVariant());
    }
    auto again = open();
    QCOMPARE(again->lightPalette(), chosen);
    QCOMPARE(lightsEntry(*again)->isChecked(), writable);
    if (!writable) return;
    lightsEntry(*again)->trigger();
    QCOMPARE(again->lightPalette(), LightPalette::Classic);
    QCOMPARE(storedLights(fixture), QVariant(0));
}

void LightsAndTooltipsTest::tooltips_data() {
    QTest::addColumn<QStringList>("languageChoices");  // menu entries triggered in turn
    QTest::addColumn<Language>("language");
    QTest::newRow("english at start") << QStringList() << Language::English;
    QTest::newRow("russian") << QStringList{"russianAction"} << Language::Russian;
    QTest::newRow("back to english")
        << QStringList{"russianAction", "englishAction"} << Language::English;
}

// Every control explains itself in the language in use; the odds rows keep
// their explanations of the exact chances.
void LightsAndTooltipsTest::tooltips() {
    QFETCH(QStringList, languageChoices);
    QFETCH(Language, language);
    WindowFixture fixture;
    auto window = fixture.window();
    for (const QString& choice : languageChoices) trigger(*window, qPrintable(choice));
    QCOMPARE(window->language(), language);
    const auto tip = [](TooltipControl control) { return tooltipText(control); };
    // The window's translation is the language's own.
    QCOMPARE(tip(TooltipControl::Fold).contains(QRegularExpression(QStringLiteral("[А-Яа-я]"))),
             language == Language::Russian);

    const std::pair<const char*, TooltipControl> widgets[] = {
        {"slotPicture1", TooltipControl::PocketCardSlot},
        {"slotPicture2", TooltipControl::PocketCardSlot},
        {"slotPicture3", TooltipControl::FlopCardSlot},
        {"slotPicture5", TooltipControl::FlopCardSlot},
        {"slotPicture6", TooltipControl::TurnSlot},
        {"slotPicture7", TooltipControl::RiverSlot},
        {"roundSelector", window->autoSwitch() ? TooltipControl::RoundChosenByAutoSwitch
                                               : TooltipControl::RoundSelector},
        {"autoSwitchBox", TooltipControl::AutoSwitch},
        {"transparencySlider", TooltipControl::TransparencySlider},
        {"fontColourSlider", TooltipControl::FontColourSlider},
        {"foldButton", TooltipControl::Fold},
        {"oddsList", TooltipControl::OddsList},
    };
    for (const auto& [name, control] : widgets)
        QCOMPARE(part<QWidget>(*window, name)->toolTip(), tip(control));

    const std::pair<const char*, TooltipControl> entries[] = {
        {"foldAction", TooltipControl::Fold},
        {"helpAction", TooltipControl::HelpEntry},
        {"aboutAction", TooltipControl::AboutEntry},
        {"tellAFriendAction", TooltipControl::TellAFriendEntry},
        {"licenceAction", TooltipControl::LicenceEntry},
        {"englishAction", TooltipControl::LanguageEntry},
        {"russianAction", TooltipControl::LanguageEntry},
        {"exactChancesAction", TooltipControl::ExactChancesEntry},
        {"highContrastLightsAction", TooltipControl::HighContrastLights},
    };
    for (const auto& [name, control] : entries)
        QCOMPARE(part<QAction>(*window, name)->toolTip(), tip(control));
    QCOMPARE(lightsEntry(*window)->text(), menuEntryText(MenuEntry::HighContrastLights));
    for (const char* menu : {"helpMenu", "languagesMenu", "viewMenu"})
        QVERIFY(part<QMenu>(*window, menu)->toolTipsVisible());

    // Parts of one widget each have their own tip, shown where the pointer rests.
    auto* picker = part<CardPicker>(*window, "cardPicker");
    for (int item = 0; item < kPickerItems; ++item)
        QCOMPARE(picker->itemToolTip(item), pickerCardTooltip(pickerCard(item)));
    QCOMPARE(toolTipShownAt(picker, picker->buttonRect(13).center()),
             pickerCardTooltip(pickerCard(13)));
    auto* panels = part<StatusPanels>(*window, "statusPanels");
    const std::pair<StatusPanel, TooltipControl> panelTips[] = {
        {StatusPanel::TimePassed, TooltipControl::TimePassedPanel},
        {StatusPanel::HandsPlayed, TooltipControl::HandsPlayedPanel},
        {StatusPanel::BestHand, TooltipControl::BestHandPanel},
        {StatusPanel::Transparency, TooltipControl::TransparencySlider},
        {StatusPanel::FontColour, TooltipControl::FontColourSlider},
    };
    for (const auto& [panel, control] : panelTips)
        QCOMPARE(panels->panelToolTip(panel), tip(control));
    QCOMPARE(toolTipShownAt(panels, panels->panelRect(StatusPanel::BestHand).center()),
             tip(TooltipControl::BestHandPanel));

    auto* list = part<OddsList>(*window, "oddsList");
    QVERIFY(!window->oddsRowTooltip(3).isEmpty());
    QCOMPARE(toolTipShownAt(list, list->rowRect(3).center()), window->oddsRowTooltip(3));
    // With the exact chances hidden the list still says what it shows.
    trigger(*window, "exactChancesAction");
    QCOMPARE(toolTipShownAt(list, list->rowRect(3).center()), tip(TooltipControl::OddsList));
}

QTEST_MAIN(LightsAndTooltipsTest)
#include "lights_and_tooltips_test.moc"
