// The window's fonts: the mapping table, the families it provides, and that
// every caption fits its place in both languages.
#include <QCheckBox>
#include <QFile>
#include <QFontDatabase>
#include <QFontInfo>
#include <QLabel>
#include <QRadioButton>
#include <QSlider>
#include <QStyleOptionButton>
#include <QTest>
#include <QToolButton>

#include "engine/rows/row_text.h"
#include "tests/ui/window_fixture.h"
#include "ui/main_window/radio_group.h"
#include "ui/odds/font_mapping.h"
#include "ui/odds/odds_list.h"
#include "ui/status/status_panels.h"

using namespace korvana;
using namespace korvana::ui;
using namespace korvana::ui::testing;

namespace {

int textWidth(const QWidget* widget, const QString& text) {
    return widget->fontMetrics().horizontalAdvance(text);
}

// Room left for the text of a check box or radio button beside its indicator.
int textRoom(const QAbstractButton* button, QStyle::PixelMetric indicator,
             QStyle::PixelMetric spacing) {
    return button->width() - button->style()->pixelMetric(indicator, nullptr, button) -
           button->style()->pixelMetric(spacing, nullptr, button);
}

}  // namespace

class FontsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void parsing_data();
    void parsing();
    void windowFamilies_data();
    void windowFamilies();
    void captionsFit_data();
    void captionsFit();
};

void FontsTest::initTestCase() {
    applyFontMappings(builtInFontMappings());
}

void FontsTest::parsing_data() {
    QTest::addColumn<QByteArray>("json");
    QTest::addColumn<QStringList>("families");
    QTest::newRow("not JSON") << QByteArray("Tahoma=wine") << QStringList{};
    QTest::newRow("entry without a family is skipped")
        << QByteArray(R"({"families": [{"files": ["x.ttf"]}, {"family": "Tahoma"}]})")
        << QStringList{"Tahoma"};
    QTest::newRow("two families")
        << QByteArray(
               R"({"families": [{"family": "A", "substitutes": ["B", 3]}, {"family": "C"}]})")
        << QStringList{"A", "C"};
}

void FontsTest::parsing() {
    QFETCH(QByteArray, json);
    QFETCH(QStringList, families);
    QStringList parsed;
    for (const FontMapping& mapping : parseFontMappings(json)) parsed << mapping.family;
    QCOMPARE(parsed, families);
}

void FontsTest::windowFamilies_data() {
    QTest::addColumn<QString>("family");
    QTest::addColumn<QString>("drawnWith");
    QTest::addColumn<QString>("needs");  // a file or family that must be installed
    QTest::newRow("Tahoma from its own file") << "Tahoma"
                                              << "Tahoma"
                                              << "/usr/share/wine/fonts/tahoma.ttf";
    QTest::newRow("Times New Roman by a metric twin") << "Times New Roman"
                                                      << "Liberation Serif"
                                                      << "Liberation Serif";
}

void FontsTest::windowFamilies() {
    QFETCH(QString, family);
    QFETCH(QString, drawnWith);
    QFETCH(QString, needs);
    if (QFontDatabase::hasFamily(family) && QFontInfo(QFont(family)).family() == family &&
        !needs.startsWith(QLatin1Char('/')))
        QSKIP("the system has the font itself");
    if (needs.startsWith(QLatin1Char('/')) ? !QFile::exists(needs)
                                           : !QFontDatabase::hasFamily(needs))
        QSKIP("the package providing the font is not installed");
    QFont font(family);
    font.setPixelSize(13);
    QCOMPARE(QFontInfo(font).family(), drawnWith);
}

void FontsTest::captionsFit_data() {
    QTest::addColumn<Language>("language");
    QTest::newRow("English") << Language::English;
    QTest::newRow("Russian") << Language::Russian;
}

// A caption wider than its place would be cut off on screen.
void FontsTest::captionsFit() {
    QFETCH(Language, language);
    WindowFixture fixture;
    fixture.store().setLanguage(language);
    auto window = fixture.window();
    clickCards(*window, {"Th", "Jh", "Qh", "Kh", "Ah"});

    for (const char* name : {"pocketCardsCaption", "flopCaption", "turnCaption", "riverCaption"}) {
        const QLabel* label = part<QLabel>(*window, name);
        QVERIFY2(textWidth(label, label->text()) <= label->width(), qPrintable(label->text()));
    }
    const auto* rounds = part<RadioGroup>(*window, "roundSelector");
    for (int item = 0; item < 3; ++item) {
        const QRadioButton* radio = rounds->item(item);
        QVERIFY2(
            textWidth(radio, radio->text()) <= textRoom(radio, QStyle::PM_ExclusiveIndicatorWidth,
                                                        QStyle::PM_RadioButtonLabelSpacing),
            qPrintable(radio->text()));
    }
    QVERIFY(textWidth(rounds, rounds->caption()) + 10 <= rounds->width());
    const auto* autoSwitch = part<QCheckBox>(*window, "autoSwitchBox");
    QVERIFY(textWidth(autoSwitch, autoSwitch->text()) <=
            textRoom(autoSwitch, QStyle::PM_IndicatorWidth, QStyle::PM_CheckBoxLabelSpacing));
    const auto* fold = part<QToolButton>(*window, "foldButton");
    QVERIFY(textWidth(fold, fold->text()) + 4 <= fold->width());

    // Panel texts end where the next panel or a slider begins.
    const auto* panels = part<StatusPanels>(*window, "statusPanels");
    const int sliderStarts[] = {0, 0, 0, part<QSlider>(*window, "transparencySlider")->x(),
                                part<QSlider>(*window, "fontColourSlider")->x()};
    const auto fitsPanel = [&](StatusPanel panel, const QString& text) {
        const QRect area = panels->panelRect(panel);
        const int sliderStart = sliderStarts[static_cast<int>(panel)];
        const int end = sliderStart ? sliderStart : area.right();
        return area.left() + 3 + textWidth(panels, text) <= end;
    };
    for (int index = 0; index < StatusPanels::kPanelCount; ++index) {
        const auto panel = static_cast<StatusPanel>(index);
        QVERIFY2(fitsPanel(panel, window->panelText(panel)), qPrintable(window->panelText(panel)));
    }
    for (const Category category : kCategoriesInListOrder) {
        const QString best = QString::fromStdString(bestHandText(window->language(), category));
        QVERIFY2(fitsPanel(StatusPanel::BestHand, best), qPrintable(best));
    }
    const auto* list = part<OddsList>(*window, "oddsList");
    for (const QString& row : window->oddsRows())
        QVERIFY2(textWidth(list, row) <= list->rowRect(0).width(), qPrintable(row));
}

QTEST_MAIN(FontsTest)
#include "font_mapping_test.moc"
