#pragma once
// A set of cards as 52 bits, for tables and for dealing; bit n is the card
// with cardIndex n.
#include <cstdint>
#include <span>

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
// The set of the cards: the one way the hero's, the board's and the dead
// cards become the cards no hand can hold.
inline constexpr CardMask maskOf(std::span<const Card> cards) {
    CardMask mask = 0;
    for (const Card card : cards) mask |= cardBit(card);
    return mask;
}

}  // namespace korvana
