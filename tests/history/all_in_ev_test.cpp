// All-in EV against a count written out here: every turn and river of the
// side-pot hand, each pot shared among its own players.
#include <gtest/gtest.h>

#include <sstream>

#include "engine/cards/card_index.h"
#include "engine/evaluator/hand_evaluator.h"
#include "history/all_in_ev.h"
#include "history/history_reader.h"
#include "history/street_equity.h"
#include "tests/history/played_hands.h"

namespace korvana::history {
namespace {

PlayedHand sidePotHand() {
    std::istringstream input(test::kSidePotHand);
    HistoryReader reader(input);
    return std::get<PlayedHand>(*reader.next());
}

// The hero's share of a pot over every turn and river.
double slowEquity(const PlayedHand& hand, const std::vector<int>& inPot) {
    CardMask known = 0;
    for (const Card card : hand.allIn->board) known |= cardBit(card);
    for (const SeatedPlayer& player : hand.players)
        if (player.cards) known |= cardBit((*player.cards)[0]) | cardBit((*player.cards)[1]);
    double share = 0;
    int boards = 0;
    for (int turn = 0; turn < kDeckSize; ++turn)
        for (int river = turn + 1; river < kDeckSize; ++river) {
            if ((known & (cardBit(turn) | cardBit(river))) != 0) continue;
            std::vector<Card> board = hand.allIn->board;
            board.push_back(cardAt(turn));
            board.push_back(cardAt(river));
            std::vector<HandRank> ranks;
            for (const int player : inPot) {
                std::vector<Card> seven = board;
                const auto& cards = *hand.players[static_cast<std::size_t>(player)].cards;
                seven.insert(seven.end(), cards.begin(), cards.end());
                ranks.push_back(handEvaluator().rank(PartialHand(seven)));
            }
            const HandRank best = *std::max_element(ranks.begin(), ranks.end());
            if (ranks[0] == best)
                share += 1.0 / static_cast<double>(std::count(ranks.begin(), ranks.end(), best));
            ++boards;
        }
    return share / boards;
}

TEST(AllInEv, CountsEachPotAmongItsOwnPlayersAfterTheRake) {
    const PlayedHand hand = sidePotHand();
    const auto ev = allInEv(hand, 2);
    ASSERT_TRUE(ev);
    const double main = slowEquity(hand, {0, 1, 2}), side = slowEquity(hand, {0, 2});
    ASSERT_EQ(ev->pots.size(), 2u);
    EXPECT_NEAR(*ev->pots[0].heroEquity, main, 1e-12);
    EXPECT_NEAR(*ev->pots[1].heroEquity, side, 1e-12);
    // $24 less $1 of rake: each $12 pot pays $11.50.
    EXPECT_NEAR(ev->heroEv, main * 1150 + side * 1150 - 1000, 1e-9);
    EXPECT_NEAR(ev->heroEquity, (main + side) / 2, 1e-12);
    EXPECT_EQ(ev->heroNet, 150);
    EXPECT_TRUE(ev->exact);
}

TEST(StreetEquity, ShownCardsCountAsKnownAndRangesFollowThePreflopLine) {
    const PlayedHand hand = sidePotHand();
    PreflopRangeTable table;
    EXPECT_EQ(preflopLine(hand, 2),
              PreflopLine::CalledReRaise);  // Иван raised, then called the re-raise
    EXPECT_EQ(preflopLine(hand, 1), PreflopLine::CalledReRaise);
    EXPECT_EQ(table.range(PreflopLine::LimpedOrChecked).hands().size(), 1326u);
    // Everyone showed: on the flop the spot is the three known hands.
    const auto spot = streetSpot(hand, 1, table);
    ASSERT_TRUE(spot);
    ASSERT_EQ(spot->opponents.size(), 2u);
    EXPECT_EQ(spot->opponents[0].hands().size(), 1u);
    EquityOptions options;
    options.method = EquityMethod::Enumerate;
    const auto equities = streetEquities(hand, table, options);
    ASSERT_EQ(equities.size(), 4u);
    EXPECT_NEAR(*equities[1], slowEquity(hand, {0, 1, 2}), 1e-12);
}

}  // namespace
}  // namespace korvana::history
