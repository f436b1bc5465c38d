#pragma once
// The hero's equity when each street is dealt, against every opponent still
// in: his shown cards when he showed them, otherwise the range the player gave
// him, or else the one his preflop line suggests (preflop_ranges.h).
#include <optional>
#include <vector>

#include "engine/equity/equity_count.h"
#include "history/preflop_ranges.h"

namespace korvana::history {

// Ranges the player chose, by player index; an empty slot (or a short list)
// leaves the table's.
using GivenRanges = std::vector<std::optional<HandRange>>;

// The spot of hand.streets[street] for the engine's equity count; nullopt
// when the hero's cards are unknown, he is no longer in, or nobody is left
// against him.
std::optional<EquitySpot> streetSpot(const PlayedHand& hand, std::size_t street,
                                     const PreflopRangeTable& table, const GivenRanges& given = {});

// The hero's equity (0..1) on each street dealt, counted with the options;
// nullopt where there is no spot or no deal.
std::vector<std::optional<double>> streetEquities(const PlayedHand& hand,
                                                  const PreflopRangeTable& table,
                                                  const EquityOptions& options,
                                                  const GivenRanges& given = {});

}  // namespace korvana::history
