#pragma once
// The application icon: two aces fanned out, heart behind spade.
#include <QImage>
#include <array>

namespace korvana::artwork {

// The sizes a desktop picks from, in pixels.
inline constexpr std::array<int, 6> kIconSizes{16, 32, 48, 64, 128, 256};

// The icon at size x size pixels, transparent around the cards.
QImage paintIcon(int size);

}  // namespace korvana::artwork
