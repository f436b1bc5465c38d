#pragma once
// The colours of the hero's equity on the grid: red where the hand beats
// him, through a pale middle, to blue where he is ahead. Red against blue
// stays apart for the usual colour blindness, and each colour has a text
// colour that reads on it.
#include <QColor>
#include <QWidget>

namespace korvana::ui {

// equity 0..1
QColor equityColour(double equity);
// Black or white, whichever reads better on the background.
QColor textColourOn(const QColor& background);

// The scale with its ends and middle marked, under a caption.
class EquityLegend : public QWidget {
    Q_OBJECT
public:
    explicit EquityLegend(QWidget* parent = nullptr);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace korvana::ui
