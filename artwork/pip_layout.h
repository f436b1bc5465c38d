#pragma once
// Where the suit symbols sit in the middle of a number card.
#include <QPointF>
#include <vector>

namespace korvana::artwork {

// Pip centres for 2..10 pips in a unit field: x 0 (left column) .. 1 (right column),
// y 0 (top row) .. 1 (bottom row). Pips below the middle are drawn upside down,
// as on a real card. Other counts give no positions.
std::vector<QPointF> pipPositions(int count);

}  // namespace korvana::artwork
