#include "ui/odds/odds_list.h"

#include <QPaintEvent>
#include <QPainter>

namespace korvana::ui {

OddsList::OddsList(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
}

void OddsList::setRows(QStringList rows) {
    rows_ = std::move(rows);
    update();
}

QRect OddsList::rowRect(int index) const {
    return {kFrameWidth, kFrameWidth + index * kRowHeight, width() - 2 * kFrameWidth, kRowHeight};
}

QColor OddsList::background() const {
    return palette().color(QPalette::Active, QPalette::Base);
}

void OddsList::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const QRect inside = rect().adjusted(kFrameWidth, kFrameWidth, -kFrameWidth, -kFrameWidth);
    painter.fillRect(inside, background());
    painter.setClipRect(inside);
    for (int index = 0; index < rows_.size(); ++index) {
        const QRect row = rowRect(index);
        if (!row.intersects(event->rect())) continue;
        if (paintRow_) paintRow_(painter, index, row);
    }
    painter.setClipping(false);

    // A sunken edge: dark outer line, light inner line.
    painter.setPen(QColor(130, 135, 144));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    painter.setPen(QColor(240, 240, 240));
    painter.drawRect(rect().adjusted(1, 1, -2, -2));
}

}  // namespace korvana::ui
