#pragma once
// An independent statement of when each category is made by a set of cards,
// written from the rules of poker rather than from the row routines.
#include <algorithm>
#include <array>
#include <vector>

#include "engine/cards/card.h"
#include "engine/rows/hand_contents.h"

namespace korvana::test {

// The hands the cards contain.
inline CategorySet madeCategories(const std::vector<Card>& cards) {
    CategorySet made;
    const auto madeIf = [&made](Category category, bool contained) {
        if (contained) made.add(category);
    };
    bool has[15][4] = {};
    int perRank[15] = {}, perSuit[4] = {};
    for (const auto& c : cards) {
        const size_t suit = suitIndex(c.suit);
        has[c.rank][suit] = true;
        ++perRank[c.rank];
        ++perSuit[suit];
        if (c.rank == 14) has[1][suit] = true;  // the ace also plays low
    }
    const auto anyOfRank = [&](int r) { return has[r][0] || has[r][1] || has[r][2] || has[r][3]; };
    std::vector<int> groups;
    for (int r = 2; r <= 14; ++r)
        if (perRank[r]) groups.push_back(perRank[r]);
    std::sort(groups.rbegin(), groups.rend());
    madeIf(Category::HighCard, !cards.empty());
    madeIf(Category::Pair, !groups.empty() && groups[0] >= 2);
    madeIf(Category::TwoPairs, groups.size() >= 2 && groups[0] >= 2 && groups[1] >= 2);
    madeIf(Category::ThreeOfAKind, !groups.empty() && groups[0] >= 3);
    madeIf(Category::FullHouse, groups.size() >= 2 && groups[0] >= 3 && groups[1] >= 2);
    madeIf(Category::FourOfAKind, !groups.empty() && groups[0] >= 4);
    madeIf(Category::Flush, *std::max_element(perSuit, perSuit + 4) >= 5);
    for (int low = 1; low <= 10; ++low) {
        bool run = true;
        for (int r = low; r < low + 5; ++r) run = run && anyOfRank(r);
        madeIf(Category::Straight, run);
        for (int s = 0; s < 4; ++s) {
            bool suited = true;
            for (int r = low; r < low + 5; ++r) suited = suited && has[r][s];
            madeIf(Category::StraightFlush, suited);
            madeIf(Category::RoyalFlush, low == 10 && suited);
        }
    }
    return made;
}

}  // namespace korvana::test
