#pragma once
// The big card pictures shown in the seven slots of the table.
#include "deck.h"

#include <QImage>
#include <QSize>

namespace korvana::artwork {

inline constexpr QSize kCardSize{86, 123};

// The window behind the slots; the rounded corners of the card show it.
inline constexpr QRgb kTableBackground = 0xffffffff;

// One card, opaque, kCardSize.
QImage paintCard(const CardArt& card);

// What an empty slot shows: a dashed place where a card will go, kCardSize.
QImage paintEmptySlot();

}  // namespace korvana::artwork
