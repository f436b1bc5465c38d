#include "ui/ranges/range_grid_widget.h"

#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>
#include <algorithm>

#include "ui/common/number_text.h"
#include "ui/ranges/equity_colour.h"

namespace korvana::ui {

namespace {

constexpr int kCellSide = 34;
const QColor kUnpicked(236, 236, 236);
const QColor kPicked(250, 200, 70);  // before the hero's equity is known

size_t cellIndex(const GridPlace& place) {
    return static_cast<size_t>(place.row * kGridSide + place.column);
}

}  // namespace

RangeGridWidget::RangeGridWidget(QString decimalSeparator, QWidget* parent)
    : QWidget(parent), decimalSeparator_(std::move(decimalSeparator)) {
    setObjectName(QStringLiteral("rangeGrid"));
    setFocusPolicy(Qt::StrongFocus);
    setMinimumSize(sizeHint());
}

void RangeGridWidget::setHands(const HandSet& hands) {
    hands_ = hands;
    update();
}

void RangeGridWidget::setKnownCards(CardMask known) {
    known_ = known;
    update();
}

void RangeGridWidget::setEquities(const std::optional<GridEquities>& equities) {
    equities_ = equities;
    update();
}

QSize RangeGridWidget::sizeHint() const {
    return {kCellSide * kGridSide + 1, kCellSide * kGridSide + 1};
}

int RangeGridWidget::cellSide() const {
    return std::max(8, (std::min(width(), height()) - 1) / kGridSide);
}

QRect RangeGridWidget::cellRect(int row, int column) const {
    const int side = cellSide();
    return {column * side, row * side, side, side};
}

std::optional<GridPlace> RangeGridWidget::placeAt(QPoint point) const {
    const int side = cellSide();
    const int row = point.y() / side, column = point.x() / side;
    if (point.x() < 0 || point.y() < 0 || row >= kGridSide || column >= kGridSide)
        return std::nullopt;
    return GridPlace{row, column};
}

int RangeGridWidget::picked(const GridPlace& place) const {
    int count = 0;
    for (const PocketCards cards : startingHandAt(place.row, place.column).hands())
        if (hands_.test(static_cast<size_t>(cards.number())) && (cards.mask() & known_) == 0)
            ++count;
    return count;
}

int RangeGridWidget::available(const GridPlace& place) const {
    int count = 0;
    for (const PocketCards cards : startingHandAt(place.row, place.column).hands())
        if ((cards.mask() & known_) == 0) ++count;
    return count;
}

void RangeGridWidget::setCell(const GridPlace& place, bool on) {
    bool changed = false;
    for (const PocketCards cards : startingHandAt(place.row, place.column).hands()) {
        const auto bit = static_cast<size_t>(cards.number());
        changed = changed || hands_.test(bit) != on;
        hands_.set(bit, on);
    }
    if (!changed) return;
    update(cellRect(place.row, place.column));
    Q_EMIT handsChanged(hands_);
}

// A cell with any of its hands picked is cleared; an empty one filled.
void RangeGridWidget::toggle(const GridPlace& place) {
    bool any = false;
    for (const PocketCards cards : startingHandAt(place.row, place.column).hands())
        any = any || hands_.test(static_cast<size_t>(cards.number()));
    setCell(place, !any);
}

void RangeGridWidget::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    QFont small = font();
    small.setPointSizeF(small.pointSizeF() * 0.9);
    painter.setFont(small);
    for (int row = 0; row < kGridSide; ++row)
        for (int column = 0; column < kGridSide; ++column) {
            const QRect cell = cellRect(row, column);
            if (!event->rect().intersects(cell)) continue;
            const GridPlace place{row, column};
            const StartingHand hand = startingHandAt(row, column);
            painter.fillRect(cell, kUnpicked);
            const int count = picked(place);
            QColor fill = kPicked;
            const auto& equity = equities_ ? (*equities_)[cellIndex(place)] : std::nullopt;
            if (equity) fill = equityColour(*equity);
            // Filled from the bottom as far as its combinations are picked.
            const int height = cell.height() * count / hand.combinations();
            if (count > 0)
                painter.fillRect(
                    QRect(cell.left(), cell.bottom() + 1 - height, cell.width(), height), fill);
            painter.setPen(count == hand.combinations() ? textColourOn(fill)
                           : count > 0                  ? Qt::black
                                                        : QColor(110, 110, 110));
            painter.drawText(cell, Qt::AlignCenter, QString::fromStdString(hand.name()));
            painter.setPen(QColor(170, 170, 170));
            painter.drawRect(cell.adjusted(0, 0, -1, -1));
        }
    if (hasFocus()) {
        QPen pen(palette().color(QPalette::Highlight), 2);
        painter.setPen(pen);
        painter.drawRect(cellRect(cursor_.row, cursor_.column).adjusted(1, 1, -2, -2));
    }
}

void RangeGridWidget::mousePressEvent(QMouseEvent* event) {
    const auto place = placeAt(event->position().toPoint());
    if (event->button() != Qt::LeftButton || !place) return QWidget::mousePressEvent(event);
    update(cellRect(cursor_.row, cursor_.column));
    cursor_ = *place;
    bool any = false;
    for (const PocketCards cards : startingHandAt(place->row, place->column).hands())
        any = any || hands_.test(static_cast<size_t>(cards.number()));
    paintOn_ = !any;
    painting_ = true;
    setCell(*place, paintOn_);
}

void RangeGridWidget::mouseMoveEvent(QMouseEvent* event) {
    if (!painting_) return QWidget::mouseMoveEvent(event);
    if (const auto place = placeAt(event->position().toPoint())) setCell(*place, paintOn_);
}

void RangeGridWidget::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) painting_ = false;
    QWidget::mouseReleaseEvent(event);
}

void RangeGridWidget::keyPressEvent(QKeyEvent* event) {
    GridPlace next = cursor_;
    switch (event->key()) {
        case Qt::Key_Left: next.column = std::max(0, next.column - 1); break;
        case Qt::Key_Right: next.column = std::min(kGridSide - 1, next.column + 1); break;
        case Qt::Key_Up: next.row = std::max(0, next.row - 1); break;
        case Qt::Key_Down: next.row = std::min(kGridSide - 1, next.row + 1); break;
        case Qt::Key_Space: toggle(cursor_); return;
        default: return QWidget::keyPressEvent(event);
    }
    update(cellRect(cursor_.row, cursor_.column));
    cursor_ = next;
    update(cellRect(cursor_.row, cursor_.column));
}

bool RangeGridWidget::event(QEvent* event) {
    if (event->type() != QEvent::ToolTip) return QWidget::event(event);
    auto* help = static_cast<QHelpEvent*>(event);
    if (const auto place = placeAt(help->pos()))
        QToolTip::showText(help->globalPos(), cellTooltip(place->row, place->column), this,
                           cellRect(place->row, place->column));
    else
        QToolTip::hideText();
    return true;
}

QString RangeGridWidget::cellTooltip(int row, int column) const {
    const GridPlace place{row, column};
    const StartingHand hand = startingHandAt(place.row, place.column);
    QString text = tr("%1: %2 of %3 combos picked")
                       .arg(QString::fromStdString(hand.name()))
                       .arg(picked(place))
                       .arg(available(place));
    if (equities_)
        if (const auto& equity = (*equities_)[cellIndex(place)])
            text += QLatin1Char('\n') + tr("Your equity against it: %1%")
                                            .arg(numberText(*equity * 100.0, 1, decimalSeparator_));
    return text;
}

}  // namespace korvana::ui
