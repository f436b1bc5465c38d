#pragma once
// One row of the odds list as a value: what the analysis found for one category.
#include <optional>
#include <vector>

#include "engine/cards/category.h"

namespace korvana {

enum class RowState { Impossible, Possible, Complete };

struct OddsRow {
    Category category = Category::HighCard;
    RowState state = RowState::Impossible;
    // Ranks 2..14 of the held cards, in the order the row names them; empty when impossible.
    std::vector<int> heldRanks;
    // Tries per success (the x of "1:x"), only when possible.
    std::optional<double> odds;

    friend bool operator==(const OddsRow&, const OddsRow&) = default;
};

}  // namespace korvana
