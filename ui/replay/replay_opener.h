#pragma once
// Joins the replay to the main window: the hand histories the main window is
// given (File > Open, a dropped file, a pasted hand, the command line) open
// in one replay window, made on first use so that the program starts as fast
// as before, and the replay's "Analyse this spot" goes back into the main
// window as a pasted spot.
#include <QObject>

namespace korvana::ui {

class MainWindow;
class ReplayWindow;

class ReplayOpener : public QObject {
    Q_OBJECT
public:
    // A child of the window, as is the replay window it makes.
    explicit ReplayOpener(MainWindow* window);

    void openFile(const QString& path);
    void openText(const QString& text);
    // Null until a history was first opened.
    ReplayWindow* replay() const { return replay_; }

private:
    ReplayWindow* shownReplay();

    MainWindow* window_;
    ReplayWindow* replay_ = nullptr;  // a child of the window
};

}  // namespace korvana::ui
