#pragma once
// The equity of a hero who holds a range instead of two known cards: each of
// his hands counted as a spot of its own, against the opponents' hands that
// it leaves, and the spots put together in proportion to the weight of their
// deals (his hand's weight times the weight of every deal it allows), so that
// card removal is exact: the answer is the weighted average over every pair
// of his hand and a deal. Counted whole, each spot is counted whole; sampled,
// each spot gets its share of the sample, the time and the precision.
#include <functional>
#include <variant>

#include "engine/equity/equity_count.h"

namespace korvana {

// The count of a spot whose hero holds two cards (computeEquity's, given by
// it, which in turn hands spots with a range here).
using SpotCount = std::function<std::variant<EquityResult, EquityError>(
    const EquitySpot&, const EquityOptions&, EquityControl*)>;

// For a spot with a heroRange; its hero cards are not read.
std::variant<EquityResult, EquityError> computeRangeEquity(const EquitySpot& spot,
                                                           const EquityOptions& options,
                                                           EquityControl* control,
                                                           const SpotCount& countSpot);

}  // namespace korvana
