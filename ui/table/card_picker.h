#pragma once
// The card picker: 52 picture buttons, one row per suit (clubs, diamonds,
// hearts, spades) and ranks 2..A from left to right. Cards on the table are
// drawn dimmed but click like the others; the table decides what a click means
// (for a card on the table: take it back off). Dead cards (seen folded) are
// dimmed and struck through; a right click marks a card dead or takes the mark off.
#include <QImage>
#include <QList>
#include <QWidget>
#include <bitset>
#include <vector>

#include "engine/cards/card.h"

namespace korvana {
class Hand;
}

namespace korvana::ui {

// The 52 small card faces (36 x 51 layout pixels) by picker item, shown from
// the program's own data at the density of a
// screen of devicePixelRatio (see picture_density.h); a missing face is a
// null image. Safe to call on any thread.
std::vector<QImage> loadCardFaces(qreal devicePixelRatio);
// The same for the densest screen of this session; GUI thread only.
std::vector<QImage> loadCardFaces();

class CardPicker : public QWidget {
    Q_OBJECT
public:
    static constexpr int kButtonWidth = 46;
    static constexpr int kButtonHeight = 59;
    static constexpr int kColumns = 13;

    CardPicker(std::vector<QImage> faces, QWidget* parent = nullptr);

    QRect buttonRect(int item) const;
    // Picker item under a point, or -1.
    int itemAt(QPoint point) const;

    // Buttons drawn with an outline (the outs of the row the player points at).
    void setOutlined(QList<int> items);
    const QList<int>& outlined() const { return outlined_; }

    // The cards in the hand's slots are drawn dimmed from now on; call it after
    // every change of the table.
    void setCardsOnTable(const Hand& hand);
    bool isOnTable(int item) const;
    // The cards seen folded, drawn struck through from now on.
    void setDeadCards(const std::vector<Card>& dead);
    bool isDead(int item) const;

    // Tooltips of the 52 buttons by picker item, shown for the button under
    // the pointer; a list of another length shows none.
    void setItemToolTips(QList<QString> toolTips);
    QString itemToolTip(int item) const;

Q_SIGNALS:
    void itemClicked(int item);
    // A right click: the card is to be marked dead, or no longer.
    void itemMarked(int item);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    void setHovered(int item);

    std::vector<QImage> faces_;  // by picker item
    int pressed_ = -1;
    int hovered_ = -1;
    QList<int> outlined_;
    std::bitset<52> onTable_;  // by picker item
    std::bitset<52> dead_;     // by picker item
    QList<QString> itemToolTips_;
};

}  // namespace korvana::ui
