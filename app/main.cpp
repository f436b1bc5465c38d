#include <QApplication>

#include "app/application.h"
#include "app/command_line.h"
#include "app/quit_on_signal.h"
#include "ui/main_window/window_plan.h"
#include "ui/online/online_services.h"
#include "ui/replay/replay_opener.h"

int main(int argc, char* argv[]) {
    auto start = korvana::ui::startFromCommandLine(argc, argv);
    if (!start.app) return start.exitStatus;
    QApplication& app = *start.app;
    const auto* stop = new korvana::ui::TerminationSignals(&app);
    auto window = korvana::ui::startProgram(app);

    // The online side: the new-version notice and the banners in the client
    // area, the About window, the Help menu. The services schedule the web
    // checks themselves; the window only tells them when it is shown and
    // when its language changes.
    auto* mainWindow = window.get();
    auto* online = new korvana::ui::OnlineServices(  // owned by the client area
        mainWindow->clientArea(), [mainWindow] { return mainWindow->language(); },
        korvana::ui::kWindowPlan.online);
    using korvana::ui::MainWindow;
    using korvana::ui::OnlineServices;
    QObject::connect(mainWindow, &MainWindow::shown, online, &OnlineServices::windowShown);
    QObject::connect(mainWindow, &MainWindow::languageChanged, online,
                     &OnlineServices::languageChanged);
    QObject::connect(mainWindow, &MainWindow::helpRequested, online, &OnlineServices::openHelpPage);
    QObject::connect(mainWindow, &MainWindow::aboutRequested, online,
                     &OnlineServices::showAboutWindow);
    QObject::connect(mainWindow, &MainWindow::tellAFriendRequested, online,
                     &OnlineServices::openTellAFriendPage);
    QObject::connect(mainWindow, &MainWindow::licenceRequested, online,
                     &OnlineServices::openLicence);

    // Hand histories from the File menu, a drop, a paste or --history.
    auto* replay = new korvana::ui::ReplayOpener(mainWindow);

    window->show();  // error boxes about the stored choices come up here
    if (stop->stopRequested()) return 0;
    if (const QString history = korvana::ui::historyFileArgument(QCoreApplication::arguments());
        !history.isEmpty())
        replay->openFile(history);
    return app.exec();
}
