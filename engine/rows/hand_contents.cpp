#include "engine/rows/hand_contents.h"

#include <bit>

namespace korvana {

CategorySet containedCategories(const SuitMasks& cards) {
    constexpr unsigned kTenToAce = 0x1F00u;
    CategorySet made;
    unsigned anySuit = 0;
    for (const unsigned suited : cards) {
        anySuit |= suited;
        if (std::popcount(suited) >= 5) made.add(Category::Flush);
        if (hasFiveInARow(suited)) made.add(Category::StraightFlush);
        if ((suited & kTenToAce) == kTenToAce) made.add(Category::RoyalFlush);
    }
    if (anySuit != 0) made.add(Category::HighCard);
    if (hasFiveInARow(anySuit)) made.add(Category::Straight);

    int pairs = 0, trips = 0;  // ranks held at least twice, at least three times
    for (int bit = 0; bit < 13; ++bit) {
        int held = 0;
        for (const unsigned suited : cards) held += static_cast<int>((suited >> bit) & 1u);
        pairs += held >= 2;
        trips += held >= 3;
        if (held == 4) made.add(Category::FourOfAKind);
    }
    if (pairs >= 1) made.add(Category::Pair);
    if (pairs >= 2) made.add(Category::TwoPairs);
    if (trips >= 1) made.add(Category::ThreeOfAKind);
    if (trips >= 1 && pairs >= 2) made.add(Category::FullHouse);
    return made;
}

CategorySet containedCategories(std::span<const Card> cards) {
    SuitMasks masks{};
    for (const Card& card : cards) masks[suitIndex(card.suit)] |= rankBit(card.rank);
    return containedCategories(masks);
}

}  // namespace korvana
