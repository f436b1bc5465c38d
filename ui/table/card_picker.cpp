#include "ui/table/card_picker.h"

#include <QGuiApplication>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionButton>
#include <QToolTip>
#include <algorithm>

#include "engine/cards/card.h"
#include "engine/cards/hand.h"
#include "engine/rows/exact_text.h"
#include "ui/table/card_table.h"
#include "ui/table/picture_density.h"

namespace korvana::ui {

namespace {
// Stands out from the card faces and from the list's red, yellow and green.
const QColor kOutlineColour(0, 102, 204);
// A card on the table lets most of its button show through: still readable,
// plainly set apart from the cards that can still be dealt.
constexpr qreal kOnTableOpacity = 0.35;
// A dead card's cross: dark grey, apart from the red suits and the outline's blue.
const QColor kDeadColour(64, 64, 64);
}  // namespace

std::vector<QImage> loadCardFaces(qreal devicePixelRatio) {
    std::vector<QImage> faces(kPickerItems);
    for (int item = 0; item < kPickerItems; ++item)
        faces[static_cast<size_t>(item)] =
            cardFaceForScreen(pickerCardCode(item), devicePixelRatio);
    return faces;
}

std::vector<QImage> loadCardFaces() {
    return loadCardFaces(qGuiApp->devicePixelRatio());
}

CardPicker::CardPicker(std::vector<QImage> faces, QWidget* parent)
    : QWidget(parent), faces_(std::move(faces)) {
    faces_.resize(kPickerItems);
    setMouseTracking(true);
    setAttribute(Qt::WA_Hover);
}

QRect CardPicker::buttonRect(int item) const {
    return {(item % kColumns) * kButtonWidth, (item / kColumns) * kButtonHeight, kButtonWidth,
            kButtonHeight};
}

int CardPicker::itemAt(QPoint point) const {
    if (point.x() < 0 || point.y() < 0) return -1;
    const int column = point.x() / kButtonWidth;
    const int row = point.y() / kButtonHeight;
    if (column >= kColumns || row >= kPickerItems / kColumns) return -1;
    return row * kColumns + column;
}

void CardPicker::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    // Faces made for a denser screen than this one are scaled down smoothly.
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    for (int item = 0; item < kPickerItems; ++item) {
        const QRect rect = buttonRect(item);
        if (!rect.intersects(event->rect())) continue;
        QStyleOptionButton option;
        option.initFrom(this);
        option.rect = rect;
        option.state &= ~(QStyle::State_MouseOver | QStyle::State_HasFocus);
        if (item == hovered_) option.state |= QStyle::State_MouseOver;
        option.state |=
            (item == pressed_ && item == hovered_) ? QStyle::State_Sunken : QStyle::State_Raised;
        style()->drawControl(QStyle::CE_PushButtonBevel, &option, &painter, this);

        const QImage& face = faces_[static_cast<size_t>(item)];
        painter.setOpacity(isOnTable(item) || isDead(item) ? kOnTableOpacity : 1.0);
        if (!face.isNull()) {
            const QSize size = face.deviceIndependentSize().toSize();
            painter.drawImage(QPoint(rect.x() + (rect.width() - size.width()) / 2,
                                     rect.y() + (rect.height() - size.height()) / 2),
                              face);
        } else {
            // Without its face the button still has to say which card it is.
            painter.drawText(rect, Qt::AlignCenter, pickerCardCode(item));
        }
        painter.setOpacity(1.0);
        if (isDead(item)) {
            // Struck through, corner to corner: out of play, not merely on the table.
            painter.setPen(QPen(kDeadColour, 3));
            const QRectF card = QRectF(rect).adjusted(7, 7, -7, -7);
            painter.drawLine(card.topLeft(), card.bottomRight());
            painter.drawLine(card.topRight(), card.bottomLeft());
        }
        // A dead card is no out: it will not come.
        if (outlined_.contains(item) && !isDead(item)) {
            painter.setPen(QPen(kOutlineColour, 2));
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(QRectF(rect).adjusted(2, 2, -2, -2));
        }
    }
}

void CardPicker::setOutlined(QList<int> items) {
    if (items == outlined_) return;
    for (int item : outlined_) update(buttonRect(item));
    outlined_ = std::move(items);
    for (int item : outlined_) update(buttonRect(item));
}

void CardPicker::setCardsOnTable(const Hand& hand) {
    std::bitset<52> onTable;
    for (int slot = 1; slot <= kSlotCount; ++slot)
        if (const auto card = hand.card(slot)) onTable.set(static_cast<size_t>(pickerItem(*card)));
    const std::bitset<52> changed = onTable ^ onTable_;
    onTable_ = onTable;
    for (int item = 0; item < kPickerItems; ++item)
        if (changed.test(static_cast<size_t>(item))) update(buttonRect(item));
}

bool CardPicker::isOnTable(int item) const {
    return item >= 0 && item < kPickerItems && onTable_.test(static_cast<size_t>(item));
}

void CardPicker::setDeadCards(const std::vector<Card>& dead) {
    std::bitset<52> marked;
    for (const Card& card : dead) marked.set(static_cast<size_t>(pickerItem(card)));
    const std::bitset<52> changed = marked ^ dead_;
    dead_ = marked;
    for (int item = 0; item < kPickerItems; ++item)
        if (changed.test(static_cast<size_t>(item))) update(buttonRect(item));
}

bool CardPicker::isDead(int item) const {
    return item >= 0 && item < kPickerItems && dead_.test(static_cast<size_t>(item));
}

void CardPicker::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton) {
        if (const int item = itemAt(event->position().toPoint()); item >= 0)
            Q_EMIT itemMarked(item);
        return;
    }
    if (event->button() != Qt::LeftButton) return;
    pressed_ = itemAt(event->position().toPoint());
    if (pressed_ >= 0) update(buttonRect(pressed_));
}

void CardPicker::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || pressed_ < 0) return;
    const int item = pressed_;
    pressed_ = -1;
    update(buttonRect(item));
    if (itemAt(event->position().toPoint()) == item) Q_EMIT itemClicked(item);
}

void CardPicker::setItemToolTips(QList<QString> toolTips) {
    itemToolTips_ = std::move(toolTips);
}

QString CardPicker::itemToolTip(int item) const {
    return itemToolTips_.size() == kPickerItems && item >= 0 && item < kPickerItems
               ? itemToolTips_[item]
               : QString();
}

bool CardPicker::event(QEvent* event) {
    if (event->type() != QEvent::ToolTip) return QWidget::event(event);
    const auto* help = static_cast<QHelpEvent*>(event);
    const int item = itemAt(help->pos());
    // The tip stays while the pointer is on the same button and moves with it.
    if (!itemToolTip(item).isEmpty())
        QToolTip::showText(help->globalPos(), itemToolTip(item), this, buttonRect(item));
    else
        QToolTip::hideText();
    return true;
}

void CardPicker::mouseMoveEvent(QMouseEvent* event) {
    setHovered(itemAt(event->position().toPoint()));
}

void CardPicker::leaveEvent(QEvent*) {
    setHovered(-1);
}

void CardPicker::setHovered(int item) {
    if (item == hovered_) return;
    if (hovered_ >= 0) update(buttonRect(hovered_));
    hovered_ = item;
    if (hovered_ >= 0) update(buttonRect(hovered_));
}

}  // namespace korvana::ui
