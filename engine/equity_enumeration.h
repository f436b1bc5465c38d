#pragma once
// Every deal of a spot, in parts that threads share out: a part is the boards
// that start with given cards, and when there are few boards, also a slice of
// the first varying opponent's hands.
#include <array>
#include <atomic>
#include <cstddef>
#include <vector>

#include "board_ranks.h"
#include "deal_plan.h"
#include "equity_tally.h"

namespace korvana {

struct EnumerationPart {
    std::array<int, 2> leading{};  // positions in the plan's deck of the first board cards to come
    int leadingCount = 0;
    size_t firstHand = 0, endHand = 0;  // the slice of the first varying opponent's hands
};

// Parts in an order that spreads each stretch of them over the whole deck,
// so that a stopped enumeration has counted boards of every kind.
std::vector<EnumerationPart> enumerationParts(const DealPlan& plan, int threads);

// The deals of one part. Stops early, with what it has, once 'stop' is set.
EquityTally enumeratePart(const DealPlan& plan, const EnumerationPart& part, BoardRanks& ranks,
                          const std::atomic<bool>& stop);

}  // namespace korvana
