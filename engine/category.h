#pragma once
// The ten hand categories. The values rank them, High card lowest, so the best
// category reached is a plain maximum.
#include <array>

namespace korvana {

enum class Category {
    HighCard = 1,
    Pair,
    TwoPairs,
    ThreeOfAKind,
    Straight,
    Flush,
    FullHouse,
    FourOfAKind,
    StraightFlush,
    RoyalFlush,
};

// The odds list shows the categories best first.
inline constexpr std::array<Category, 10> kCategoriesInListOrder = {
    Category::RoyalFlush, Category::StraightFlush, Category::FourOfAKind,  Category::FullHouse,
    Category::Flush,      Category::Straight,      Category::ThreeOfAKind, Category::TwoPairs,
    Category::Pair,       Category::HighCard,
};

// Position of a category in the odds list, 0 for Royal Flush .. 9 for High card.
inline constexpr int listIndex(Category category) {
    return static_cast<int>(Category::RoyalFlush) - static_cast<int>(category);
}

}  // namespace korvana
