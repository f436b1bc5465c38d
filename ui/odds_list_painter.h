#pragma once
// How one odds row is painted: the fill colour comes from the row's state,
// the text colour from the font-colour slider, both in the palette of lights
// the player chose.
#include <QColor>
#include <QString>

#include "light_palette.h"
#include "odds_row.h"

class QPainter;
class QRect;

namespace korvana::ui {

inline const QColor kImpossibleFill(255, 0, 0);  // red
inline const QColor kPossibleFill(230, 230, 0);  // yellow
inline const QColor kCompleteFill(0, 128, 0);    // green

// Fill of a row: impossible red, possible yellow, complete green.
QColor rowFill(RowState state);

// Grey level of the row text for a font-colour slider position 0..25:
// 10 x position + 5, from almost black (5) to white (255).
QColor rowTextColour(int sliderPosition);

// Fills the row's rectangle and draws the whole row, blanks included, from the
// rectangle's top-left corner without margin. High-contrast rows also show the
// state's symbol in a square of row height at the right end.
void paintOddsRow(QPainter& painter, const QRect& rect, const QString& row, LightPalette palette,
                  RowState state, int sliderPosition);

}  // namespace korvana::ui
