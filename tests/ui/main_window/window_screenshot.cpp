// Photographs the main window with some cards on the table, for the docs and
// for checking the layout by eye:
//   korvana_window_screenshot OUTPUT.png english|russian [--point=ROW]
//                             [--high-contrast] [--opponents=N] [--range=TEXT]
//                             [--pot=P --call=C]
//                             [--about [--check-failed] [--link-fails]] [--ranges]
//                             [--grid [--tick=LINE]...] [--dead=CARD...] [CARD...]
// --dead=CARD marks the card seen folded (a right click on it).
// --point=ROW puts the pointer on odds list row 0..9, so that its outs are
// outlined on the card picker. --high-contrast shows the high-contrast lights.
// --opponents and --range set the win chance's opponents as if stored
// (--range2=TEXT opponent 2's own range), --pot
// and --call the pot odds. The photograph waits for the win chance's final
// figure (up to a minute).
// --ranges photographs the window of the opponents' ranges, opened with its button;
// --grid the grid window of the first opponent's range, once its equities are in;
// --tick=LINE ticks line 0..12 of its range hits, narrowing the range.
// --about photographs the About window, opened over the main window, instead;
// --check-failed shows it after a failed version check; --link-fails clicks its
// site address on a desktop that opens nothing, and photographs the message.
// The settings live in a throw-away folder, so the player's own are untouched.
#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <QPixmap>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>
#include <QTimer>

#include "app/application.h"
#include "services/site_addresses.h"
#include "services/url_opener.h"
#include "ui/odds/font_mapping.h"
#include "ui/odds/odds_list.h"
#include "ui/online/about_window.h"
#include "ui/table/card_picker.h"
#include "ui/table/card_table.h"

using namespace korvana;
using namespace korvana::ui;

namespace {

// Nothing is opened from a photograph; it may say that nothing could be.
class NoOpener final : public korvana::online::UrlOpener {
public:
    explicit NoOpener(bool opens) : opens_(opens) {}
    bool open(const QUrl&, QWidget*) override { return opens_; }

private:
    bool opens_;
};

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 3) {
        QTextStream(stderr)
            << "usage: korvana_window_screenshot OUTPUT.png english|russian "
               "[--point=ROW] [--high-contrast] [--opponents=N] [--range=TEXT] "
               "[--pot=P --call=C] [--about [--check-failed] [--link-fails]] [--ranges] "
               "[--grid [--tick=LINE]...] [--dead=CARD...] [CARD...]\n";
        return 2;
    }
    prepareApplication(app);
    for (const QString& line : applyFontMappings(builtInFontMappings()))
        QTextStream(stderr) << line << '\n';

    QTemporaryDir settingsFolder(QDir::current().filePath(QStringLiteral("screenshot-XXXXXX")));
    WindowServices services = installedServices();
    services.settings =
        SettingsStore::inFile(settingsFolder.filePath(QStringLiteral("Korvana.conf")));
    services.settings.setLanguage(args[2] == QLatin1String("russian") ? korvana::Language::Russian
                                                                      : korvana::Language::English);
    services.settings.setAutoSwitch(true);
    if (args.contains(QLatin1String("--high-contrast")))
        services.settings.setHighContrastLights(true);
    for (const QString& arg : args.mid(3)) {
        if (arg.startsWith(QLatin1String("--opponents=")))
            services.settings.setOpponents(arg.mid(12).toInt());
        if (arg.startsWith(QLatin1String("--range=")))
            services.settings.setOpponentRange(arg.mid(8));
        // --range2=15%: one opponent's own range.
        if (arg.startsWith(QLatin1String("--range")) && arg.size() > 9 && arg[7].isDigit() &&
            arg[8] == '=')
            services.settings.setOpponentRange(arg[7].digitValue(), arg.mid(9));
        if (arg.startsWith(QLatin1String("--pot="))) services.settings.setPotAmount(arg.mid(6));
        if (arg.startsWith(QLatin1String("--call="))) services.settings.setCallAmount(arg.mid(7));
    }
    services.reportError = [](const QString& message) { QTextStream(stderr) << message << '\n'; };
    MainWindow window(services);
    window.show();

    auto* picker = window.findChild<CardPicker*>(QStringLiteral("cardPicker"));
    auto* oddsList = window.findChild<OddsList*>(QStringLiteral("oddsList"));
    int pointedRow = -1;
    for (const QString& arg : args.mid(3)) {
        if (arg.startsWith(QLatin1String("--point="))) pointedRow = arg.mid(8).toInt();
        for (int item = 0; item < kPickerItems; ++item) {
            if (pickerCardCode(item) == arg)
                QTest::mouseClick(picker, Qt::LeftButton, {}, picker->buttonRect(item).center());
            if (QStringLiteral("--dead=") + pickerCardCode(item) == arg)
                QTest::mouseClick(picker, Qt::RightButton, {}, picker->buttonRect(item).center());
        }
    }
    if (pointedRow >= 0) {
        const QPoint at = oddsList->rowRect(pointedRow).center();
        QMouseEvent move(QEvent::MouseMove, at, oddsList->mapToGlobal(at), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(oddsList, &move);
    }
    AboutWindow about(window.clientArea(), korvana::online::defaultSiteAddresses(),
                      std::make_shared<NoOpener>(!args.contains(QLatin1String("--link-fails"))));
    const bool photographAbout = args.contains(QLatin1String("--about"));
    if (photographAbout) about.present(window.language());
    // The longest line the last check can leave, to see that it fits.
    if (args.contains(QLatin1String("--check-failed")))
        about.showLastCheck(korvana::online::VersionCheckOutcome{
            QDateTime::currentDateTime(), korvana::online::ErrorKind::Tls, {}, {}});
    if (photographAbout && args.contains(QLatin1String("--link-fails")))
        QTest::mouseClick(about.findChild<QWidget*>(QStringLiteral("siteAddress")), Qt::LeftButton);
    // The final figure of the win chance, then a moment for the last paint.
    auto* busy = window.findChild<QProgressBar*>(QStringLiteral("winChanceBusy"));
    QElapsedTimer waited;
    waited.start();
    while (busy && busy->isVisible() && waited.elapsed() < 60000) QTest::qWait(50);
    const bool grid = args.contains(QLatin1String("--grid"));
    if (grid || args.contains(QLatin1String("--ranges")))
        window.findChild<QPushButton*>(QStringLiteral("winChanceRanges"))->click();
    if (grid)
        for (QWidget* shownWindow : QApplication::topLevelWidgets())
            if (auto* button =
                    shownWindow->findChild<QAbstractButton*>(QStringLiteral("opponentGrid1")))
                button->click();
    for (const QString& arg : args.mid(3))
        if (arg.startsWith(QLatin1String("--tick=")))
            for (QWidget* shownWindow : QApplication::topLevelWidgets())
                if (auto* line = shownWindow->findChild<QAbstractButton*>(
                        QStringLiteral("rangeHitsLine") + arg.mid(7)))
                    line->click();
    QTimer::singleShot(grid ? 3000 : 300, &app, [&] {
        QWidget* linkMessage = nullptr;
        for (QWidget* shownWindow : QApplication::topLevelWidgets())
            if (shownWindow->objectName() == QLatin1String("linkMessage") ||
                (shownWindow->objectName() ==
                     QLatin1String(grid ? "rangeGridDialog" : "opponentRangesWindow") &&
                 shownWindow->isVisible()))
                linkMessage = shownWindow;
        QWidget& shown = linkMessage       ? *linkMessage
                         : photographAbout ? static_cast<QWidget&>(about)
                                           : window;
        const bool saved = shown.grab().save(args[1]);
        app.exit(saved ? 0 : 1);
    });
    return app.exec();
}
