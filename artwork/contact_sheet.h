#pragma once
// Everything the tool draws on one picture, to judge the deck at a glance.
#include <QImage>

namespace korvana::artwork {

// The big cards suit by suit with the empty slot, then the picker faces in
// the same order, then the icon sizes, on a plain grey ground.
QImage paintContactSheet();

}  // namespace korvana::artwork
