#include "application.h"

#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QLocale>
#include <future>

#include "card_picker.h"
#include "font_mapping.h"
#include "window_text.h"

namespace korvana::ui {

namespace {

void setTitleAndIcon(QApplication& app) {
    app.setApplicationName(kApplicationTitle);
    // Title bars and task bars use the small sizes; the large ones are for
    // desktop integration and would only slow the start down.
    QIcon icon;
    for (int size : {16, 32, 48, 64})
        icon.addFile(QStringLiteral(":/icons/korvana-%1.png").arg(size), QSize(size, size));
    app.setWindowIcon(icon);
}

}  // namespace

void prepareApplication(QApplication& app) {
    setTitleAndIcon(app);
    applyFontMappings(builtInFontMappings());
}

WindowServices installedServices() {
    WindowServices services{SettingsStore::perUser(), systemClock(), {}, {}};
    services.pictureFolder =
        QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("images")) + QLatin1Char('/');
    services.decimalSeparator = QLocale::system().decimalPoint();
    return services;
}

std::unique_ptr<TForm1> startProgram(QApplication& app) {
    // Reading the system's font configuration is the slowest step of the
    // start; it runs on a second core while the card faces are decoded here.
    auto fonts = std::async(std::launch::async, [] { applyFontMappings(builtInFontMappings()); });
    setTitleAndIcon(app);
    WindowServices services = installedServices();
    services.cardFaces = loadCardFaces();
    fonts.get();
    return std::make_unique<TForm1>(std::move(services));
}

}  // namespace korvana::ui
