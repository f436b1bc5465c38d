// The texts of the exact chances: rounding at the edges, the marker rule and
// what one row's explanation tells the player.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "engine/rows/exact_text.h"
#include "tests/engine/hand_builder.h"

namespace korvana {
namespace {

TEST(ExactText, PercentAndOneIn) {
    struct Case {
        double p;
        std::string_view separator;
        std::string percent, oneIn, russianOneIn;
    };
    const Case cases[] = {
        {0.0, ".", "0%", "", ""},
        {1.0 / 649740, ".", "<0.1%", "1 in 649740", "1 из 649740"},
        {0.000499, ".", "<0.1%", "1 in 2004", "1 из 2004"},
        {0.0005, ".", "0.1%", "1 in 2000", "1 из 2000"},
        {4.0 / 47, ".", "8.5%", "1 in 11.8", "1 из 11.8"},  // 11.75 goes up
        {4.0 / 47, ",", "8,5%", "1 in 11,8", "1 из 11,8"},
        {0.5, ".", "50.0%", "1 in 2", "1 из 2"},
        {0.9995, ".", ">99.9%", "1 in 1", "1 из 1"},
        {0.9994, ".", "99.9%", "1 in 1", "1 из 1"},
        {1.0, ".", "100%", "1 in 1", "1 из 1"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.p);
        EXPECT_EQ(percentText(c.p, c.separator), c.percent);
        EXPECT_EQ(oneInText(c.p, Language::English, c.separator), c.oneIn);
        EXPECT_EQ(oneInText(c.p, Language::Russian, c.separator), c.russianOneIn);
    }
}

TEST(ExactText, MarkerWhereTheFormulaIsOffByMoreThanHalfAgain) {
    struct Case {
        RowState state;
        std::optional<double> odds;
        double exact;
        bool marked;
    };
    const Case cases[] = {
        {RowState::Possible, 5.9, 4.0 / 47, true},    // gutshot counted twice: 2x
        {RowState::Possible, 124.4, 1 / 44.5, true},  // formula far too low
        {RowState::Possible, 10.0, 0.15, false},      // exactly 1.5x is not more
        {RowState::Possible, 10.0, 0.151, true},
        {RowState::Possible, 15.0, 0.1, false},  // 1.5x the other way
        {RowState::Possible, 15.1, 0.1, true},
        {RowState::Possible, 4.0, 0.25, false},
        {RowState::Possible, 19600.0, 0.0, true},  // odds for a hand that cannot come
        {RowState::Impossible, std::nullopt, 0.79, true},
        {RowState::Impossible, std::nullopt, 0.0, false},
        {RowState::Complete, std::nullopt, 1.0, false},
    };
    for (const auto& c : cases) {
        OddsRow row;
        row.state = c.state;
        row.odds = c.odds;
        EXPECT_EQ(formulaDisagrees(row, c.exact), c.marked)
            << c.odds.value_or(0) << " vs " << c.exact;
    }
}

TEST(ExactText, HeadingsAndCardNames) {
    EXPECT_EQ(exactHeading(Language::English, Round::Flop), "Exact chance by the flop");
    EXPECT_EQ(exactHeading(Language::English, Round::River), "Exact chance by the river");
    EXPECT_EQ(exactHeading(Language::Russian, Round::Turn), "Точный шанс к терну");
    EXPECT_EQ(cardName({11, Suit::Clubs}) + cardName({11, Suit::Diamonds}) +
                  cardName({11, Suit::Hearts}) + cardName({11, Suit::Spades}),
              "J♣J♦J♥J♠");
    EXPECT_EQ(cardName({10, Suit::Hearts}), "T♥");
}

using test::cardsOf;

// Whole explanations for a few rows the player meets.
TEST(ExactText, RowExplanation) {
    struct Case {
        std::string cards;
        Round round;
        Category category;
        Language language;
        std::string expected;
    };
    const Case cases[] = {
        {"As Kd Qc Ts 9h", Round::Turn, Category::Straight, Language::English,
         "1:5.9 in the list: the formula's odds, one success in 5.9 tries (17.0%).\n"
         "Exact chance by the turn: 8.5% (1 in 11.8).\n"
         "The formula and the exact chance differ by more than 1.5 times.\n"
         "Outs (4): J♣ J♦ J♥ J♠"},
        {"", Round::River, Category::Pair, Language::English,
         "In the list: the formula finds no way to this hand.\n"
         "Exact chance by the river: 79.0% (1 in 1.3).\n"
         "The formula and the exact chance differ by more than 1.5 times.\n"
         "No outs: no single next card makes this hand."},
        {"", Round::Flop, Category::HighCard, Language::Russian,
         "В списке: по формуле эта комбинация невозможна.\n"
         "Точный шанс к флопу: 100%.\n"
         "Формула расходится с точным шансом больше чем в 1.5 раза.\n"
         "Ауты: любая карта, которой нет на столе."},
        {"Kc Kd", Round::Flop, Category::Pair, Language::English,
         "In the list: the hand is complete.\nExact chance by the flop: 100%."},
        {"2c 7d 9h Js 4c", Round::Flop, Category::Flush, Language::English,
         "In the list: the formula finds no way to this hand.\nExact chance by the flop: 0%, this "
         "hand cannot come."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.cards);
        Hand hand;
        const auto cards = cardsOf(c.cards);
        for (size_t i = 0; i < cards.size(); ++i) hand.place(static_cast<int>(i) + 1, cards[i]);
        const Analysis analysis = analyse(hand, c.round, false, std::nullopt);
        const auto chances = exactChances(analysis.countedCards, targetOf(analysis.round));
        const int unseen = 52 - static_cast<int>(analysis.countedCards.size());
        EXPECT_EQ(rowExplanation(analysis.rows[static_cast<size_t>(listIndex(c.category))],
                                 chances.of(c.category), analysis.round, unseen, c.language),
                  c.expected);
    }
}

}  // namespace
}  // namespace korvana
