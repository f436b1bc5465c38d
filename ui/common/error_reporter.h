#pragma once
// How failures reach the player. The program shows an error message box
// titled "Korvana"; tests pass a reporter that records the message instead of
// blocking on a modal box.
#include <QString>
#include <functional>

class QWidget;

namespace korvana::ui {

using ErrorReporter = std::function<void(const QString& message)>;

// Writes each message to stderr and shows it in a modal error box titled with the application
// title, over the given window (or centred on the screen once the window is gone).
ErrorReporter messageBoxReporter(QWidget* window);

}  // namespace korvana::ui
