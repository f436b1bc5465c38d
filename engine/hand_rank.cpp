#include "hand_rank.h"

#include <array>
#include <utility>

namespace korvana {
namespace {

// The number of different five-card strengths in each category, weakest first.
// Within a category the strengths are numbered together, so these counts are
// where one category's numbers end and the next one's begin.
constexpr std::array<std::pair<Category, int>, 10> kStrengthsPerCategory = {{
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

}  // namespace

Category HandRank::category() const {
    int highest = 0;
    for (const auto& [category, strengths] : kStrengthsPerCategory) {
        highest += strengths;
        if (value <= highest) return category;
    }
    return Category::RoyalFlush;
}

}  // namespace korvana
