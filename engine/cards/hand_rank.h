#pragma once
// The strength of a best five-card hand as one number: a higher number beats a
// lower one, equal numbers split the pot. Suits never break a tie.
#include <array>
#include <compare>
#include <cstddef>
#include <cstdint>
#include <utility>

#include "engine/cards/category.h"

namespace korvana {

// How many different strengths five cards can have, from 7-5-4-3-2 to the royal flush.
inline constexpr int kHandStrengths = 7462;

namespace hand_rank_detail {

// The number of different five-card strengths in each category, weakest first.
// Within a category the strengths are numbered together, so these counts are
// where one category's numbers end and the next one's begin.
inline constexpr std::array<std::pair<Category, int>, 10> kStrengthsPerCategory = {{
    {Category::HighCard, 1277},
    {Category::Pair, 2860},
    {Category::TwoPairs, 858},
    {Category::ThreeOfAKind, 858},
    {Category::Straight, 10},
    {Category::Flush, 1277},
    {Category::FullHouse, 156},
    {Category::FourOfAKind, 156},
    {Category::StraightFlush, 9},
    {Category::RoyalFlush, 1},
}};

// The category of every rank, by its value (0, no hand, reads High card).
inline constexpr std::array<Category, kHandStrengths + 1> kCategoryOf = [] {
    std::array<Category, kHandStrengths + 1> categories{};
    categories[0] = Category::HighCard;
    size_t value = 1;
    for (const auto& [category, strengths] : kStrengthsPerCategory)
        for (int n = 0; n < strengths; ++n) categories[value++] = category;
    return categories;
}();

}  // namespace hand_rank_detail

struct HandRank {
    // 1 (7-5-4-3-2 of mixed suits) .. kHandStrengths (royal flush).
    std::uint16_t value = 0;

    friend auto operator<=>(HandRank, HandRank) = default;
    // The category of the best five cards; the top straight flush is the royal flush.
    Category category() const { return hand_rank_detail::kCategoryOf[value]; }
};

}  // namespace korvana
