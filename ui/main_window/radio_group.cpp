#include "ui/main_window/radio_group.h"

#include <QButtonGroup>
#include <QPainter>
#include <QRadioButton>
#include <algorithm>

namespace korvana::ui {

RadioGroup::RadioGroup(int columns, int itemCount, QWidget* parent)
    : QWidget(parent), columns_(columns), group_(new QButtonGroup(this)) {
    for (int i = 0; i < itemCount; ++i) {
        auto* button = new QRadioButton(this);
        group_->addButton(button, i);
        items_.push_back(button);
    }
    connect(group_, &QButtonGroup::idClicked, this, [this](int index) {
        if (index == lastIndex_) return;
        lastIndex_ = index;
        Q_EMIT clicked(index);
    });
}

void RadioGroup::setCaption(const QString& caption) {
    caption_ = caption;
    update();
}

void RadioGroup::setItems(const QStringList& items) {
    for (size_t i = 0; i < items_.size() && i < static_cast<size_t>(items.size()); ++i)
        items_[i]->setText(items[static_cast<qsizetype>(i)]);
}

int RadioGroup::itemIndex() const {
    return group_->checkedId();
}

void RadioGroup::setItemIndex(int index) {
    lastIndex_ = index;
    if (index >= 0 && index < static_cast<int>(items_.size()))
        items_[static_cast<size_t>(index)]->setChecked(true);
}

void RadioGroup::setItemsEnabled(bool enabled) {
    for (QRadioButton* item : items_) item->setEnabled(enabled);
}

void RadioGroup::resizeEvent(QResizeEvent*) {
    arrangeItems();
}

// The buttons share the area below the caption line: equal columns from an
// 8-pixel left margin, one row per column here.
void RadioGroup::arrangeItems() {
    const int textHeight = fontMetrics().height();
    const int rows = (static_cast<int>(items_.size()) + columns_ - 1) / columns_;
    const int free = height() - textHeight - 5;
    const int rowHeight = free / std::max(rows, 1);
    const int top = textHeight + 1 + (free % std::max(rows, 1)) / 2;
    const int columnWidth = (width() - 10) / columns_;
    for (size_t i = 0; i < items_.size(); ++i) {
        const int column = static_cast<int>(i) / rows;
        const int row = static_cast<int>(i) % rows;
        items_[i]->setGeometry(8 + column * columnWidth, top + row * rowHeight, columnWidth,
                               rowHeight);
    }
}

void RadioGroup::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QFontMetrics metrics = fontMetrics();
    const int lineY = metrics.height() / 2;
    const QColor frameColour = palette().color(QPalette::Mid);
    painter.setPen(frameColour);
    painter.drawRect(QRect(0, lineY, width() - 1, height() - lineY - 1));

    const int captionWidth = metrics.horizontalAdvance(caption_);
    const QRect captionRect(8, 0, captionWidth + 4, metrics.height());
    painter.fillRect(captionRect, palette().color(QPalette::Window));
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(captionRect.adjusted(2, 0, 0, 0), Qt::AlignLeft | Qt::AlignTop, caption_);
}

}  // namespace korvana::ui
