#include <gtest/gtest.h>

#include <random>
#include <set>

#include "engine/rows/analysis.h"
#include "engine/rows/row_text.h"
#include "tests/engine/hand_builder.h"
#include "tests/engine/poker_reference.h"

namespace korvana {
namespace {

using test::handOf;

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
        {"sixth card from the flop goes two steps", "2c 3d 4h 5s 7c 9d", Round::Flop, Round::River,
         6},
        {"back below five cards", "2c 3d 4h", Round::River, Round::Flop, 3},
        {"cards only in slots 4 to 7", "- - - 4h 5s 7c 9d", Round::River, Round::Flop, 2},
        {"five of seven at the river, four of six", "2c 3d 4h 5s - - 9d", Round::River, Round::Flop,
         4},
        {"turn card left out at the flop comes in", "2c 3d 4h 5s - 8c", Round::Flop, Round::Flop,
         4},
        {"seven cards", "2c 3d 4h 5s 7c 9d Jh", Round::Flop, Round::River, 7},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto pass = analyse(handOf(c.cards), c.shown, true, std::nullopt);
        EXPECT_EQ(pass.round, c.expected);
        EXPECT_EQ(static_cast<int>(pass.countedCards.size()), c.known);
        // The rows belong to the final state: the same as a pass without auto-switch at that round.
        const auto direct = analyse(handOf(c.cards), c.expected, false, std::nullopt);
        EXPECT_EQ(pass.rows, direct.rows);
        EXPECT_EQ(pass.best, direct.best);
    }
}

TEST(AnalysisPass, WithoutAutoSwitchTheRoundStays) {
    const auto pass = analyse(handOf("2c 3d 4h 5s 7c 9d Jh"), Round::Flop, false, std::nullopt);
    EXPECT_EQ(pass.round, Round::Flop);
    EXPECT_EQ(pass.countedCards, handOf("2c 3d 4h 5s 7c").cardsUpTo(kSlotCount));
}

TEST(AnalysisPass, BestCategoryIsNeverLowered) {
    using enum Category;
    struct Step {
        const char* cards;
        std::optional<Category> best;
        const char* panel;
    };
    const Step steps[] = {
        {"", std::nullopt, "Best hand: "},
        {"7c", HighCard, "Best hand: High card"},
        {"Kc Kd", Pair, "Best hand: Pair"},
        {"4c 5d 6h 7s 8c", Straight, "Best hand: Straight"},
        {"", Straight, "Best hand: Straight"},  // a fold keeps it
        {"Kc Kd Kh 5c 5d", FullHouse, "Best hand: Full house"},
        {"Ac Ad Kc Kd", FullHouse, "Best hand: Full house"},  // a lower complete row leaves it
        {"7c 7d 7h 7s", FourOfAKind, "Best hand: Four of a kind"},
        {"9d Td Jd Qd Kd", StraightFlush, "Best hand: Straight Flash"},
        {"Td Jd Qd Kd Ad", RoyalFlush, "Best hand: Royal Flash"},
    };
    std::optional<Category> best;
    for (const auto& s : steps) {
        SCOPED_TRACE(s.cards);
        best = analyse(handOf(s.cards), Round::River, false, best).best;
        EXPECT_EQ(best, s.best);
        EXPECT_EQ(bestHandText(Language::English, best), s.panel);
    }
    EXPECT_EQ(bestHandText(Language::Russian, Pair), "Лучшая рука: Пара");
    EXPECT_EQ(bestHandText(Language::Russian, std::nullopt), "Лучшая рука: ");
}

// Random hands against the poker rules: a row is complete exactly when the
// cards make its category, never possible when nothing more can come, and its
// text and odds agree with its state.
TEST(AnalysisPass, RowStatesAgreeWithThePokerRules) {
    std::mt19937 random(52);
    std::vector<Card> deck;
    for (int index = 0; index < kCardCount; ++index) deck.push_back(cardAt(index));
    for (int round = 0; round < 20000; ++round) {
        std::shuffle(deck.begin(), deck.end(), random);
        const int count = static_cast<int>(random() % 8);
        const int target = 5 + static_cast<int>(random() % 3);
        Hand hand;
        std::vector<Card> counted;
        for (int n = 0; n < count; ++n) {
            hand.place(n + 1, deck[static_cast<size_t>(n)]);
            if (n < target) counted.push_back(deck[static_cast<size_t>(n)]);
        }
        const auto pass = analyse(hand, roundOfTarget(target), false, std::nullopt);
        const auto made = test::madeCategories(counted);
        const bool nothingToCome = static_cast<int>(pass.countedCards.size()) == target;
        const auto texts = rowTexts(pass, Language::English, ".");
        std::optional<Category> highestMade;
        for (size_t row = 0; row < pass.rows.size(); ++row) {
            const OddsRow& r = pass.rows[row];
            const std::string& text = texts[row];
            SCOPED_TRACE("row \"" + text + "\" of " + std::to_string(count) + " cards, target " +
                         std::to_string(target));
            ASSERT_EQ(r.category, kCategoriesInListOrder[row]);
            ASSERT_EQ(r.state == RowState::Complete, made.has(r.category));
            if (nothingToCome) {
                ASSERT_NE(r.state, RowState::Possible);
            }
            ASSERT_EQ(r.state == RowState::Possible, r.odds.has_value());
            ASSERT_EQ(r.state == RowState::Possible, text.find(" - 1:") != std::string::npos);
            if (r.odds) {
                ASSERT_GE(*r.odds, 1.0);
            }
            if (made.has(r.category) && !highestMade) highestMade = r.category;
        }
        ASSERT_EQ(pass.best, highestMade);
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
    for (int sample = 0; sample < 30000; ++sample) {
        std::shuffle(deck.begin(), deck.end(), random);
        Hand hand;
        const size_t count = random() % 8;
        for (size_t n = 0; n < count; ++n)
            hand.place(static_cast<int>(n) + 1, *parseCardCode(deck[n]));
        const auto pass = analyse(hand, kRounds[random() % 3], false, std::nullopt);
        for (const auto& row : rowTexts(pass, Language::English, "."))
            for (const char ch : row)
                digest = (digest ^ static_cast<unsigned char>(ch)) * 1099511628211ull;
    }
    EXPECT_EQ(digest, 13612937335486597924ull);
}

}  // namespace
}  // namespace korvana
