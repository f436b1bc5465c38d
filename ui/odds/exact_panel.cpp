#include "ui/odds/exact_panel.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

namespace korvana::ui {

namespace {
const QColor kTextColour(0, 0, 0);
const QColor kMarkerColour(230, 120, 0);
const QColor kHoverFill(221, 235, 250);
// Right edges of the percentage and "1 in x" columns.
constexpr int kPercentRight = 160;
constexpr int kNameLeft = 14;
}  // namespace

ExactPanel::ExactPanel(QWidget* parent) : QWidget(parent) {
    setMouseTracking(true);
    setFocusPolicy(Qt::NoFocus);
}

void ExactPanel::setContent(QString heading, QList<Line> lines) {
    heading_ = std::move(heading);
    lines_ = std::move(lines);
    update();
}

QRect ExactPanel::lineRect(int index) const {
    return {0, kLinesTop + index * kLineHeight, width(), kLineHeight};
}

int ExactPanel::lineAt(QPoint point) const {
    if (point.x() < 0 || point.x() >= width() || point.y() < kLinesTop) return -1;
    const int index = (point.y() - kLinesTop) / kLineHeight;
    return index < lines_.size() ? index : -1;
}

bool ExactPanel::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(event);
        const int line = lineAt(help->pos());
        if (line >= 0 && !lines_[line].tooltip.isEmpty())
            QToolTip::showText(help->globalPos(), lines_[line].tooltip, this, lineRect(line));
        else
            QToolTip::hideText();
        return true;
    }
    return QWidget::event(event);
}

void ExactPanel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(kTextColour);
    QFont bold = font();
    bold.setBold(true);
    painter.setFont(bold);
    painter.drawText(QRect(0, 0, width(), kLinesTop - 2), Qt::AlignLeft | Qt::AlignVCenter,
                     heading_);
    painter.fillRect(0, kLinesTop - 2, width(), 1, kTextColour);
    painter.setFont(font());

    for (int index = 0; index < lines_.size(); ++index) {
        const Line& line = lines_[index];
        const QRect rect = lineRect(index);
        if (index == hovered_ || index == pointed_) painter.fillRect(rect, kHoverFill);
        if (line.flagged) {
            painter.setRenderHint(QPainter::Antialiasing, true);
            painter.setPen(Qt::NoPen);
            painter.setBrush(kMarkerColour);
            painter.drawEllipse(QRectF(3, rect.top() + 4.5, 7, 7));
            painter.setRenderHint(QPainter::Antialiasing, false);
            painter.setPen(kTextColour);
        }
        painter.drawText(rect.adjusted(kNameLeft, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter,
                         line.name);
        painter.drawText(QRect(rect.left(), rect.top(), kPercentRight, rect.height()),
                         Qt::AlignRight | Qt::AlignVCenter, line.percent);
        painter.drawText(rect.adjusted(0, 0, -2, 0), Qt::AlignRight | Qt::AlignVCenter, line.oneIn);
    }
}

void ExactPanel::mouseMoveEvent(QMouseEvent* event) {
    setHovered(lineAt(event->position().toPoint()));
}

void ExactPanel::leaveEvent(QEvent*) {
    setHovered(-1);
}

void ExactPanel::hideEvent(QHideEvent*) {
    setHovered(-1);
}

void ExactPanel::setPointedLine(int line) {
    if (line == pointed_) return;
    if (pointed_ >= 0) update(lineRect(pointed_));
    pointed_ = line;
    if (pointed_ >= 0) update(lineRect(pointed_));
}

void ExactPanel::setHovered(int line) {
    if (line == hovered_) return;
    if (hovered_ >= 0) update(lineRect(hovered_));
    hovered_ = line;
    if (hovered_ >= 0) update(lineRect(hovered_));
    Q_EMIT hoveredLineChanged(hovered_);
}

}  // namespace korvana::ui
