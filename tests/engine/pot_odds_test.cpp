#include "pot_odds.h"

#include <gtest/gtest.h>

namespace korvana {
namespace {

TEST(PotOdds, NeededEquityAndVerdict) {
    const struct {
        double pot, call;
        std::optional<double> needed;
    } rows[] = {
        {100, 20, 20.0 / 120},  // a sixth
        {200, 100, 1.0 / 3},    // a pot-sized bet to call: a third
        {0, 50, 1.0},           // nothing to win but the call back
        {100, 0, std::nullopt}, {-5, 10, std::nullopt},
    };
    for (const auto& row : rows) {
        const auto needed = neededEquity({row.pot, row.call});
        ASSERT_EQ(needed.has_value(), row.needed.has_value()) << row.pot << " " << row.call;
        if (needed) {
            EXPECT_DOUBLE_EQ(*needed, *row.needed);
        }
    }
    EXPECT_TRUE(callPays(0.25, 0.25));
    EXPECT_TRUE(callPays(0.4621, 1.0 / 6));
    EXPECT_FALSE(callPays(0.16, 1.0 / 6));
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
    };
    for (const auto& [text, value] : rows) EXPECT_EQ(readChips(text), value) << text;
}

}  // namespace
}  // namespace korvana
