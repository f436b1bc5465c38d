#pragma once
// The exact chance that the cards at the target round contain each hand, and
// the outs: counted over every way the missing cards can fall, never sampled.
#include <array>
#include <cstdint>
#include <span>
#include <vector>

#include "engine/cards/card.h"
#include "engine/cards/category.h"

namespace korvana {

// How many completions of the counted cards contain a hand, out of all of them.
// A completion is one choice of the target - counted missing cards among the
// cards not counted; every completion is equally likely.
struct ExactChance {
    std::uint64_t hits = 0;
    std::uint64_t completions = 0;
    double probability = 0.0;  // hits / completions
};

struct CategoryChance {
    ExactChance chance;
    // The cards that, added as the next card, make the counted cards contain the
    // hand, in card index order (2c..Ac, 2d..Ad, 2h..Ah, 2s..As). Empty when the hand
    // is already contained or no card is to come.
    std::vector<Card> outs;
};

struct ExactChances {
    std::array<CategoryChance, 10> rows;  // list order, Royal Flush first
    const CategoryChance& of(Category category) const {
        return rows[static_cast<size_t>(listIndex(category))];
    }
};

// counted: 0..target distinct valid cards; target: 5, 6 or 7.
// Throws std::invalid_argument for anything else.
ExactChances exactChances(std::span<const Card> counted, int target);

}  // namespace korvana
