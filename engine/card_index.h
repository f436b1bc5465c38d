#pragma once
// A card as a number 0..51 and a set of cards as 52 bits, for tables and for
// dealing. The numbers follow the picker: 2c..Ac, 2d..Ad, 2h..Ah, 2s..As.
#include <cstdint>

#include "card.h"

namespace korvana {

inline constexpr int kDeckSize = 52;

inline constexpr int cardIndex(Card card) {
    return (card.suit - 1) * 13 + (card.rank - 2);
}
inline constexpr Card cardAt(int index) {
    return {index % 13 + 2, index / 13 + 1};
}

// Bit n stands for the card with index n.
using CardMask = std::uint64_t;
inline constexpr CardMask cardBit(int index) {
    return CardMask{1} << index;
}
inline constexpr CardMask cardBit(Card card) {
    return cardBit(cardIndex(card));
}

}  // namespace korvana
