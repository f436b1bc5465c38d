#pragma once
// "15%", "top 15%", "2.5%" in a range: the strongest starting hands, in the
// strength order, that together come nearest that share of the 1 326
// combinations of two cards (whole starting hands, at least one).
#include <optional>
#include <string_view>
#include <variant>
#include <vector>

#include "engine/cards/pocket_cards.h"
#include "engine/ranges/range_error.h"
#include "engine/ranges/starting_hand.h"

namespace korvana {

// The strongest starting hands nearest 'percent' (0 < percent <= 100) of all
// combinations; ties between two counts go to the smaller.
std::vector<StartingHand> topStartingHands(double percent);

// Nullopt when the piece is not written as a share; otherwise its hands, or
// ShareOutOfRange for 0% or more than 100%.
std::optional<std::variant<std::vector<PocketCards>, RangeError::Problem>> readTopShare(
    std::string_view piece);

}  // namespace korvana
