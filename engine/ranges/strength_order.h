#pragma once
// Korvana's order of the 169 starting hands, strongest first: by each hand's
// exact equity against one random hand with an empty board, counted over every
// deal. Hands of equal equity go pairs first, then suited, then offsuit, and
// within each the higher ranks first. The table is written by the program in
// tools/hand_order and kept as a source file; a test recounts some entries.
#include <array>
#include <cstdint>

#include "engine/ranges/starting_hand.h"

namespace korvana {

struct RankedStartingHand {
    StartingHand hand;
    // Twice the deals won plus the deals tied, of one combination of the hand
    // against one random hand: the equity is this over twice the deals,
    // kDealsAgainstOneRandomHand.
    std::uint64_t equityPoints = 0;
};

// 1 225 opponent hands times 1 712 304 boards.
inline constexpr std::uint64_t kDealsAgainstOneRandomHand = 1225ULL * 1712304ULL;

// Strongest first.
const std::array<RankedStartingHand, kStartingHands>& startingHandsByStrength();

}  // namespace korvana
