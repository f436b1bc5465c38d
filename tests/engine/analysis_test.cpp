#include <gtest/gtest.h>

#include <random>
#include <set>

#include "analysis.h"
#include "hand_builder.h"
#include "odds_row.h"
#include "poker_reference.h"

namespace korvana {
namespace {

using test::slotsOf;

struct AutoSwitchCase {
    const char* name;
    const char* cards;
    Round shown;     // the round the selector shows before the pass
    Round expected;  // the round after it
    int known;       // cards the final rows are computed from
};

TEST(AnalysisPass, AutoSwitchSettlesOnTheRoundOfTheKnownCards) {
    const AutoSwitchCase cases[] = {
        {"fifth card moves flop to turn", "2c 3d 4h 5s 7c", Round::Flop, Round::Turn, 5},
        {"sixth card moves turn to river", "2c 3d 4h 5s 7c 9d", Round::Turn, Round::River, 6},
        {"sixth card from the flop goes two steps", "2c 3d 4h 5s 7c 9d", Round::Flop, Round::River, 6},
        {"back below five cards", "2c 3d 4h", Round::River, Round::Flop, 3},
        {"cards only in slots 4 to 7", "- - - 4h 5s 7c 9d", Round::River, Round::Flop, 2},
        {"five of seven at the river, four of six", "2c 3d 4h 5s - - 9d", Round::River, Round::Flop, 4},
        {"turn card left out at the flop comes in", "2c 3d 4h 5s - 8c", Round::Flop, Round::Flop, 4},
        {"seven cards", "2c 3d 4h 5s 7c 9d Jh", Round::Flop, Round::River, 7},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        int best = 0;
        const auto pass = handrate(slotsOf(c.cards), c.shown, {true, Language::English, "."}, best);
        EXPECT_EQ(pass.round, c.expected);
        EXPECT_EQ(pass.knownCards, c.known);
        // The rows belong to the final state: the same as a pass without auto-switch at that round.
        int bestWithout = 0;
        const auto direct = handrate(slotsOf(c.cards), c.expected, {false, Language::English, "."}, bestWithout);
        EXPECT_EQ(pass.rows, direct.rows);
        EXPECT_EQ(best, bestWithout);
    }
}

TEST(AnalysisPass, WithoutAutoSwitchTheRoundStays) {
    int best = 0;
    const auto pass = handrate(slotsOf("2c 3d 4h 5s 7c 9d Jh"), Round::Flop, {}, best);
    EXPECT_EQ(pass.round, Round::Flop);
    EXPECT_EQ(pass.knownCards, 5);
    EXPECT_EQ(pass.handString, "2c 3d 4h 5s 7c ");
}

TEST(AnalysisPass, BestCategoryIsNeverLowered) {
    struct Step { const char* cards; int best; const char* panel; };
    const Step steps[] = {
        {"", 0, "Best hand: "},
        {"7c", 1, "Best hand: High card"},
        {"Kc Kd", 2, "Best hand: Pair"},
        {"4c 5d 6h 7s 8c", 5, "Best hand: Straight"},
        {"", 5, "Best hand: Straight"},          // a fold keeps it
        {"Kc Kd Kh 5c 5d", 7, "Best hand: Full house"},
        {"Ac Ad Kc Kd", 7, "Best hand: Full house"},  // a lower complete row leaves it
        {"7c 7d 7h 7s", 8, "Best hand: Four of a kind"},
        {"9d Td Jd Qd Kd", 9, "Best hand: Straight Flash"},
        {"Td Jd Qd Kd Ad", 10, "Best hand: Royal Flash"},
    };
    int best = 0;
    for (const auto& s : steps) {
        SCOPED_TRACE(s.cards);
        handrate(slotsOf(s.cards), Round::River, {}, best);
        EXPECT_EQ(best, s.best);
        EXPECT_EQ(besthand(Language::English, best), s.panel);
    }
    EXPECT_EQ(besthand(Language::Russian, 2), "Лучшая рука: Пара");
    EXPECT_EQ(besthand(Language::Russian, 0), "Лучшая рука: ");
}

// Random hands against the poker rules: a row is complete exactly when the
// cards make its category, impossible when nothing more can come, and its
// light marker agrees with its state.
TEST(AnalysisPass, RowStatesAgreeWithThePokerRules) {
    std::mt19937 random(52);
    std::vector<Card> deck;
    for (int suit = 1; suit <= 4; ++suit)
        for (int rank = 2; rank <= 14; ++rank) deck.push_back({rank, suit});
    for (int hand = 0; hand < 20000; ++hand) {
        std::shuffle(deck.begin(), deck.end(), random);
        const int count = static_cast<int>(random() % 8);
        const int target = 5 + static_cast<int>(random() % 3);
        CardSlots slots;
        std::vector<Card> counted;
        for (int n = 0; n < count; ++n) {
            slots[static_cast<size_t>(n)] = cardCode(deck[static_cast<size_t>(n)]);
            if (n < target) counted.push_back(deck[static_cast<size_t>(n)]);
        }
        int best = 0;
        const auto pass = handrate(slots, roundOfTarget(target), {}, best);
        const auto made = test::madeCategories(counted);
        const bool nothingToCome = pass.knownCards == target;
        int highestMade = 0;
        for (int row = 0; row < kCategoryCount; ++row) {
            const int category = kCategoryCount - row;
            const std::string& text = pass.rows[static_cast<size_t>(row)];
            const Light light = lightOf(text);
            SCOPED_TRACE(pass.handString + "| row \"" + text + "\" target " + std::to_string(target));
            ASSERT_EQ(light == Light::Green, made[static_cast<size_t>(category)]);
            if (nothingToCome) {
                ASSERT_NE(light, Light::Yellow);
            }
            ASSERT_EQ(light == Light::Yellow, text.find(" - 1:") != std::string::npos);
            if (light == Light::Yellow) {
                ASSERT_GE(std::stod(text.substr(text.find(" - 1:") + 5)), 1.0);
            }
            if (made[static_cast<size_t>(category)]) highestMade = std::max(highestMade, category);
        }
        ASSERT_EQ(best, highestMade);
    }
}

}  // namespace
}  // namespace korvana

namespace korvana {
namespace {

// Every row of a fixed sample of hands, folded into one number. Both kinds of
// extended arithmetic (x87 and the software float) must produce this same value:
// any odds that differ in a single digit anywhere in the sample change it.
TEST(AnalysisPass, SampleOfHandsGivesTheSameRowsOnEveryPlatform) {
    std::mt19937 random(1960);
    std::vector<std::string> deck(allCardCodes().begin(), allCardCodes().end());
    std::uint64_t digest = 1469598103934665603ull;
    for (int hand = 0; hand < 30000; ++hand) {
        std::shuffle(deck.begin(), deck.end(), random);
        CardSlots slots;
        const size_t count = random() % 8;
        for (size_t n = 0; n < count; ++n) slots[n] = deck[n];
        int best = 0;
        const auto pass = handrate(slots, static_cast<Round>(random() % 3), {}, best);
        for (const auto& row : pass.rows)
            for (const char ch : row) digest = (digest ^ static_cast<unsigned char>(ch)) * 1099511628211ull;
    }
    EXPECT_EQ(digest, 13612937335486597924ull);
}

}  // namespace
}  // namespace korvana
