// Photographs the main window with some cards on the table, for the docs and
// for checking the layout by eye:
//   korvana_window_screenshot OUTPUT.png english|russian [--point=ROW]
//                             [--high-contrast] [CARD...]
// --point=ROW puts the pointer on odds list row 0..9, so that its outs are
// outlined on the card picker. --high-contrast shows the high-contrast lights.
// The settings live in a throw-away folder, so the player's own are untouched.
#include <QApplication>
#include <QDir>
#include <QMouseEvent>
#include <QPixmap>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>
#include <QTimer>

#include "application.h"
#include "card_picker.h"
#include "card_table.h"
#include "font_mapping.h"
#include "odds_list.h"

using namespace korvana::ui;

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 3) {
        QTextStream(stderr) << "usage: korvana_window_screenshot OUTPUT.png english|russian "
                               "[--point=ROW] [--high-contrast] [CARD...]\n";
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
    services.reportError = [](const QString& message) { QTextStream(stderr) << message << '\n'; };
    MainWindow window(services);
    window.show();

    auto* picker = window.findChild<CardPicker*>(QStringLiteral("cardPicker"));
    auto* oddsList = window.findChild<OddsList*>(QStringLiteral("oddsList"));
    int pointedRow = -1;
    for (const QString& arg : args.mid(3)) {
        if (arg.startsWith(QLatin1String("--point="))) pointedRow = arg.mid(8).toInt();
        for (int item = 0; item < kPickerItems; ++item)
            if (pickerCardCode(item) == arg)
                QTest::mouseClick(picker, Qt::LeftButton, {}, picker->buttonRect(item).center());
    }
    if (pointedRow >= 0) {
        const QPoint at = oddsList->rowRect(pointedRow).center();
        QMouseEvent move(QEvent::MouseMove, at, oddsList->mapToGlobal(at), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(oddsList, &move);
    }
    QTimer::singleShot(300, &app, [&] {
        const bool saved = window.grab().save(args[1]);
        app.exit(saved ? 0 : 1);
    });
    return app.exec();
}
