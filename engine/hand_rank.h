#pragma once
// The strength of a best five-card hand as one number: a higher number beats a
// lower one, equal numbers split the pot. Suits never break a tie.
#include <compare>
#include <cstdint>

#include "category.h"

namespace korvana {

// How many different strengths five cards can have, from 7-5-4-3-2 to the royal flush.
inline constexpr int kHandStrengths = 7462;

struct HandRank {
    // 1 (7-5-4-3-2 of mixed suits) .. kHandStrengths (royal flush).
    std::uint16_t value = 0;

    friend auto operator<=>(HandRank, HandRank) = default;
    // The category of the best five cards; the top straight flush is the royal flush.
    Category category() const;
};

}  // namespace korvana
