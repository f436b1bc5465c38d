#include "app/quit_on_signal.h"

#include <QCoreApplication>

#ifdef Q_OS_UNIX
#include <sys/socket.h>
#include <unistd.h>
#include <QSocketNotifier>
#include <csignal>
#endif

namespace korvana::ui {

#ifdef Q_OS_UNIX
namespace {
// The handler may only write to a descriptor; the notifier picks the byte up
// on the GUI thread. Set once, before the handlers are installed.
int signalPipe[2] = {-1, -1};

void onSignal(int) {
    const char byte = 1;
    [[maybe_unused]] const auto written = ::write(signalPipe[0], &byte, 1);
}
}  // namespace

TerminationSignals::TerminationSignals(QObject* parent) : QObject(parent) {
    if (signalPipe[0] != -1 || ::socketpair(AF_UNIX, SOCK_STREAM, 0, signalPipe) != 0) return;
    auto* notifier = new QSocketNotifier(signalPipe[1], QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, [this] {
        char byte;
        [[maybe_unused]] const auto read = ::read(signalPipe[1], &byte, 1);
        stopRequested_ = true;
        // quit() would do nothing before the main loop runs; exit() also ends
        // the loop of an error box shown at start, and any box after it.
        QCoreApplication::exit(0);
    });
    struct sigaction action {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
}
#else
TerminationSignals::TerminationSignals(QObject* parent) : QObject(parent) {}
#endif

}  // namespace korvana::ui
