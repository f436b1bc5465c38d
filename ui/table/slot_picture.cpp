#include "ui/table/slot_picture.h"

#include <QMouseEvent>
#include <QPainter>

namespace korvana::ui {

SlotPicture::SlotPicture(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void SlotPicture::setPicture(QImage picture) {
    picture_ = std::move(picture);
    update();
}

void SlotPicture::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    // A picture made for another screen density keeps its layout size and is
    // scaled smoothly.
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    if (!picture_.isNull()) painter.drawImage(QPoint(0, 0), picture_);
}

void SlotPicture::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
}

void SlotPicture::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = pressed_ && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    pressed_ = false;
    if (click) Q_EMIT clicked();
}

}  // namespace korvana::ui
