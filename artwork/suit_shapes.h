#pragma once
// The four suit symbols as filled vector outlines, so they stay crisp at every size.
#include <QColor>
#include <QPainterPath>

namespace korvana::artwork {

// Outline of the suit ('c', 'd', 'h' or 's') inside the unit square, point up.
QPainterPath suitShape(char suit);

// The same outline scaled to fill box, centred in it.
QPainterPath suitShapeIn(char suit, const QRectF& box);

// Ink of a suit: red for hearts and diamonds, near-black for clubs and spades.
QColor suitColor(char suit);

}  // namespace korvana::artwork
