#pragma once
// Counting one entry of the strength order now, for the program that writes
// the table and for the test that recounts it. Apart from the order itself,
// which the ranges read, because counting needs the equity count.
#include <cstdint>

#include "engine/ranges/starting_hand.h"

namespace korvana {

// The equity points of one hand (see RankedStartingHand), counted over every
// deal on 'threads' threads.
std::uint64_t countEquityPoints(const StartingHand& hand, int threads);

// Whether a comes before b among hands of equal equity.
bool breaksTieBefore(const StartingHand& a, const StartingHand& b);

}  // namespace korvana
