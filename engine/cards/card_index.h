#pragma once
// A set of cards as 52 bits, for tables and for dealing; bit n is the card
// with cardIndex n.
#include <cstdint>

#include "engine/cards/card.h"

namespace korvana {

inline constexpr int kDeckSize = 52;

// Bit n stands for the card with index n.
using CardMask = std::uint64_t;
inline constexpr CardMask cardBit(int index) {
    return CardMask{1} << index;
}
inline constexpr CardMask cardBit(Card card) {
    return cardBit(cardIndex(card));
}

}  // namespace korvana
