#pragma once
// Everything `korvana` does before its window exists. The window takes no
// options of its own beyond the usual -h/--help, --help-all and -v/--version,
// --history FILE (the hands of a hand-history file opened in the replay) and
// --verbose (every online request logged on stderr), plus Qt's own (-platform, -style, ...)
// that the window system reads. Help and version must work where no display is, and a missing
// display must give one clear line instead of an abort, so both are settled before the window
// system starts.
#include <QApplication>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <memory>

namespace korvana::ui {

// Either the application to run the window in, or, when there is nothing to
// show (help printed, no display, a bad argument), the status to exit with.
struct WindowStart {
    std::unique_ptr<QApplication> app;
    int exitStatus = 0;
};

// Reads the command line, answers help and version, checks for a display and
// starts the window system. argc and argv are handed to QApplication.
WindowStart startFromCommandLine(int& argc, char** argv);

// True when the arguments ask for help or the version. Single-dash words are
// whole option names (-help, -version), as in Qt's own options, so "-reverse"
// never reads as "-v".
bool asksForInformation(const QStringList& arguments);

// The one line to print when there is surely no display to open the window
// on: no window system chosen (QT_QPA_PLATFORM, -platform) and neither DISPLAY
// nor WAYLAND_DISPLAY set. Empty when there may be one.
QString missingDisplayLine(const QStringList& arguments, const QProcessEnvironment& environment);

// The one line to print for an argument that is neither the window's nor one
// of the window system's own options ("korvana: Unknown option 'x'."); empty
// when there is none. Needs no display, so it is settled before one is looked for.
QString badArgumentsLine(const QStringList& arguments);

// The file --history names; empty when none.
QString historyFileArgument(const QStringList& arguments);

}  // namespace korvana::ui
