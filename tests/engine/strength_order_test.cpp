// The written strength order of the starting hands against a fresh count, so
// that the table and the program that wrote it cannot drift apart.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "engine/ranges/strength_order.h"

#include "engine/equity/strength_count.h"

namespace korvana {
namespace {

TEST(StrengthOrder, EveryStartingHandOnceStrongestFirst) {
    const auto& order = startingHandsByStrength();
    std::set<std::string> names;
    int combinations = 0;
    for (size_t i = 0; i < order.size(); ++i) {
        names.insert(order[i].hand.name());
        combinations += order[i].hand.combinations();
        if (i == 0) continue;
        const auto& before = order[i - 1];
        SCOPED_TRACE(order[i].hand.name());
        EXPECT_GE(before.equityPoints, order[i].equityPoints);
        if (before.equityPoints == order[i].equityPoints) {
            EXPECT_TRUE(breaksTieBefore(before.hand, order[i].hand));
        }
    }
    EXPECT_EQ(names.size(), 169u);
    EXPECT_EQ(combinations, kPocketCardPairs);
}

TEST(StrengthOrder, EntriesRecountedExactly) {
    const auto& order = startingHandsByStrength();
#ifdef KORVANA_SANITIZE
    const size_t entries[] = {0};
#else
    const size_t entries[] = {0, 84, 168};
#endif
    for (const size_t i : entries) {
        SCOPED_TRACE(order[i].hand.name());
        EXPECT_EQ(countEquityPoints(order[i].hand, 2), order[i].equityPoints);
    }
}

}  // namespace
}  // namespace korvana
