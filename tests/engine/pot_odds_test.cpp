#include "engine/table/pot_odds.h"

#include <gtest/gtest.h>

namespace korvana {
namespace {

// The prices themselves are pinned where they are shown; here what has none.
TEST(PotOdds, NoCallNoPrice) {
    EXPECT_EQ(neededEquity({100, 0}), std::nullopt);
    EXPECT_EQ(neededEquity({-5, 10}), std::nullopt);
    EXPECT_EQ(neededEquity({0, 50}), 1.0);  // nothing to win but the call back
    EXPECT_TRUE(callPays(0.25, 0.25));      // breaking even is no loss
}

TEST(PotOdds, ChipsAsTyped) {
    const std::pair<const char*, std::optional<double>> rows[] = {
        {"150", 150},
        {" 2.5 ", 2.5},
        {"2,5", 2.5},
        {".5", 0.5},
        {"0", 0},
        {"", std::nullopt},
        {"-3", std::nullopt},
        {"1e3", std::nullopt},
        {"1.2.3", std::nullopt},
        {"inf", std::nullopt},
        {".", std::nullopt},
        {"12 000", std::nullopt},
        {"1,000", std::nullopt},  // a thousand, or one?
        {"1234,567", 1234.567},   // not thousands
        {"1,5000", 1.5},
    };
    for (const auto& [text, value] : rows) EXPECT_EQ(readChips(text), value) << text;
}

}  // namespace
}  // namespace korvana
