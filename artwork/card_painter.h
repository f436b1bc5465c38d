#pragma once
// The big card pictures shown in the seven slots of the table.
#include "artwork/deck.h"

#include <QImage>
#include <QSize>

namespace korvana::artwork {

inline constexpr QSize kCardSize{86, 123};

// The window behind the slots; the rounded corners of the card show it.
inline constexpr QRgb kTableBackground = 0xffffffff;

// One card, opaque, kCardSize layout pixels drawn with pixelRatio device
// pixels to each of them (the image is kCardSize * pixelRatio).
QImage paintCard(const CardArt& card, int pixelRatio = 1);

// What an empty slot shows: a dashed place where a card will go, kCardSize
// at pixelRatio like paintCard.
QImage paintEmptySlot(int pixelRatio = 1);

}  // namespace korvana::artwork
