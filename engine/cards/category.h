#pragma once
// The ten hand categories. The values rank them, High card lowest, so the best
// category reached is a plain maximum.
#include <array>
#include <cstddef>

namespace korvana {

enum class Category {
    HighCard,
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
    switch (category) {
        case Category::RoyalFlush: return 0;
        case Category::StraightFlush: return 1;
        case Category::FourOfAKind: return 2;
        case Category::FullHouse: return 3;
        case Category::Flush: return 4;
        case Category::Straight: return 5;
        case Category::ThreeOfAKind: return 6;
        case Category::TwoPairs: return 7;
        case Category::Pair: return 8;
        case Category::HighCard: break;
    }
    return 9;
}
static_assert([] {
    for (std::size_t i = 0; i < kCategoriesInListOrder.size(); ++i)
        if (listIndex(kCategoriesInListOrder[i]) != static_cast<int>(i)) return false;
    return true;
}());

}  // namespace korvana
