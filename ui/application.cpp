#include "application.h"

#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QLocale>

#include "font_mapping.h"
#include "window_texts.h"

namespace korvana::ui {

void prepareApplication(QApplication& app) {
    app.setApplicationName(kApplicationTitle);
    // Title bars and task bars use the small sizes; the large ones are for
    // desktop integration and would only slow the start down.
    QIcon icon;
    for (int size : {16, 32, 48, 64})
        icon.addFile(QStringLiteral(":/icons/korvana-%1.png").arg(size), QSize(size, size));
    app.setWindowIcon(icon);
    applyFontMappings(builtInFontMappings());
}

WindowServices installedServices() {
    WindowServices services{SettingsStore::perUser(), systemClock(), {}, {}};
    services.pictureFolder =
        QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("images")) +
        QLatin1Char('/');
    services.decimalSeparator = QLocale::system().decimalPoint();
    return services;
}

std::unique_ptr<MainWindow> startProgram(QApplication& app) {
    prepareApplication(app);
    return std::make_unique<MainWindow>(installedServices());
}

}  // namespace korvana::ui
