#pragma once
// An independent statement of when each category is made by a set of cards,
// written from the rules of poker rather than from the row routines.
#include <algorithm>
#include <array>
#include <vector>

#include "card.h"

namespace korvana::test {

// made[c] for category values 1..10: whether the cards contain that hand.
inline std::array<bool, 11> madeCategories(const std::vector<Card>& cards) {
    std::array<bool, 11> made{};
    bool has[15][5] = {};
    int perRank[15] = {}, perSuit[5] = {};
    for (const auto& c : cards) {
        has[c.rank][c.suit] = true;
        ++perRank[c.rank];
        ++perSuit[c.suit];
        if (c.rank == 14) has[1][c.suit] = true;  // the ace also plays low
    }
    const auto anyOfRank = [&](int r) { return has[r][1] || has[r][2] || has[r][3] || has[r][4]; };
    std::vector<int> groups;
    for (int r = 2; r <= 14; ++r)
        if (perRank[r]) groups.push_back(perRank[r]);
    std::sort(groups.rbegin(), groups.rend());
    made[1] = !cards.empty();
    made[2] = !groups.empty() && groups[0] >= 2;
    made[3] = groups.size() >= 2 && groups[0] >= 2 && groups[1] >= 2;
    made[4] = !groups.empty() && groups[0] >= 3;
    made[7] = groups.size() >= 2 && groups[0] >= 3 && groups[1] >= 2;
    made[8] = !groups.empty() && groups[0] >= 4;
    made[6] = *std::max_element(perSuit + 1, perSuit + 5) >= 5;
    for (int low = 1; low <= 10; ++low) {
        bool run = true;
        for (int r = low; r < low + 5; ++r) run = run && anyOfRank(r);
        made[5] = made[5] || run;
        for (int s = 1; s <= 4; ++s) {
            bool suited = true;
            for (int r = low; r < low + 5; ++r) suited = suited && has[r][s];
            made[9] = made[9] || suited;
            if (low == 10) made[10] = made[10] || suited;
        }
    }
    return made;
}

}  // namespace korvana::test
