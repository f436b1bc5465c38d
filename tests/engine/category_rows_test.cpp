// The ten rows for hands whose texts are worked out by hand: every state, the
// tie-breaks, the half-tenth roundings and both languages.
#include <gtest/gtest.h>

#include <vector>

#include "engine/rows/analysis.h"
#include "engine/rows/row_text.h"
#include "tests/engine/hand_builder.h"

namespace korvana {
namespace {

using enum Category;

struct RowCase {
    const char* cards;
    int target;
    Category row;
    const char* text;
    Language language = Language::English;
};

std::string rowFor(const RowCase& c) {
    const auto analysis =
        analyse(test::handOf(c.cards), roundOfTarget(c.target), false, std::nullopt);
    return rowText(analysis.rows[static_cast<size_t>(listIndex(c.row))], c.language, ".");
}

const std::vector<RowCase> kSuitedDraws = {
    {"", 5, RoyalFlush, " Royal Flash impossible "},
    {"", 5, StraightFlush, " Straight Flash impossible "},
    {"", 5, Flush, " Flash impossible "},
    {"Kh Ah", 5, RoyalFlush, " K A - Royal Flash odds - 1:19600  "},
    {"Kh Ah", 6, RoyalFlush, " K A - Royal Flash odds - 1:4900  "},
    {"Kh Ah", 7, RoyalFlush, " K A - Royal Flash odds - 1:1960  "},
    {"Kh Ah", 5, StraightFlush, " K A - Straight Flash odds - 1:19600  "},
    {"Kh Ah", 5, Flush, " K A - Flash odds - 1:118.8  "},
    {"Kh Ah", 7, StraightFlush, " K A - Straight Flash odds - 1:1960  "},
    {"Kh Ah", 7, Flush, " K A - Flash odds - 1:11.9  "},
    {"5h 6h", 5, RoyalFlush, " Royal Flash impossible "},
    {"5h 6h", 5, StraightFlush, " 5 6 - Straight Flash odds - 1:4900  "},
    {"5h 6h", 5, Flush, " 5 6 - Flash odds - 1:118.8  "},
    {"5h 6h", 7, StraightFlush, " 5 6 - Straight Flash odds - 1:490  "},
    {"5h 6h", 7, Flush, " 5 6 - Flash odds - 1:11.9  "},
    {"Ah Kd", 7, RoyalFlush, " A - Royal Flash odds - 1:46060  "},
    {"Ah Kd", 7, StraightFlush, " A - Straight Flash odds - 1:11515  "},
    {"Ah Kd", 7, Flush, " A - Flash odds - 1:46.5  "},
    {"Th Jh Qh Kh 2c", 6, RoyalFlush, " T J Q K - Royal Flash odds - 1:47  "},
    {"Th Jh Qh Kh 2c", 6, StraightFlush, " T J Q K - Straight Flash odds - 1:23.5  "},
    {"Th Jh Qh Kh 2c", 6, Flush, " T J Q K - Flash odds - 1:5.2  "},
    {"Th Jh Qh Kh 2c", 7, RoyalFlush, " T J Q K - Royal Flash odds - 1:23.5  "},
    {"Th Jh Qh Kh 2c", 7, StraightFlush,
     " T J Q K - Straight Flash odds - 1:11.7  "},  // exactly 11.75
    {"Th Jh Qh Kh 2c", 7, Flush, " T J Q K - Flash odds - 1:2.6  "},
    {"Ah 2h 3h 4h 5h", 7, RoyalFlush, " Royal Flash impossible "},
    {"Ah 2h 3h 4h 5h", 7, StraightFlush, " A 2 3 4 5 - complete Straight Flash   "},
    {"Ah 2h 3h 4h 5h", 7, Flush, " 2 3 4 5 A - complete Flash   "},
    {"2h 4h 6h 8h Th Qh Kh", 7, RoyalFlush, " Royal Flash impossible "},
    {"2h 4h 6h 8h Th Qh Kh", 7, StraightFlush, " Straight Flash impossible "},
    {"2h 4h 6h 8h Th Qh Kh", 7, Flush, " 6 8 T Q K - complete Flash   "},
    {"9d Td Jd Qd Kd Ad 2s", 7, RoyalFlush, " T J Q K A - complete Royal Flash   "},
    {"9d Td Jd Qd Kd Ad 2s", 7, StraightFlush, " T J Q K A - complete Straight Flash   "},
    {"9d Td Jd Qd Kd Ad 2s", 7, Flush, " T J Q K A - complete Flash   "},
};

const std::vector<RowCase> kStraightDraws = {
    {"", 5, Straight, " Straight impossible "},
    {"7c 7d", 5, Straight, " Straight impossible "},
    {"7c 7d", 7, Straight, " 7 - Straight odds - 1:36  "},
    {"Kh Ah", 5, Straight, " K A - Straight odds - 1:306.2  "},  // exactly 306.25
    {"Kh Ah", 6, Straight, " K A - Straight odds - 1:76.6  "},
    {"Kh Ah", 7, Straight, " K A - Straight odds - 1:30.6  "},
    {"2c Ad", 5, Straight, " A 2 - Straight odds - 1:306.2  "},
    {"5h 6h", 5, Straight, " 5 6 - Straight odds - 1:76.6  "},
    {"5h 6h", 7, Straight, " 5 6 - Straight odds - 1:7.7  "},
    {"5c 6d 7h 8s", 5, Straight, " 5 6 7 8 - Straight odds - 1:6  "},
    {"5c 6d 7h 8s", 6, Straight, " 5 6 7 8 - Straight odds - 1:3  "},
    {"5c 6d 7h 8s", 7, Straight, " 5 6 7 8 - Straight odds - 1:2  "},
    {"5c 6d 8h 9s", 5, Straight, " 5 6 8 9 - Straight odds - 1:12  "},
    {"5c 6d 8h 9s", 7, Straight, " 5 6 8 9 - Straight odds - 1:4  "},
    {"Ac 2d 3h 4s 9c", 6, Straight, " A 2 3 4 - Straight odds - 1:11.8  "},  // just above 11.75
    {"Ac 2d 3h 4s 9c", 7, Straight, " A 2 3 4 - Straight odds - 1:5.9  "},
    {"Ah 2h 3h 4h 5h", 7, Straight, " A 2 3 4 5 - complete Straight   "},
    {"4c 5d 6h 7s 8c 9d", 7, Straight, " 5 6 7 8 9 - complete Straight   "},
    {"Th Jh Qh Kh Ah", 7, Straight, " T J Q K A - complete Straight   "},
};

const std::vector<RowCase> kSameRankDraws = {
    {"", 5, FourOfAKind, " Four of a kind impossible "},
    {"", 5, ThreeOfAKind, " Three of a kind impossible "},
    {"", 5, Pair, " Pair impossible "},
    {"Ac Kd", 5, FourOfAKind, " A - Four of a kind odds - 1:9800  "},
    {"Ac Kd", 5, ThreeOfAKind, " A - Three of a kind odds - 1:68.1  "},
    {"Ac Kd", 5, Pair, " A - Pair odds - 1:2.9  "},
    {"Kc Kd", 5, FourOfAKind, " K K - Four of a kind odds - 1:408.3  "},
    {"Kc Kd", 5, ThreeOfAKind, " K K - Three of a kind odds - 1:8.7  "},
    {"Kc Kd", 5, Pair, " K K - complete Pair   "},
    {"7c 7d 7h", 5, FourOfAKind, " 7 7 7 - Four of a kind odds - 1:24.5  "},
    {"7c 7d 7h", 6, FourOfAKind, " 7 7 7 - Four of a kind odds - 1:16.3  "},
    {"7c 7d 7h", 7, FourOfAKind, " 7 7 7 - Four of a kind odds - 1:12.3  "},  // 4/49 as a double
    {"Ac", 5, Pair, " A - Pair odds - 1:4.8  "},
    {"Ac", 6, Pair, " A - Pair odds - 1:4  "},
    {"Ac", 7, Pair, " A - Pair odds - 1:3.5  "},
    {"7c 7d Kh", 7, FourOfAKind, " 7 7 - Four of a kind odds - 1:188  "},
    {"5c 5d Kh Ks", 7, Pair, " K K - complete Pair   "},
    {"5c 5d Kh Ks", 7, ThreeOfAKind, " K K - Three of a kind odds - 1:3.8  "},
    {"5c 5d 5h Kc Kd", 5, Pair, " 5 5 - complete Pair   "},
    {"5c 5d 5h Kc Kd", 5, ThreeOfAKind, " 5 5 5 - complete Three of a kind   "},
    {"7c 7d 7h 7s", 5, FourOfAKind, " 7 7 7 7 - complete Four of a kind   "},
    {"7c 7d 7h 7s", 5, ThreeOfAKind, " 7 7 7 - complete Three of a kind   "},
    {"7c 7d 7h 7s", 5, Pair, " 7 7 - complete Pair   "},
    {"2c 2d 5h 8s Tc Qd Ah", 7, FourOfAKind, " Four of a kind impossible "},
    {"2c 2d 5h 8s Tc Qd Ah", 7, ThreeOfAKind, " Three of a kind impossible "},
    {"2c 2d 5h 8s Tc Qd Ah", 7, Pair, " 2 2 - complete Pair   "},
    {"2c 5d 9h Jc Kd", 6, FourOfAKind, " Four of a kind impossible "},
    {"2c 5d 9h Jc Kd", 6, ThreeOfAKind, " Three of a kind impossible "},
    {"2c 5d 9h Jc Kd", 6, Pair, " K - Pair odds - 1:3.1  "},
};

const std::vector<RowCase> kTwoGroupDraws = {
    {"", 5, FullHouse, " Full house impossible "},
    {"", 5, TwoPairs, " Two Pairs impossible "},
    {"Kc Kd", 5, FullHouse, " K K - Full house odds - 1:102.1  "},
    {"Kc Kd", 5, TwoPairs, " K K - Two Pairs odds - 1:6.2  "},
    {"Ac Kd", 5, FullHouse, " A and K - Full house odds - 1:1088.9  "},
    {"Ac Kd", 5, TwoPairs, " A and K - Two Pairs odds - 1:24.7  "},
    {"Ac", 5, FullHouse, " A - Full house odds - 1:1156.9  "},
    {"Ac", 5, TwoPairs, " A - Two Pairs odds - 1:26.3  "},
    {"9c 9d 9h", 5, FullHouse, " 9 9 9 - Full house odds - 1:16.3  "},
    {"9c 9d 9h", 7, FullHouse, " 9 9 9 - Full house odds - 1:3.1  "},
    {"9c 9d 9h Kc 2d", 6, FullHouse, " 9 9 9 and K - Full house odds - 1:7.8  "},
    {"9c 9d Kh Qs", 6, FullHouse, " 9 9 and K - Full house odds - 1:125.3  "},
    {"9c 9d 5h 5s", 6, FullHouse, " 9 9 and 5 5 - Full house odds - 1:6.4  "},
    {"9c 9d 5h 5s", 7, FullHouse, " 9 9 and 5 5 - Full house odds - 1:4.6  "},
    {"9c 9d Kh 5s 2c", 6, TwoPairs, " 9 9 and K - Two Pairs odds - 1:5.2  "},
    {"5c 5d 5h Kc Kd", 5, FullHouse, " 5 5 5 and K K - complete Full house   "},
    {"5c 5d 5h Kc Kd", 5, TwoPairs, " 5 5 and K K - complete Two Pairs   "},
    {"Kc Kd Kh 5c 5d 5h", 7, FullHouse, " K K K and 5 5 - complete Full house   "},
    {"Ac Ad Kc Kd Qc Qd", 7, TwoPairs, " A A and K K - complete Two Pairs   "},
    {"2c 2d 2h 2s", 5, FullHouse, " Full house impossible "},
    {"2c 2d 2h 2s", 5, TwoPairs, " Two Pairs impossible "},
    // Trips or quads held for a two-group draw: the free cards are those left
    // after the draw, so the odds stay above 1:1.
    {"Jd 9c Jh Js", 6, TwoPairs, " J J and 9 - Two Pairs odds - 1:8.5  "},
    {"9c 9d 9h", 5, TwoPairs, " 9 9 - Two Pairs odds - 1:16.3  "},
    {"2c 2d 2h 2s", 6, FullHouse, " 2 2 2 - Full house odds - 1:15.7  "},
    {"2c 2d 2h 2s Kd", 6, FullHouse, " 2 2 2 and K - Full house odds - 1:15.7  "},
};

const std::vector<RowCase> kHighCardAndLanguages = {
    {"", 5, HighCard, " no High card "},
    {"7c", 5, HighCard, " 7 High card   "},
    {"Ac Kd", 5, HighCard, " A High card   "},
    {"Tc 4d", 5, HighCard, " T High card   "},
    {"Kc Kd", 5, HighCard, " K High card   "},
    {"", 5, HighCard, " нет Высшая карта ", Language::Russian},
    {"", 5, RoyalFlush, " Роял Флеш невозможен ", Language::Russian},
    {"", 5, ThreeOfAKind, " Сет невозможен ", Language::Russian},
    {"Kh Ah", 5, RoyalFlush, " K A - Роял Флеш шансы - 1:19600  ", Language::Russian},
    {"Ac Kd", 5, FullHouse, " A и K - Фул Хаус шансы - 1:1088.9  ", Language::Russian},
    {"Kc Kd", 5, Pair, " K K - завершен Пара   ", Language::Russian},
};

class CategoryRows : public ::testing::TestWithParam<RowCase> {};

TEST_P(CategoryRows, MatchesTheWorkedOutText) {
    const auto& c = GetParam();
    EXPECT_EQ(rowFor(c), c.text) << "cards \"" << c.cards << "\" target " << c.target;
}

INSTANTIATE_TEST_SUITE_P(SuitedDraws, CategoryRows, ::testing::ValuesIn(kSuitedDraws));
INSTANTIATE_TEST_SUITE_P(StraightDraws, CategoryRows, ::testing::ValuesIn(kStraightDraws));
INSTANTIATE_TEST_SUITE_P(SameRankDraws, CategoryRows, ::testing::ValuesIn(kSameRankDraws));
INSTANTIATE_TEST_SUITE_P(TwoGroupDraws, CategoryRows, ::testing::ValuesIn(kTwoGroupDraws));
INSTANTIATE_TEST_SUITE_P(HighCardAndLanguages, CategoryRows,
                         ::testing::ValuesIn(kHighCardAndLanguages));

TEST(CategoryRowsSeparator, RegionalDecimalCommaReachesTheOdds) {
    const auto analysis =
        analyse(test::handOf("Th Jh Qh Kh 2c"), Round::River, false, std::nullopt);
    EXPECT_EQ(rowTexts(analysis, Language::English, ",")[0],
              " T J Q K - Royal Flash odds - 1:23,5  ");
}

}  // namespace
}  // namespace korvana
