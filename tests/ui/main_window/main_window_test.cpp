// Start-up with the stored choices, the languages, the round selector and
// auto-switch, the sliders and the time-passed panel.
#include <QAction>
#include <QCheckBox>
#include <QCommonStyle>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QScreen>
#include <QSettings>
#include <QSignalSpy>
#include <QSlider>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include "app/application.h"
#include "korvana_version.h"
#include "tests/ui/window_fixture.h"
#include "ui/main_window/radio_group.h"
#include "ui/odds/odds_list.h"
#include "ui/status/status_panels.h"
#include "ui/table/tooltip_texts.h"

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

using namespace korvana;
using namespace korvana::ui;
using namespace korvana::ui::testing;

namespace {

// Writes raw lines into the settings file, as another program or an old
// version might have left them.
void writeSettingsFile(const QString& path, const QByteArray& lines) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write("[General]\n" + lines);
}

QVariant storedValue(const QString& path, const QString& key) {
    return QSettings(path, QSettings::IniFormat).value(key);
}

const QString kRoyalRow = QStringLiteral(" K A - Royal Flash odds - 1:%1  ");

RadioGroup* selector(const MainWindow& window) {
    return part<RadioGroup>(window, "roundSelector");
}

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void firstStart();
    void centredOnTheDesktop();
    void storedChoices_data();
    void storedChoices();
    void storeFailures_data();
    void storeFailures();
    void oddSettingsPlace_data();
    void oddSettingsPlace();
    void unsavableLanguageChoiceChangesNothing();
    void readOnlyStore_data();
    void readOnlyStore();
    void roundSelector_data();
    void roundSelector();
    void uncheckingAutoSwitchStoresAndKeepsTheRound();
    void sliderPositionsAreKept();
    void languageSwitchKeepsTheTable();
    void transparency_data();
    void transparency();
    void timePassed_data();
    void timePassed();
    void timePassedTicks_data();
    void timePassedTicks();
    void decimalSeparatorOfTheRegion();
    void webCheckAtStartAndEveryLanguageChoice();
    void applicationIcon_data();
    void applicationIcon();
    void menuOverflowButtonKeepsItsPicture();
};

void MainWindowTest::firstStart() {
    WindowFixture fixture;
    auto window = fixture.window();
    QCOMPARE(fixture.errors, QStringList());
    QCOMPARE(storedValue(fixture.settingsPath(), "language").toString(), QStringLiteral("english"));
    QCOMPARE(storedValue(fixture.settingsPath(), "autoswitch").toInt(), 1);
    QVERIFY(window->autoSwitch());
    QVERIFY(part<QAction>(*window, "englishAction")->isChecked());
    QVERIFY(!part<QAction>(*window, "russianAction")->isChecked());
    QCOMPARE(window->windowTitle(),
             QStringLiteral("Korvana %1 - Poker hands analyzer, Texas Holdem odds calculator")
                 .arg(QLatin1String(kProgramVersion)));
    QCOMPARE(part<QMenu>(*window, "helpMenu")->title(), QStringLiteral("Help"));
    QCOMPARE(part<QAction>(*window, "foldAction")->text(), QStringLiteral("Fold"));
    QCOMPARE(part<QAction>(*window, "licenceAction")->text(), QStringLiteral("Licence"));
    const QStringList panels{"Time passed: 00:00", "Hands played: 0",
                             "Best hand: ", "Transparency: ", "Font color: "};
    for (int panel = 0; panel < 5; ++panel)
        QCOMPARE(window->panelText(static_cast<StatusPanel>(panel)), panels[panel]);
    QCOMPARE(window->oddsRows().size(), 10);
    QCOMPARE(window->oddsRows().first(), QStringLiteral(" Royal Flash impossible "));
    QCOMPARE(window->oddsRows().last(), QStringLiteral(" no High card "));
    QCOMPARE(selector(*window)->itemIndex(), 0);
    QCOMPARE(window->windowOpacity(), 1.0);
    // A fixed frame around a 924 x 508 client area below the menu bar.
    QCOMPARE(window->clientArea()->size(), QSize(924, 508));
    QCOMPARE(window->clientArea()->y(), window->menuBar()->height());
    QCOMPARE(window->minimumSize(), window->maximumSize());
    QVERIFY(!(window->windowFlags() & Qt::WindowMaximizeButtonHint));
    // Slider thumbs are 10 pixels along the track.
    for (QSlider* slider : {part<QSlider>(*window, "transparencySlider"),
                            part<QSlider>(*window, "fontColourSlider")}) {
        QStyleOptionSlider option;
        option.initFrom(slider);
        option.orientation = Qt::Horizontal;
        option.minimum = slider->minimum();
        option.maximum = slider->maximum();
        option.sliderPosition = option.sliderValue = slider->value();
        option.subControls = QStyle::SC_All;
        const QRect thumb = slider->style()->subControlRect(QStyle::CC_Slider, &option,
                                                            QStyle::SC_SliderHandle, slider);
        QCOMPARE(thumb.width(), 10);
    }
}

// The frame, title bar included, sits in the middle of the desktop once the
// window is on screen with its final size.
void MainWindowTest::centredOnTheDesktop() {
    WindowFixture fixture;
    auto window = fixture.window();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    const QPoint desktopCentre2 = [&] {
        const QRect desktop = window->screen()->availableGeometry();
        return desktop.topLeft() * 2 + QPoint(desktop.width(), desktop.height());
    }();
    const auto frameCentre2 = [&] {
        const QRect frame = window->frameGeometry();
        return frame.topLeft() * 2 + QPoint(frame.width(), frame.height());
    };
    QVERIFY(window->frameGeometry().size() != window->size());  // the frame is known
    QTRY_VERIFY2((frameCentre2() - desktopCentre2).manhattanLength() <= 2,
                 qPrintable(QStringLiteral("frame %1,%2 %3x%4")
                                .arg(window->frameGeometry().x())
                                .arg(window->frameGeometry().y())
                                .arg(window->frameGeometry().width())
                                .arg(window->frameGeometry().height())));
}

void MainWindowTest::storedChoices_data() {
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<bool>("russian");
    QTest::addColumn<bool>("autoSwitch");
    QTest::addColumn<QString>("storedLanguageAfter");
    QTest::addColumn<int>("storedAutoswitchAfter");
    QTest::newRow("russian, auto-switch off")
        << QByteArray("language=russian\nautoswitch=0\n") << true << false << "russian" << 0;
    QTest::newRow("english, any non-zero auto-switch is on, and stays as stored")
        << QByteArray("language=english\nautoswitch=5\n") << false << true << "english" << 5;
    QTest::newRow("unknown language text is left alone, English shown")
        << QByteArray("language=Russian\nautoswitch=1\n") << false << true << "Russian" << 1;
}

void MainWindowTest::storedChoices() {
    QFETCH(QByteArray, stored);
    QFETCH(bool, russian);
    QFETCH(bool, autoSwitch);
    QFETCH(QString, storedLanguageAfter);
    QFETCH(int, storedAutoswitchAfter);
    WindowFixture fixture;
    writeSettingsFile(fixture.settingsPath(), stored);
    auto window = fixture.window();
    QCOMPARE(fixture.errors, QStringList());
    QCOMPARE(window->language(), russian ? Language::Russian : Language::English);
    QCOMPARE(part<QAction>(*window, "russianAction")->isChecked(), russian);
    QCOMPARE(part<QAction>(*window, "englishAction")->isChecked(), !russian);
    QCOMPARE(window->autoSwitch(), autoSwitch);
    QCOMPARE(window->panelText(StatusPanel::HandsPlayed),
             russian ? QString::fromUtf8("Рук сыграно: 0") : QStringLiteral("Hands played: 0"));
    QCOMPARE(storedValue(fixture.settingsPath(), "language").toString(), storedLanguageAfter);
    QCOMPARE(storedValue(fixture.settingsPath(), "autoswitch").toInt(), storedAutoswitchAfter);
}

// A store that fails is reported once; the start-up stops there and the
// window keeps the captions it had.
void MainWindowTest::storeFailures_data() {
    QTest::addColumn<QByteArray>("stored");  // "-" = the store cannot be created at all
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("helpCaption");
    QTest::newRow("store cannot be written")
        << QByteArray("-") << "Cannot save the setting \"language\""
        << "&Help";
    QTest::newRow("language is not text")
        << QByteArray("language=english, russian\n") << "The setting \"language\""
        << "&Help";
    QTest::newRow("autoswitch is not a number")
        << QByteArray("language=english\nautoswitch=yes\n") << "The setting \"autoswitch\""
        << "Help";
}

void MainWindowTest::storeFailures() {
    QFETCH(QByteArray, stored);
    QFETCH(QString, message);
    QFETCH(QString, helpCaption);
    WindowFixture fixture;
    QString settingsPath = fixture.settingsPath();
    if (stored == "-") {
        writeSettingsFile(fixture.folder() + QStringLiteral("/file"), "");
        settingsPath = fixture.folder() + QStringLiteral("/file/Korvana.conf");
    } else {
        writeSettingsFile(settingsPath, stored);
    }
    WindowServices services = fixture.services(fixture.pictureFolder());
    services.settings = SettingsStore::inFile(settingsPath);
    MainWindow window(services);
    window.show();

    QCOMPARE(fixture.errors.size(), 1);
    QVERIFY2(fixture.errors.first().startsWith(message), qPrintable(fixture.errors.first()));
    QVERIFY(fixture.errors.first().contains(QDir::toNativeSeparators(settingsPath)));
    QCOMPARE(part<QMenu>(window, "helpMenu")->title(), helpCaption);
    QVERIFY(!window.autoSwitch());
    QCOMPARE(window.language(), Language::English);
    // The program goes on: cards can still be played.
    clickCards(window, {"Ah"});
    QCOMPARE(window.oddsRows().last(), QStringLiteral(" A High card   "));
}

// A settings place that cannot be used at all: one message, then the window
// runs on its defaults, says it is shown (the first web check) and writes
// nothing there.
void MainWindowTest::oddSettingsPlace_data() {
    QTest::addColumn<QByteArray>("kind");
    QTest::newRow("folder") << QByteArray("folder");
    QTest::newRow("named pipe") << QByteArray("pipe");
    QTest::newRow("not a settings file") << QByteArray("garbled");
}

void MainWindowTest::oddSettingsPlace() {
    QFETCH(QByteArray, kind);
    WindowFixture fixture;
    const QString path = fixture.settingsPath();
    if (kind == "folder") {
        QVERIFY(QDir().mkpath(path));
    } else if (kind == "pipe") {
#ifdef Q_OS_UNIX
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
#else
        QSKIP("no named pipes here");
#endif
    } else {
        writeSettingsFile(path, "[Window\nlanguage=russian\n");
    }
    MainWindow window(fixture.services(fixture.pictureFolder()));
    QSignalSpy shown(&window, &MainWindow::shown);
    window.show();

    QCOMPARE(fixture.errors.size(), 1);
    QVERIFY2(fixture.errors.first().startsWith(QStringLiteral("Cannot use the settings")),
             qPrintable(fixture.errors.first()));
    QCOMPARE(shown.size(), 1);  // which starts the first web check
    QCOMPARE(window.language(), Language::English);
    QCOMPARE(part<QMenu>(window, "helpMenu")->title(), QStringLiteral("Help"));
    QVERIFY(window.autoSwitch());
    trigger(window, "russianAction");
    QCOMPARE(window.language(), Language::Russian);
    QCOMPARE(fixture.errors.size(), 1);
    const QFileInfo after(path);
    QCOMPARE(after.isDir(), kind == "folder");
    QCOMPARE(after.isFile(), kind == "garbled");
}

void MainWindowTest::unsavableLanguageChoiceChangesNothing() {
    WindowFixture fixture;
    auto window = fixture.window();
    QFile::remove(fixture.settingsPath());
    QVERIFY(QDir().mkpath(fixture.settingsPath()));  // a folder where the file should be
    trigger(*window, "russianAction");
    QCOMPARE(fixture.errors.size(), 1);
    QCOMPARE(window->language(), Language::English);
    QVERIFY(part<QAction>(*window, "englishAction")->isChecked());
    QVERIFY(!part<QAction>(*window, "russianAction")->isChecked());
    QCOMPARE(part<QMenu>(*window, "helpMenu")->title(), QStringLiteral("Help"));
    clickCards(*window, {"Ah"});
    QCOMPARE(window->oddsRows().last(), QStringLiteral(" A High card   "));
}

// A store the player may only read, holding valid values: the start restores
// them silently; only a choice that changes a value reports the store.
void MainWindowTest::readOnlyStore_data() {
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<bool>("russian");
    QTest::addColumn<bool>("autoSwitch");
    QTest::newRow("english, auto-switch on")
        << QByteArray("language=english\nautoswitch=1\n") << false << true;
    QTest::newRow("russian, auto-switch off")
        << QByteArray("language=russian\nautoswitch=0\n") << true << false;
    QTest::newRow("auto-switch 5")
        << QByteArray("language=english\nautoswitch=5\n") << false << true;
}

void MainWindowTest::readOnlyStore() {
    QFETCH(QByteArray, stored);
    QFETCH(bool, russian);
    QFETCH(bool, autoSwitch);
    WindowFixture fixture;
    writeSettingsFile(fixture.settingsPath(), stored);
    WindowServices services = fixture.readOnlyServices();
    MainWindow window(services);
    window.show();
    QCOMPARE(fixture.errors, QStringList());
    QCOMPARE(window.language(), russian ? Language::Russian : Language::English);
    QCOMPARE(window.autoSwitch(), autoSwitch);

    // Choosing the language already in use changes nothing: no error.
    trigger(window, russian ? "russianAction" : "englishAction");
    QCOMPARE(fixture.errors, QStringList());
    // Changing a choice does report the store, once per change, and the
    // choice is not shown as made.
    part<QCheckBox>(window, "autoSwitchBox")->click();
    QCOMPARE(fixture.errors.size(), 1);
    QVERIFY2(
        fixture.errors.last().startsWith(QStringLiteral("Cannot save the setting \"autoswitch\"")),
        qPrintable(fixture.errors.last()));
    QCOMPARE(window.autoSwitch(), autoSwitch);
    QCOMPARE(part<QCheckBox>(window, "autoSwitchBox")->isChecked(), autoSwitch);
    trigger(window, russian ? "englishAction" : "russianAction");
    QCOMPARE(fixture.errors.size(), 2);
    QCOMPARE(window.language(), russian ? Language::Russian : Language::English);

    QFile file(fixture.settingsPath());
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), "[General]\n" + stored);
}

void MainWindowTest::roundSelector_data() {
    QTest::addColumn<int>("item");
    QTest::addColumn<QString>("odds");
    QTest::newRow("flop") << 0 << "19600";
    QTest::newRow("turn") << 1 << "4900";
    QTest::newRow("river") << 2 << "1960";
}

void MainWindowTest::roundSelector() {
    QFETCH(int, item);
    QFETCH(QString, odds);
    WindowFixture fixture;
    writeSettingsFile(fixture.settingsPath(), "autoswitch=0\n");
    auto window = fixture.window();
    clickCards(*window, {"Kh", "Ah"});
    QTest::mouseClick(selector(*window)->item((item + 1) % 3), Qt::LeftButton);
    QTest::mouseClick(selector(*window)->item(item), Qt::LeftButton);
    const Round rounds[] = {Round::Flop, Round::Turn, Round::River};
    QCOMPARE(window->round(), rounds[item]);
    QCOMPARE(window->oddsRows().first(), kRoyalRow.arg(odds));
}

void MainWindowTest::uncheckingAutoSwitchStoresAndKeepsTheRound() {
    WindowFixture fixture;
    auto window = fixture.window();
    clickCards(*window, {"2c", "5d", "9h", "Js", "Kc"});
    QCOMPARE(window->round(), Round::Turn);
    // While auto-switch chooses the round, the round buttons say so.
    const auto roundButtonsOpen = [&](bool open) {
        for (int item = 0; item < 3; ++item)
            if (selector(*window)->item(item)->isEnabled() != open) return false;
        return selector(*window)->toolTip() ==
               tooltipText(open ? TooltipControl::RoundSelector
                                : TooltipControl::RoundChosenByAutoSwitch);
    };
    QVERIFY(roundButtonsOpen(false));
    part<OddsList>(*window, "oddsList")->setRows({});
    QTest::mouseClick(part<QCheckBox>(*window, "autoSwitchBox"), Qt::LeftButton);
    QVERIFY(!window->autoSwitch());
    QVERIFY(roundButtonsOpen(true));
    QCOMPARE(storedValue(fixture.settingsPath(), "autoswitch").toInt(), 0);
    QCOMPARE(window->round(), Round::Turn);
    QCOMPARE(window->oddsRows().size(), 10);
    clickCards(*window, {"Kc", "Js"});  // three cards: the round stays where it is
    QCOMPARE(window->round(), Round::Turn);
}

// The sliders come back where the player left them; untouched, nothing is
// written and they start as always.
void MainWindowTest::sliderPositionsAreKept() {
    WindowFixture fixture;
    {
        auto window = fixture.window();
        QCOMPARE(part<QSlider>(*window, "transparencySlider")->value(), 0);
        QCOMPARE(part<QSlider>(*window, "fontColourSlider")->value(), 25);
        for (const char* key : {"transparency", "fontcolour"})
            QVERIFY(!storedValue(fixture.settingsPath(), key).isValid());
        part<QSlider>(*window, "transparencySlider")->setValue(7);
        auto* fontColour = part<QSlider>(*window, "fontColourSlider");
        fontColour->setSliderDown(true);  // dragged: kept where it is let go
        fontColour->setValue(3);
        QVERIFY(!storedValue(fixture.settingsPath(), "fontcolour").isValid());
        fontColour->setValue(4);
        fontColour->setSliderDown(false);
    }
    QCOMPARE(storedValue(fixture.settingsPath(), "transparency").toInt(), 7);
    QCOMPARE(storedValue(fixture.settingsPath(), "fontcolour").toInt(), 4);
    auto window = fixture.window();
    QCOMPARE(part<QSlider>(*window, "transparencySlider")->value(), 7);
    QCOMPARE(part<QSlider>(*window, "fontColourSlider")->value(), 4);
    QCOMPARE(window->windowOpacity(), (255 - 70) / 255.0);
    QCOMPARE(fixture.errors, QStringList());
}

void MainWindowTest::languageSwitchKeepsTheTable() {
    WindowFixture fixture;
    writeSettingsFile(fixture.settingsPath(), "autoswitch=0\n");
    auto window = fixture.window();
    clickCards(*window, {"Kh", "Kd"});
    QTest::mouseClick(part<QToolButton>(*window, "foldButton"), Qt::LeftButton);
    clickCards(*window, {"Kh", "Ah"});
    QTest::mouseClick(selector(*window)->item(1), Qt::LeftButton);
    const QStringList slotsBefore = slotTexts(*window);

    trigger(*window, "russianAction");
    QCOMPARE(fixture.errors, QStringList());
    QCOMPARE(slotTexts(*window), slotsBefore);
    QCOMPARE(window->round(), Round::Turn);
    QCOMPARE(selector(*window)->itemIndex(), 1);
    QCOMPARE(window->handsPlayed(), 1);
    QCOMPARE(storedValue(fixture.settingsPath(), "language").toString(), QStringLiteral("russian"));
    QVERIFY(part<QAction>(*window, "russianAction")->isChecked());
    QVERIFY(!part<QAction>(*window, "englishAction")->isChecked());
    QCOMPARE(window->oddsRows().first(), QString::fromUtf8(" K A - Роял Флеш шансы - 1:4900  "));
    QCOMPARE(window->panelText(StatusPanel::HandsPlayed), QString::fromUtf8("Рук сыграно: 1"));
    QCOMPARE(window->panelText(StatusPanel::BestHand), QString::fromUtf8("Лучшая рука: Пара"));
    QCOMPARE(selector(*window)->item(1)->text(), QString::fromUtf8("терн"));
    QCOMPARE(part<QLabel>(*window, "pocketCardsCaption")->text(),
             QString::fromUtf8("карманные карты"));
    QCOMPARE(
        window->windowTitle(),
        QString::fromUtf8("Korvana %1 - анализатор Покерных рук, калькулятор шансов Техас Холдем")
            .arg(QLatin1String(kProgramVersion)));

    // Choosing the active language again is harmless.
    trigger(*window, "russianAction");
    QVERIFY(part<QAction>(*window, "russianAction")->isChecked());
    QCOMPARE(window->language(), Language::Russian);
}

void MainWindowTest::transparency_data() {
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("alpha");
    QTest::newRow("opaque") << 0 << 255;
    QTest::newRow("middle") << 10 << 155;
    QTest::newRow("most transparent") << 20 << 55;
}

void MainWindowTest::transparency() {
    QFETCH(int, position);
    QFETCH(int, alpha);
    WindowFixture fixture;
    auto window = fixture.window();
    part<QSlider>(*window, "transparencySlider")->setValue(20 - position);
    part<QSlider>(*window, "transparencySlider")->setValue(position);
    QCOMPARE(qRound(window->windowOpacity() * 255), alpha);
}

void MainWindowTest::timePassed_data() {
    QTest::addColumn<QDateTime>("start");
    QTest::addColumn<qint64>("secondsLater");
    QTest::addColumn<QString>("panel");
    const QDateTime noon(QDate(2024, 3, 1), QTime(12, 0));
    QTest::newRow("at start") << noon << qint64(0) << "Time passed: 00:00";
    QTest::newRow("seconds are dropped") << noon << qint64(59) << "Time passed: 00:00";
    QTest::newRow("an hour and five minutes") << noon << qint64(3930) << "Time passed: 01:05";
    QTest::newRow("across midnight")
        << QDateTime(QDate(2024, 3, 1), QTime(23, 50)) << qint64(1200) << "Time passed: 00:20";
    QTest::newRow("ten hours") << noon << qint64(36000) << "Time passed: 10:00";
    QTest::newRow("hours do not wrap at a day")
        << noon << qint64(100 * 3600 + 7 * 60) << "Time passed: 100:07";
    QTest::newRow("clock set back before the start")
        << noon << qint64(-600) << "Time passed: 00:00";
}

void MainWindowTest::timePassed() {
    QFETCH(QDateTime, start);
    QFETCH(qint64, secondsLater);
    QFETCH(QString, panel);
    WindowFixture fixture;
    fixture.now = start;
    auto window = fixture.window();
    fixture.now = start.addSecs(secondsLater);
    trigger(*window, "englishAction");  // a language choice refreshes the panel at once
    QCOMPARE(window->panelText(StatusPanel::TimePassed), panel);
}

// The elapsed timer's ticks as the timer delivers them: a moment early, late, or after
// the machine slept. The panel never falls a minute behind, and each tick is
// set for the next whole minute since start.
void MainWindowTest::timePassedTicks_data() {
    QTest::addColumn<QList<qint64>>("ticksMs");  // clock at each tick, ms after start
    QTest::addColumn<QString>("panel");
    QTest::addColumn<int>("nextTickMs");  // the timer's interval after the last tick
    QTest::newRow("first tick on the minute")
        << QList<qint64>{60000} << "Time passed: 00:01" << 60000;
    QTest::newRow("first tick a moment early")
        << QList<qint64>{59600} << "Time passed: 00:01" << 60400;
    QTest::newRow("every tick a moment early")
        << QList<qint64>{59500, 119700, 179990} << "Time passed: 00:03" << 60010;
    QTest::newRow("late tick") << QList<qint64>{61500} << "Time passed: 00:01" << 58500;
    QTest::newRow("after a sleep, then early")
        << QList<qint64>{200000, 239800} << "Time passed: 00:04" << 60200;
    QTest::newRow("into the second hour, early")
        << QList<qint64>{3599000, 3599800} << "Time passed: 01:00" << 60200;
    QTest::newRow("clock set back") << QList<qint64>{-600000} << "Time passed: 00:00" << 63000;
}

void MainWindowTest::timePassedTicks() {
    QFETCH(QList<qint64>, ticksMs);
    QFETCH(QString, panel);
    QFETCH(int, nextTickMs);
    WindowFixture fixture;
    const QDateTime start = fixture.now;
    auto window = fixture.window();
    auto* timer = part<QTimer>(*window, "elapsedTimer");
    QCOMPARE(timer->interval(), 60000);
    QCOMPARE(timer->timerType(), Qt::PreciseTimer);
    for (qint64 ms : ticksMs) {
        fixture.now = start.addMSecs(ms);
        QVERIFY(QMetaObject::invokeMethod(timer, "timeout"));
    }
    QCOMPARE(window->panelText(StatusPanel::TimePassed), panel);
    QCOMPARE(timer->interval(), nextTickMs);
    QVERIFY(timer->isActive());
}

void MainWindowTest::decimalSeparatorOfTheRegion() {
    WindowFixture fixture;
    writeSettingsFile(fixture.settingsPath(), "autoswitch=0\n");
    WindowServices services = fixture.services(fixture.pictureFolder());
    services.decimalSeparator = QStringLiteral(",");
    MainWindow window(services);
    window.show();
    clickCards(window, {"Th", "Jh", "Qh", "Kh", "2c"});
    QTest::mouseClick(selector(window)->item(2), Qt::LeftButton);
    QVERIFY2(window.oddsRows().first().endsWith(QStringLiteral(" - 1:23,5  ")),
             qPrintable(window.oddsRows().first()));
}

void MainWindowTest::webCheckAtStartAndEveryLanguageChoice() {
    WindowFixture fixture;
    MainWindow window(fixture.services(fixture.pictureFolder()));
    QSignalSpy shown(&window, &MainWindow::shown);
    QSignalSpy languages(&window, &MainWindow::languageChanged);
    window.show();
    trigger(window, "englishAction");
    trigger(window, "russianAction");
    QCOMPARE(shown.size(), 1);
    QCOMPARE(languages.size(), 3);
}

void MainWindowTest::applicationIcon_data() {
    QTest::addColumn<int>("size");
    for (int size : {16, 32, 48, 64}) QTest::newRow(qPrintable(QString::number(size))) << size;
}

// The icon's pictures are read only when first asked for; they must still all be there.
void MainWindowTest::applicationIcon() {
    QFETCH(int, size);
    prepareApplication(*qApp);
    const QIcon icon = qApp->windowIcon();
    QVERIFY(icon.availableSizes().contains(QSize(size, size)));
    const QImage picture = icon.pixmap(QSize(size, size)).toImage();
    QCOMPARE(picture.size(), QSize(size, size));
    QCOMPARE(picture, QImage(QStringLiteral(":/icons/korvana-%1.png").arg(size))
                          .convertToFormat(picture.format()));
}

// The overflow button's picture is read late, from the style under the window's.
void MainWindowTest::menuOverflowButtonKeepsItsPicture() {
    prepareApplication(*qApp);
    QMenuBar bar;
    auto* overflow = bar.findChild<QToolButton*>();
    QVERIFY(overflow);
    const QIcon expected = QCommonStyle().standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton);
    QVERIFY(!expected.pixmap(16).isNull());
    QCOMPARE(overflow->icon().pixmap(16).toImage(), expected.pixmap(16).toImage());
}

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
