#pragma once
// Ends the program cleanly when the session asks it to stop (SIGTERM at
// logout, SIGINT from a terminal), instead of dying mid-paint.
#include <QObject>

namespace korvana::ui {

// On a stop request every event loop running then ends: the main one, or
// the one of an error box shown before the main loop runs. Loops started
// afterwards end at once, except QCoreApplication::exec(), which starts
// afresh: whoever calls it first asks stopRequested().
class TerminationSignals : public QObject {
    Q_OBJECT
public:
    // Installs the handlers (once in a process); the stop happens on the GUI
    // thread. Does nothing where the platform has no such signals.
    explicit TerminationSignals(QObject* parent);

    bool stopRequested() const { return stopRequested_; }

private:
    bool stopRequested_ = false;
};

}  // namespace korvana::ui
