#include "application.h"

#include <QApplication>
#include <QDir>
#include <QLocale>

#include "font_mapping.h"
#include "window_text.h"

namespace korvana::ui {

void prepareApplication(QApplication& app) {
    app.setApplicationName(kApplicationTitle);
    applyFontMappings(builtInFontMappings());
}

WindowServices installedServices() {
    WindowServices services{SettingsStore::perUser(), systemClock(), {}, {}};
    services.pictureFolder = QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("images")) + QLatin1Char('/');
    services.decimalSeparator = QLocale::system().decimalPoint();
    return services;
}

std::unique_ptr<TForm1> createMainWindow() {
    return std::make_unique<TForm1>(installedServices());
}

}  // namespace korvana::ui
