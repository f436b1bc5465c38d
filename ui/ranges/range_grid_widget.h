#pragma once
// The 13 x 13 grid of starting hands: a cell per hand, filled as far as its
// combinations are picked, each with its weight (cards on the table take some
// away), coloured by the hero's equity against it once that is known. A click
// gives a hand the painting weight, or takes it out when it has that weight
// already; a drag paints the same over every cell it crosses; the arrows move
// the keyboard's cell and Space toggles it.
#include <QWidget>
#include <optional>

#include "engine/cards/card_index.h"
#include "engine/equity/grid_equity.h"
#include "engine/ranges/range_grid.h"

namespace korvana::ui {

class RangeGridWidget : public QWidget {
    Q_OBJECT
public:
    explicit RangeGridWidget(QString decimalSeparator, QWidget* parent = nullptr);

    // None of these signals a change.
    void setWeights(const HandWeights& weights);
    const HandWeights& weights() const { return weights_; }
    // The hands picked, whatever their weight.
    HandSet hands() const;
    // The weight a click or a drag gives a hand (0..1].
    void setPaintWeight(double weight) { paintWeight_ = weight; }
    // Cards on the table: no one else holds them.
    void setKnownCards(CardMask known);
    // nullopt hides the colours (the hero's cards not known).
    void setEquities(const std::optional<GridEquities>& equities);

    QRect cellRect(int row, int column) const;
    // What the cell's tooltip says: its combinations picked and the hero's equity.
    QString cellTooltip(int row, int column) const;
    QSize sizeHint() const override;

Q_SIGNALS:
    void weightsChanged(const korvana::HandWeights& weights);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool event(QEvent* event) override;

private:
    std::optional<GridPlace> placeAt(QPoint point) const;
    // Picked combinations of the cell, each by its weight, and those the table leaves.
    double picked(const GridPlace& place) const;
    int available(const GridPlace& place) const;
    // Whether every combination of the cell has the painting weight.
    bool paintedAlready(const GridPlace& place) const;
    void setCell(const GridPlace& place, bool on);
    void toggle(const GridPlace& place);
    int cellSide() const;

    QString decimalSeparator_;
    HandWeights weights_{};
    double paintWeight_ = 1;
    CardMask known_ = 0;
    std::optional<GridEquities> equities_;
    GridPlace cursor_;
    bool painting_ = false;
    bool paintOn_ = true;  // what a drag does to the cells it crosses
};

}  // namespace korvana::ui
