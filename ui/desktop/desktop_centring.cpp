#include "ui/desktop/desktop_centring.h"

#include <QEvent>
#include <QScreen>
#include <QWidget>
#include <QWindow>

namespace korvana::ui {

DesktopCentring::DesktopCentring(QWidget* window) : QObject(window), window_(window) {}

void DesktopCentring::centre() {
    if (!window_) return;
    window_->winId();  // the native window carries the frame margins
    QWindow* handle = window_->windowHandle();
    if (handle) {
        handle->removeEventFilter(this);
        handle->installEventFilter(this);
    }
    awaitingFrame_ = true;
    place();
}

void DesktopCentring::place() {
    const QScreen* screen = window_->screen();
    QWindow* handle = window_->windowHandle();
    if (!screen || !handle) return;
    // A hidden window may have lost its frame; the one it had is the best guess.
    const QMargins frame = handle->frameMargins();
    if (!frame.isNull()) lastFrame_ = frame;
    QRect outer(QPoint(), window_->size().grownBy(lastFrame_));
    outer.moveCenter(screen->availableGeometry().center());
    // setGeometry takes the inner rectangle, so the result does not depend on
    // whether the window system has reported the frame to the widget yet.
    window_->setGeometry(
        QRect(outer.topLeft() + QPoint(lastFrame_.left(), lastFrame_.top()), window_->size()));
}

bool DesktopCentring::eventFilter(QObject* watched, QEvent* event) {
    if (awaitingFrame_ && window_ && watched == window_->windowHandle() &&
        event->type() == QEvent::Expose && window_->windowHandle()->isExposed()) {
        awaitingFrame_ = false;
        if (window_->windowHandle()->frameMargins() != lastFrame_) place();
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace korvana::ui
