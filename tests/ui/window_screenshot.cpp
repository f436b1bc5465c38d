// Photographs the main window with some cards on the table, for the docs and
// for checking the layout by eye:
//   korvana_window_screenshot OUTPUT.png english|russian [--point=ROW] [CARD...]
// --point=ROW puts the pointer on odds list row 0..9, so that its outs are
// outlined on the card picker.
// The settings live in a throw-away folder, so the player's own are untouched.
#include <QApplication>
#include <QDir>
#include <QMouseEvent>
#include <QPixmap>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>

#include "application.h"
#include "card_table.h"
#include "font_mapping.h"
#include "odds_list.h"

using namespace korvana::ui;

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 3) {
        QTextStream(stderr) << "usage: korvana_window_screenshot OUTPUT.png english|russian "
                               "[--point=ROW] [CARD...]\n";
        return 2;
    }
    prepareApplication(app);
    for (const QString& line : applyFontMappings(builtInFontMappings())) QTextStream(stderr) << line << '\n';

    QTemporaryDir settingsFolder(QDir::current().filePath(QStringLiteral("screenshot-XXXXXX")));
    WindowServices services = installedServices();
    services.settings = SettingsStore::inFile(settingsFolder.filePath(QStringLiteral("Korvana.conf")));
    services.settings.setLanguage(args[2]);
    services.settings.setAutoswitch(1);
    services.reportError = [](const QString& message) { QTextStream(stderr) << message << '\n'; };
    TForm1 window(services);
    window.show();

    int pointedRow = -1;
    for (const QString& arg : args.mid(3)) {
        if (arg.startsWith(QLatin1String("--point="))) pointedRow = arg.mid(8).toInt();
        for (int item = 0; item < kPickerItems; ++item)
            if (pickerCardCode(item) == arg) window.ButtonGroup1ItemClick(item);
    }
    if (pointedRow >= 0) {
        const QPoint at = window.ListBox2->rowRect(pointedRow).center();
        QMouseEvent move(QEvent::MouseMove, at, window.ListBox2->mapToGlobal(at), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(window.ListBox2, &move);
    }
    QTimer::singleShot(300, &app, [&] {
        const bool saved = window.grab().save(args[1]);
        app.exit(saved ? 0 : 1);
    });
    return app.exec();
}
