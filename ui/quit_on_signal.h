#pragma once
// Ends the event loop cleanly when the session asks the program to stop
// (SIGTERM at logout, SIGINT from a terminal), instead of dying mid-paint.
class QObject;

namespace korvana::ui {

// Installs the handlers; the quit happens on the GUI thread. Does nothing
// where the platform has no such signals.
void quitOnTerminationSignals(QObject* parent);

}  // namespace korvana::ui
