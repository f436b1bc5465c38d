#pragma once
// The two cards one player holds.
#include <compare>

#include "engine/cards/card.h"
#include "engine/cards/card_index.h"

namespace korvana {

// How many different pairs of cards a player can hold: 52 x 51 / 2.
inline constexpr int kPocketCardPairs = 1326;

struct PocketCards {
    int low = 0, high = 1;  // card indices, low < high

    static PocketCards of(Card a, Card b) {
        const int x = cardIndex(a), y = cardIndex(b);
        return x < y ? PocketCards{x, y} : PocketCards{y, x};
    }
    CardMask mask() const { return cardBit(low) | cardBit(high); }
    // A number 0..kPocketCardPairs - 1 of its own for each pair of cards.
    int number() const { return high * (high - 1) / 2 + low; }

    friend auto operator<=>(const PocketCards&, const PocketCards&) = default;
};

}  // namespace korvana
