#pragma once
// Heads-up before the flop with no card seen but the hero's: every deal
// counted at once from the table of match-ups (match_ups.h) instead of
// dealing the boards.
#include <array>
#include <cstdint>
#include <span>

#include "engine/cards/pocket_cards.h"
#include "engine/equity/equity_tally.h"

namespace korvana {

// A hand the opponent may hold and how many times its deals count: 1 in a
// plain range; a weighted range gives each hand its own.
struct WeightedHand {
    PocketCards hand;
    std::uint64_t weight = 1;
};

// Every deal of the hero's hand against the opponent's hands, none of which
// shares a card with the hero's or repeats: the same figures as dealing them
// all, the hero as player 0, but for the hero's final categories, which the
// table does not hold (heroFinal stays empty). Some microseconds: a range
// against a range is this summed over the hero's hands.
EquityTally countHeadsUpPreflop(PocketCards hero, std::span<const WeightedHand> opponent);

// The hero's final categories of those deals, in list order, as dealing
// counts them (heroFinal): a walk over the hero's boards, some milliseconds.
std::array<std::uint64_t, 10> heroFinalCategories(PocketCards hero,
                                                  std::span<const WeightedHand> opponent);

}  // namespace korvana
