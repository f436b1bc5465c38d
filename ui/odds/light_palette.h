#pragma once
// The lights of the odds list in two palettes. Classic is the traffic light
// (red, yellow, green) with the text grey of the font-colour slider. High
// contrast is for players who cannot tell red from green and for poor
// screens:
// - fills on the blue-yellow axis, which protanopes and deuteranopes keep,
//   set apart in lightness as well: dark red for impossible, yellow for
//   possible, blue for complete;
// - a state symbol at the right end of each row, so the state never rests on
//   colour alone;
// - text that reaches a 4.5:1 contrast on its fill.
// The font-colour slider still works on top: its grey is kept wherever it is
// readable on the fill, and otherwise moved to the nearest grey that is, so
// the slider darkens or lightens the text within the readable range.
#include <QColor>
#include <QString>

#include "engine/rows/odds_row.h"

class QPainter;
class QRect;

namespace korvana::ui {

enum class LightPalette { Classic, HighContrast };

// Fill of a row in the palette.
QColor lightFill(LightPalette palette, RowState state);

// Black or white, whichever stands out more on the fill.
QColor readableTextOn(const QColor& fill);

// Text colour of a row for a font-colour slider position 0..25. Classic: the
// slider grey (10 x position + 5) as it is. High contrast: the slider grey if
// it reaches 4.5:1 on the fill, else the nearest grey that does.
QColor lightText(LightPalette palette, RowState state, int sliderPosition);

// Draws the state's shape (a tick, a half-filled circle, a cross) centred in
// rect, in the painter's pen colour; the painter's state is left as it was.
// The list puts it in a square of row height at the right end of the row.
void paintStateSymbol(QPainter& painter, const QRect& rect, RowState state);

}  // namespace korvana::ui
