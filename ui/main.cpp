#include <QApplication>
#include <chrono>

#include "application.h"
#include "command_line.h"
#include "online_services.h"
#include "quit_on_signal.h"

int main(int argc, char* argv[]) {
    auto start = korvana::ui::startFromCommandLine(argc, argv);
    if (!start.app) return start.exitStatus;
    QApplication& app = *start.app;
    const auto* stop = new korvana::ui::TerminationSignals(&app);
    auto window = korvana::ui::startProgram(app);

    // The online side: the new-version notice and the banners in the client
    // area, the About window, the Help menu. The window's own hourly timer and
    // its language choices start the web checks.
    korvana::ui::OnlineOptions options;
    options.checkInterval = std::chrono::milliseconds(0);
    auto* form = window.get();
    auto* online = new korvana::ui::OnlineServices(  // owned by the client area
        form->clientArea(), [form] { return form->language(); },
        korvana::ui::kMainWindowOnlinePlaces, options);
    using korvana::ui::MainWindow;
    using korvana::ui::OnlineServices;
    QObject::connect(form, &MainWindow::webCheckDue, online, &OnlineServices::startWebCheck);
    QObject::connect(form, &MainWindow::helpRequested, online, &OnlineServices::openHelpPage);
    QObject::connect(form, &MainWindow::aboutRequested, online, &OnlineServices::showAboutWindow);
    QObject::connect(form, &MainWindow::tellAFriendRequested, online,
                     &OnlineServices::openTellAFriendPage);
    QObject::connect(form, &MainWindow::licenceRequested, online, &OnlineServices::openLicence);

    window->show();  // error boxes about the stored choices come up here
    if (stop->stopRequested()) return 0;
    return app.exec();
}
