#pragma once
// The 169 starting hands players name without suits: pairs ("QQ"), suited
// ("AKs") and offsuit ("AKo") pairs of ranks, each standing for its 6, 4 or
// 12 combinations of two cards.
#include <string>
#include <vector>

#include "engine/cards/pocket_cards.h"

namespace korvana {

inline constexpr int kStartingHands = 169;

struct StartingHand {
    enum class Suits { Pair, Suited, Offsuit };
    int high = 14, low = 14;  // rank values 2..14, high >= low (equal for a pair)
    Suits suits = Suits::Pair;

    // 6 for a pair, 4 suited, 12 offsuit.
    int combinations() const;
    // "QQ", "AKs", "AKo".
    std::string name() const;
    // Every pair of cards it stands for.
    std::vector<PocketCards> hands() const;

    friend bool operator==(const StartingHand&, const StartingHand&) = default;
};

// The starting hand a pair of cards belongs to.
StartingHand startingHandOf(PocketCards hand);

}  // namespace korvana
