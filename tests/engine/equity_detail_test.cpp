// The counts behind the win chances: the next card's table and the spread of
// the hero's equity over a range, on spots whose answers can be told by hand.
#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <string>

#include "engine/equity/equity.h"
#include "engine/equity/equity_distribution.h"
#include "engine/equity/next_card.h"
#include "tests/engine/hand_builder.h"

namespace korvana {
namespace {

EquitySpot spotOf(const char* hero, const char* board, const char* range) {
    EquitySpot spot;
    const auto cards = test::cardsOf(hero);
    spot.hero = {cards[0], cards[1]};
    spot.board = test::cardsOf(board);
    spot.opponents = {std::get<HandRange>(parseHandRange(range))};
    return spot;
}

TEST(NextCard, OutsAreTheCardsThatLiftTheHero) {
    struct Case {
        const char* hero;
        const char* board;
        const char* range;
        size_t cards;      // that can come
        std::string outs;  // in card order; empty: not checked
    };
    // A heart gives the nut flush, except the two that pair the board and
    // fill the set up; a flop leaves every card but the five known.
    const Case cases[] = {
        {"Ah Kh", "Qh 7h 2s 3c", "QcQd", 44, "4h5h6h8h9hThJh"},
        {"Ah Kh", "Qh 7h 2s", "QcQd", 45, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.board);
        const auto outcome = countNextCards(spotOf(c.hero, c.board, c.range), {});
        const auto& table = std::get<NextCardTable>(outcome);
        EXPECT_EQ(table.cards.size(), c.cards);
        std::string outs;
        for (const NextCardEquity& next : table.cards)
            if (table.isOut(next)) outs += cardCode(next.card);
        if (!c.outs.empty()) {
            EXPECT_EQ(outs, c.outs);
        }
        // With one card to come after it, every card's equity is the share of
        // the rivers; their mean is the equity now.
        const double sum = std::accumulate(table.cards.begin(), table.cards.end(), 0.0,
                                           [](double s, const auto& n) { return s + n.equity; });
        EXPECT_NEAR(sum / static_cast<double>(table.cards.size()), table.equityNow, 1e-12);
    }
    EXPECT_TRUE(std::holds_alternative<NextCardProblem>(
        countNextCards(spotOf("Ah Kh", "Qh 7h 2s 3c 2d", "QcQd"), {})));
}

TEST(EquityDistribution, EachHandOfTheRangeBestForTheHeroFirst) {
    // Qd on the board leaves three combinations of queens; AKo without the
    // hero's ace and king of hearts leaves six. Each leaves as many boards,
    // so the mean over the hands is the equity against the whole range.
    const EquitySpot spot = spotOf("Ah Kh", "Qd 7c 2s", "QQ, AKo");
    const auto spread = std::get<std::vector<HandEquity>>(countEquityDistribution(spot, {}));
    ASSERT_EQ(spread.size(), 9u);
    EXPECT_TRUE(std::is_sorted(spread.begin(), spread.end(),
                               [](const auto& a, const auto& b) { return a.equity > b.equity; }));
    EXPECT_GT(spread[5].equity, 0.4);  // a split against AK
    EXPECT_LT(spread[6].equity, 0.1);  // drawing to two aces or kings against a set
    double mean = 0;
    for (const HandEquity& entry : spread) mean += entry.equity / 9;
    const auto whole = std::get<EquityResult>(computeEquity(spot, {}));
    EXPECT_NEAR(mean, whole.players.front().equity, 1e-12);
}

}  // namespace
}  // namespace korvana
