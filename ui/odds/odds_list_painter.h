#pragma once
// How one odds row is painted: the fill colour comes from the row's state,
// the text colour from the font-colour slider, both in the palette of lights
// the player chose.
#include <QString>

#include "engine/rows/odds_row.h"
#include "ui/odds/light_palette.h"

class QPainter;
class QRect;

namespace korvana::ui {

// Fills the row's rectangle and draws the whole row, blanks included, from the
// rectangle's top-left corner without margin. High-contrast rows also show the
// state's symbol in a square of row height at the right end.
void paintOddsRow(QPainter& painter, const QRect& rect, const QString& row, LightPalette palette,
                  RowState state, int sliderPosition);

}  // namespace korvana::ui
