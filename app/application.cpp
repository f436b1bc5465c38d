#include "app/application.h"

#include <QApplication>
#include <QDir>
#include <QLocale>

#include "ui/common/window_texts.h"
#include "ui/desktop/icon_on_demand.h"
#include "ui/odds/font_mapping.h"

namespace korvana::ui {

void prepareApplication(QApplication& app) {
    app.setApplicationName(kApplicationTitle);
    // Title bars and task bars use the small sizes; the large ones are for
    // desktop integration and would only slow the start down. The pictures
    // are read when the window system first asks for them, not before the
    // window is drawn.
    std::vector<std::pair<QString, QSize>> icons;
    for (int size : {16, 32, 48, 64})
        icons.emplace_back(QStringLiteral(":/icons/korvana-%1.png").arg(size), QSize(size, size));
    app.setWindowIcon(iconOnDemand(std::move(icons)));
    app.setStyle(styleWithIconsOnDemand());
    applyFontMappings(builtInFontMappings());
}

WindowServices installedServices() {
    WindowServices services{SettingsStore::perUser(), systemClock(), {}, {}};
    services.pictureFolder =
        QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("images")) +
        QLatin1Char('/');
    services.decimalSeparator = QLocale::system().decimalPoint();
    services.rangeLibrary = RangeLibraryFile(RangeLibraryFile::perUserPath());
    return services;
}

std::unique_ptr<MainWindow> startProgram(QApplication& app) {
    prepareApplication(app);
    return std::make_unique<MainWindow>(installedServices());
}

}  // namespace korvana::ui
