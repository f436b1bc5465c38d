#include "ui/status/status_message.h"

#include <QPainter>
#include <QTimer>

namespace korvana::ui {

StatusMessage::StatusMessage(QWidget* parent) : QWidget(parent), timer_(new QTimer(this)) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    // Clicks and tooltips still reach the panels below.
    setAttribute(Qt::WA_TransparentForMouseEvents);
    timer_->setSingleShot(true);
    timer_->setInterval(kPassingMilliseconds);
    connect(timer_, &QTimer::timeout, this, &StatusMessage::clear);
    hide();
}

void StatusMessage::showMessage(const QString& text, Duration duration) {
    text_ = text;
    if (duration == Duration::Passing)
        timer_->start();
    else
        timer_->stop();
    raise();
    show();
    update();
}

void StatusMessage::clear() {
    timer_->stop();
    text_.clear();
    hide();
}

// Drawn as one wide panel of the status bar, so the bar keeps its look.
void StatusMessage::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Button));
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawLine(0, 0, width() - 1, 0);
    painter.drawLine(width() - 1, 3, width() - 1, height() - 2);
    painter.setPen(palette().color(QPalette::WindowText));
    const QRect area = rect().adjusted(3, 1, -2, 0);
    painter.drawText(area, Qt::AlignLeft | Qt::AlignVCenter,
                     fontMetrics().elidedText(text_, Qt::ElideRight, area.width()));
}

}  // namespace korvana::ui
