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
    korvana::ui::quitOnTerminationSignals(&app);
    auto window = korvana::ui::startProgram(app);

    // The online side: the new-version notice and the banners in the client
    // area, the About window, the Help menu. The window's own hourly timer and
    // its language choices start the web checks.
    korvana::online::OnlineOptions options;
    options.checkInterval = std::chrono::milliseconds(0);
    auto* form = window.get();
    auto* online = new korvana::online::OnlineServices(  // owned by the client area
        form->clientArea(), [form] { return static_cast<int>(form->language()); }, options);
    using korvana::online::OnlineServices;
    using korvana::ui::TForm1;
    QObject::connect(form, &TForm1::webCheckDue, online, &OnlineServices::Timer2Timer);
    QObject::connect(form, &TForm1::helpRequested, online, &OnlineServices::Help2Click);
    QObject::connect(form, &TForm1::aboutRequested, online, &OnlineServices::About1Click);
    QObject::connect(form, &TForm1::tellAFriendRequested, online, &OnlineServices::Tellafriend1Click);
    QObject::connect(form, &TForm1::licenceRequested, online, &OnlineServices::License1Click);

    window->show();
    return app.exec();
}
