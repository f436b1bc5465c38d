// The written table of heads-up match-ups before the flop against a fresh
// count of every board, and the counts read from it against dealing every
// deal, so that the table, its index and the program that wrote it cannot
// drift apart.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <vector>

#include "engine/equity/equity.h"
#include "engine/equity/heads_up_preflop.h"
#include "engine/equity/preflop/match_ups.h"
#include "tests/engine/hand_builder.h"

namespace korvana {
namespace {

EquityResult counted(const char* hero, const char* opponent, bool fromTable) {
    EquitySpot spot;
    const auto cards = test::cardsOf(hero);
    spot.hero = {cards[0], cards[1]};
    spot.opponents = {std::get<HandRange>(parseHandRange(opponent))};
    EquityOptions options;
    options.method = EquityMethod::Enumerate;
    options.threads = 2;
    options.matchUpTable = fromTable;
    options.timeBudget = std::chrono::hours(1);
    const auto outcome = computeEquity(spot, options);
    return std::get<EquityResult>(outcome);
}

// The same number for every match-up that renaming suits or swapping the
// hands makes of another: the lowest of their numbers.
std::uint32_t classNumber(PocketCards a, PocketCards b) {
    std::array<int, 4> suits = {0, 1, 2, 3};
    std::uint32_t lowest = ~0u;
    do {
        const auto rename = [&](PocketCards hand) {
            const auto card = [&](int i) {
                return suits[static_cast<size_t>(i / 13)] * 13 + i % 13;
            };
            const int x = card(hand.low), y = card(hand.high);
            return PocketCards{std::min(x, y), std::max(x, y)}.number();
        };
        const auto x = static_cast<std::uint32_t>(rename(a)),
                   y = static_cast<std::uint32_t>(rename(b));
        lowest = std::min({lowest, x * kPocketCardPairs + y, y * kPocketCardPairs + x});
    } while (std::next_permutation(suits.begin(), suits.end()));
    return lowest;
}

TEST(MatchUpTable, OneEntryForEveryClassOfMatchUps) {
    // By class number: a set would take seconds under the sanitizers.
    std::vector<bool> everyClass(kPocketCardPairs * kPocketCardPairs);
    std::vector<PocketCards> hands;
    for (int high = 1; high < kDeckSize; ++high)
        for (int low = 0; low < high; ++low) hands.push_back({low, high});
    for (size_t a = 0; a < hands.size(); ++a)
        for (size_t b = a + 1; b < hands.size(); ++b)
            if ((hands[a].mask() & hands[b].mask()) == 0)
                everyClass[classNumber(hands[a], hands[b])] = true;
    EXPECT_EQ(std::count(everyClass.begin(), everyClass.end(), true), 47'008);

    const auto classes = matchUpClasses();
    std::vector<bool> inTable(everyClass.size());
    for (const auto& [hero, opponent] : classes) inTable[classNumber(hero, opponent)] = true;
    EXPECT_EQ(inTable, everyClass);
    EXPECT_EQ(matchUpTable().size(), classes.size());
    EXPECT_EQ(matchUpTableStarts().back(), classes.size());
}

TEST(MatchUpTable, EntriesRecountedExactly) {
    const auto classes = matchUpClasses();
    for (size_t i = 0; i < classes.size(); i += 4'999) {
        const auto& [hero, opponent] = classes[i];
        SCOPED_TRACE(cardCode(cardAt(hero.low)) + cardCode(cardAt(hero.high)) + " against " +
                     cardCode(cardAt(opponent.low)) + cardCode(cardAt(opponent.high)));
        const std::string heroText = cardCode(cardAt(hero.low)) + " " + cardCode(cardAt(hero.high));
        const std::string opponentText =
            cardCode(cardAt(opponent.low)) + cardCode(cardAt(opponent.high));
        const EquityResult dealt = counted(heroText.c_str(), opponentText.c_str(), false);
        EXPECT_EQ(matchUpTable()[i],
                  (MatchUpCount{static_cast<std::uint32_t>(dealt.players[0].wins),
                                static_cast<std::uint32_t>(dealt.players[0].ties)}));
    }
}

// Every figure of the count, the hero's final hands too, as dealing gives them:
// hands seen from either side of the table, hands sharing the hero's cards.
TEST(MatchUpTable, CountsAsDealingEveryDeal) {
    const struct {
        const char* hero;
        const char* opponent;
    } spots[] = {
        {"Ah Kh", "QdQc"},
        {"Ah Kh", "AA, 7h2h"},
#ifndef KORVANA_SANITIZE  // dealing these takes long under the sanitizers
        {"Qs Jd", "AA, AK, QJ, 72o"},
        {"7c 2d", "22, T9s, 7h2h, KQo"},
        {"5s 5h", "random"},
#endif
    };
    for (const auto& spot : spots) {
        SCOPED_TRACE(std::string(spot.hero) + " against " + spot.opponent);
        const EquityResult read = counted(spot.hero, spot.opponent, true);
        const EquityResult dealt = counted(spot.hero, spot.opponent, false);
        EXPECT_TRUE(read.enumerated && read.complete && dealt.complete);
        EXPECT_EQ(read.deals, dealt.deals);
        EXPECT_EQ(read.allDeals, dealt.allDeals);
        EXPECT_EQ(read.heroFinal, dealt.heroFinal);
        for (size_t p = 0; p < 2; ++p) {
            EXPECT_EQ(read.players[p].wins, dealt.players[p].wins);
            EXPECT_EQ(read.players[p].ties, dealt.players[p].ties);
            EXPECT_EQ(read.players[p].equity, dealt.players[p].equity);
        }
    }
}

// A hand of weight w counts as w hands: what weighted ranges rest on.
TEST(MatchUpTable, AHandCountsItsWeight) {
    const auto cards = test::cardsOf("Qs Jd Qc Qh 9s 8s");
    const PocketCards hero = PocketCards::of(cards[0], cards[1]);
    const WeightedHand hands[] = {{PocketCards::of(cards[2], cards[3]), 3},
                                  {PocketCards::of(cards[4], cards[5]), 1}};
    const EquityTally tally = countHeadsUpPreflop(hero, hands);
    const auto heroFinal = heroFinalCategories(hero, hands);
    const EquityResult queens = counted("Qs Jd", "QcQh", false);
    const EquityResult suited = counted("Qs Jd", "9s8s", false);
    EXPECT_EQ(tally.deals, 3 * queens.deals + suited.deals);
    EXPECT_EQ(tally.wins[0], 3 * queens.players[0].wins + suited.players[0].wins);
    EXPECT_EQ(tally.ties[0], 3 * queens.players[0].ties + suited.players[0].ties);
    for (size_t c = 0; c < heroFinal.size(); ++c)
        EXPECT_EQ(heroFinal[c], 3 * queens.heroFinal[c] + suited.heroFinal[c]);
}

}  // namespace
}  // namespace korvana
