#pragma once
// Small head-dress emblems that set the three court cards apart at a glance:
// a pointed crown for the king, a coronet of arches for the queen, a plumed cap for the jack.
#include <QPainterPath>

namespace korvana::artwork {

// The emblem of rank 'J', 'Q' or 'K' filling box; empty for any other rank.
QPainterPath courtEmblem(char rank, const QRectF& box);

}  // namespace korvana::artwork
