#pragma once
// Centres a top-level window on the desktop, frame and title bar included.
//
// The window manager adds the frame only when the window is mapped, so at a
// showing its size may not be known yet: the window is then placed with the
// frame it had last time (or none), and placed again, once, as soon as the
// window is on screen with its frame.
#include <QMargins>
#include <QObject>
#include <QPointer>

class QWidget;

namespace korvana::ui {

class DesktopCentring : public QObject {
public:
    // Lives as a child of the window.
    explicit DesktopCentring(QWidget* window);

    // Call when the window is about to be shown (its show event); the window
    // must have its final size by then.
    void centre();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void place();

    QPointer<QWidget> window_;
    QMargins lastFrame_;
    bool awaitingFrame_ = false;
};

}  // namespace korvana::ui
