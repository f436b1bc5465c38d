// Win chances against a slow enumeration written out here, and the properties
// every answer must have: equities sum to one, players can be swapped, suits
// renamed, and a sample lands near the exact answer.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <numeric>

#include "engine/equity/equity.h"
#include "engine/evaluator/hand_evaluator.h"
#include "tests/engine/hand_builder.h"

namespace korvana {
namespace {

struct Spot {
    const char* name;
    const char* hero;
    const char* board;
    const char* dead;
    std::vector<const char*> opponents;  // range texts
};

EquitySpot spotOf(const Spot& s) {
    EquitySpot spot;
    const auto hero = test::cardsOf(s.hero);
    spot.hero = {hero[0], hero[1]};
    spot.board = test::cardsOf(s.board);
    spot.dead = test::cardsOf(s.dead);
    for (const char* text : s.opponents)
        spot.opponents.push_back(std::get<HandRange>(parseHandRange(text)));
    return spot;
}

// Every deal the slow way: each opponent's hands in turn, then every board,
// each player's seven cards ranked from scratch.
struct Counted {
    std::uint64_t deals = 0;
    std::vector<std::uint64_t> wins, ties;
    std::vector<double> equity;
    std::array<std::uint64_t, 10> heroFinal{};
};

Counted countEveryDeal(const EquitySpot& spot) {
    const size_t players = spot.opponents.size() + 1;
    Counted counted{0,
                    std::vector<std::uint64_t>(players),
                    std::vector<std::uint64_t>(players),
                    std::vector<double>(players),
                    {}};
    std::array<bool, kDeckSize> used{};
    for (const auto* cards : {&spot.board, &spot.dead})
        for (const Card& card : *cards) used[static_cast<size_t>(cardIndex(card))] = true;
    for (const Card& card : spot.hero) used[static_cast<size_t>(cardIndex(card))] = true;
    const auto isUsed = [&](Card card) { return used[static_cast<size_t>(cardIndex(card))]; };
    const auto use = [&](Card card, bool now) { used[static_cast<size_t>(cardIndex(card))] = now; };
    std::vector<std::array<Card, 2>> held(spot.opponents.size());
    std::vector<Card> board = spot.board;

    const auto showdown = [&] {
        std::vector<HandRank> ranks;
        const PartialHand onBoard(board);
        for (size_t p = 0; p < players; ++p) {
            const auto& two = p == 0 ? spot.hero : held[p - 1];
            ranks.push_back(handEvaluator().rank(onBoard + PartialHand(two)));
        }
        const HandRank best = *std::max_element(ranks.begin(), ranks.end());
        const auto sharing = static_cast<size_t>(std::count(ranks.begin(), ranks.end(), best));
        for (size_t p = 0; p < players; ++p) {
            if (ranks[p] != best) continue;
            ++(sharing == 1 ? counted.wins : counted.ties)[p];
            counted.equity[p] += 1.0 / static_cast<double>(sharing);
        }
        ++counted.heroFinal[static_cast<size_t>(listIndex(ranks[0].category()))];
        ++counted.deals;
    };
    const std::function<void(int)> completeBoard = [&](int from) {
        if (board.size() == 5) return showdown();
        for (int index = from; index < kDeckSize; ++index) {
            const Card card = cardAt(index);
            if (isUsed(card)) continue;
            board.push_back(card);
            use(card, true);
            completeBoard(index + 1);
            use(card, false);
            board.pop_back();
        }
    };
    const std::function<void(size_t)> dealOpponent = [&](size_t i) {
        if (i == held.size()) return completeBoard(0);
        for (const PocketCards& hand : spot.opponents[i].hands()) {
            const Card low = cardAt(hand.low), high = cardAt(hand.high);
            if (isUsed(low) || isUsed(high)) continue;
            held[i] = {low, high};
            use(low, true);
            use(high, true);
            dealOpponent(i + 1);
            use(low, false);
            use(high, false);
        }
    };
    dealOpponent(0);
    for (double& e : counted.equity) e /= static_cast<double>(counted.deals);
    return counted;
}

EquityResult computed(const EquitySpot& spot, EquityOptions options = {}) {
    if (options.method == EquityMethod::Automatic) options.method = EquityMethod::Enumerate;
    options.threads = 3;
    auto result = computeEquity(spot, options);
    EXPECT_TRUE(std::holds_alternative<EquityResult>(result));
    return std::get<EquityResult>(result);
}

const Spot kSpots[] = {
    {"river, a range", "Ah Kh", "Qh Jh 2c 7d 9s", "", {"QQ+, AK"}},
    {"river, three-way", "Ah Kh", "Qh Jh 2c 7d 9s", "", {"random", "TT, 99"}},
    {"river, two random hands", "Ah Kh", "Qh Jh 2c 7d 9s", "", {"random", "random"}},
    {"river, five of a suit", "As Ks", "Ah 7h 2h Kh 9h", "", {"random"}},
    {"river, known, random, range", "Ah Kh", "Qh Jh 2c 7d 9s", "", {"QdQc", "random", "JJ+"}},
    {"river, overlapping ranges", "Ah Kh", "Qh Jh 2c 7d 9s", "", {"QQ+, AK", "QQ+, AK", "TT+, AK"}},
    {"turn, three of a suit", "As Ks", "Ah 7h 2h Kc", "", {"random"}},
    {"turn, four of a suit", "As Ks", "Ah 7h 2h Kh", "", {"random"}},
    {"turn, paired board", "9s 8s", "9h 9c 5d 2s", "", {"random", "55, A2s+"}},
    {"flop, known hands", "Ah Kh", "Qh 7h 2c", "", {"QdQc"}},
    {"flop, three-way ranges", "Ah Kh", "Qh 7h 2c", "3d", {"QQ", "AKs, 76s"}},
    {"flop, a random hand", "Jc Tc", "9c 8d 2h", "", {"random"}},
};

TEST(Equity, MatchesEveryDealCountedSlowly) {
    for (const Spot& s : kSpots) {
        SCOPED_TRACE(s.name);
        const EquitySpot spot = spotOf(s);
        const EquityResult result = computed(spot);
#ifdef KORVANA_SANITIZE
        if (result.deals > 300'000) continue;  // the slow count takes too long under the sanitizers
#endif
        const Counted expected = countEveryDeal(spot);
        EXPECT_TRUE(result.enumerated);
        EXPECT_TRUE(result.complete);
        EXPECT_EQ(result.deals, expected.deals);
        EXPECT_EQ(result.allDeals, expected.deals);
        EXPECT_EQ(result.heroFinal, expected.heroFinal);
        ASSERT_EQ(result.players.size(), expected.wins.size());
        double sum = 0;
        for (size_t p = 0; p < result.players.size(); ++p) {
            SCOPED_TRACE(p);
            EXPECT_EQ(result.players[p].wins, expected.wins[p]);
            EXPECT_EQ(result.players[p].ties, expected.ties[p]);
            EXPECT_NEAR(result.players[p].equity, expected.equity[p], 1e-12);
            sum += result.players[p].equity;
        }
        EXPECT_NEAR(sum, 1.0, 1e-12);
    }
}

TEST(Equity, SwappedPlayersSwapTheirResults) {
    const struct {
        Spot spot, swapped;
        std::vector<size_t> order;  // player p of 'swapped' is player order[p] of 'spot'
    } cases[] = {
        {{"", "Ah Kh", "Qh 7h 2c", "3d", {"QQ", "AKs, 76s"}},
         {"", "Ah Kh", "Qh 7h 2c", "3d", {"AKs, 76s", "QQ"}},
         {0, 2, 1}},
        {{"", "Ah Kh", "Qh 7h 2c", "", {"QdQc"}}, {"", "Qd Qc", "Qh 7h 2c", "", {"AhKh"}}, {1, 0}},
        {{"", "Ah Kh", "Qh Jh 2c 7d 9s", "", {"QdQc", "random", "JJ+"}},
         {"", "Ah Kh", "Qh Jh 2c 7d 9s", "", {"JJ+", "QdQc", "random"}},
         {0, 3, 1, 2}},
    };
    for (const auto& c : cases) {
        const EquityResult a = computed(spotOf(c.spot)), b = computed(spotOf(c.swapped));
        ASSERT_EQ(a.deals, b.deals);
        for (size_t p = 0; p < c.order.size(); ++p) {
            EXPECT_EQ(b.players[p].wins, a.players[c.order[p]].wins);
            EXPECT_EQ(b.players[p].ties, a.players[c.order[p]].ties);
            EXPECT_NEAR(b.players[p].equity, a.players[c.order[p]].equity, 1e-12);
        }
    }
}

TEST(Equity, RenamedSuitsChangeNothing) {
    // c -> h, d -> s, h -> c, s -> d
    const auto renamed = [](Card card) {
        return Card{card.rank, std::array{Suit::Hearts, Suit::Spades, Suit::Clubs,
                                          Suit::Diamonds}[suitIndex(card.suit)]};
    };
    for (const Spot& s : kSpots) {
        SCOPED_TRACE(s.name);
        const EquitySpot spot = spotOf(s);
        EquitySpot other = spot;
        for (Card& card : other.hero) card = renamed(card);
        for (Card& card : other.board) card = renamed(card);
        for (Card& card : other.dead) card = renamed(card);
        for (HandRange& range : other.opponents) {
            std::vector<PocketCards> hands;
            for (const PocketCards& hand : range.hands())
                hands.push_back(
                    PocketCards::of(renamed(cardAt(hand.low)), renamed(cardAt(hand.high))));
            range = HandRange(hands);
        }
        const EquityResult a = computed(spot), b = computed(other);
        EXPECT_EQ(a.deals, b.deals);
        EXPECT_EQ(a.heroFinal, b.heroFinal);
        for (size_t p = 0; p < a.players.size(); ++p) {
            EXPECT_EQ(a.players[p].wins, b.players[p].wins);
            EXPECT_EQ(a.players[p].ties, b.players[p].ties);
        }
    }
}

TEST(Equity, SamplesLandNearTheExactAnswerAndRepeatWithTheirSeed) {
    for (const Spot& s : {kSpots[1], kSpots[4], kSpots[9], kSpots[10]}) {
        SCOPED_TRACE(s.name);
        const EquitySpot spot = spotOf(s);
        const EquityResult exact = computed(spot);
        EquityOptions options;
        options.method = EquityMethod::Sample;
        options.sampleDeals = 100'000;
        options.targetStandardError = 0;
        options.seed = 2026;
        const EquityResult sample = computed(spot, options);
        EXPECT_FALSE(sample.enumerated);
        EXPECT_TRUE(sample.complete);
        EXPECT_EQ(sample.deals, options.sampleDeals);
        EXPECT_GT(sample.standardError, 0.0);
        for (size_t p = 0; p < exact.players.size(); ++p)
            EXPECT_NEAR(sample.players[p].equity, exact.players[p].equity,
                        4 * sample.standardError);
        options.threads = 1;
        auto again = std::get<EquityResult>(computeEquity(spot, options));
        for (size_t p = 0; p < exact.players.size(); ++p)
            EXPECT_EQ(again.players[p].wins, sample.players[p].wins);
    }
}

// Narrow ranges that overlap leave few deals among all the combinations of
// hands: the sample must still find every deal equally often, also where
// the only deals differ in three hands at once. Each seed's sample lands
// within its error, and so does their mean within the mean's.
TEST(Equity, NarrowOverlappingRangesAreSampledFairly) {
    const char* const aces =
        "AhAd, AhKh, AhKd, AhQh, AhQd, AdKh, AdKd, AdQh, AdQd, KhKd, KhQh, "
        "KhQd, KdQh, KdQd, QhQd, 2c2d";
    const Spot spots[] = {
        {"five on the same range", "4c 4d", "2c 7d 9s Th 3h", "",
         std::vector<const char*>(5, "QQ+, AK")},
        {"six holding all twelve cards", "4c 4d", "2c 7d 9s Th 3h", "",
         std::vector<const char*>(6, "QQ+, AK")},
        {"turn, three ranges and a random hand",
         "9h 9d",
         "2c 7d Ts Jh",
         "",
         {"JJ+, AKs", "TT+, AQs+", "JJ+, AKs", "random"}},
        {"three hands that only change together",
         "7s 8s",
         "2h 3s 4c",
         "",
         {"AhAd, AdKh", "KhKd, KdQh", "QhQd, QdAh", aces, "random"}},
        {"dead cards leave one of each",
         "7s 8s",
         "As Kd Qh",
         "Ah Ad Kh Ks Qs Qd Js Jh Jd Ts Th Td 9s 9h 9d 2s 2h",
         {"AK, KQ", "QJ, JT", "T9, A9", "A9+, K9+, Q9+, J9+, T9, 22", "random"}},
        {"three hands that only change together, among wider ranges",
         "7s 8s",
         "2h 3s 4c 5d",
         "",
         {"AhAd, AdKh", "KhKd, KdQh", "QhQd, QdAh", aces, "JJ-88", "JJ-88", "JJ-88", "JJ-77"}},
    };
#ifdef KORVANA_SANITIZE
    constexpr std::uint64_t kSeeds = 3;
#else
    constexpr std::uint64_t kSeeds = 10;
#endif
    for (const Spot& s : spots) {
        SCOPED_TRACE(s.name);
        const EquitySpot spot = spotOf(s);
        const EquityResult exact = computed(spot);
        EquityOptions options;
        options.method = EquityMethod::Sample;
        options.sampleDeals = 40'000;
        options.targetStandardError = 0;
        std::vector<double> mean(exact.players.size());
        double meanError = 0;
        for (options.seed = 1; options.seed <= kSeeds; ++options.seed) {
            const EquityResult sample = computed(spot, options);
            EXPECT_EQ(sample.deals, options.sampleDeals);
            for (size_t p = 0; p < exact.players.size(); ++p) {
                EXPECT_NEAR(sample.players[p].equity, exact.players[p].equity,
                            4 * sample.standardError);
                mean[p] += sample.players[p].equity / kSeeds;
            }
            meanError += sample.standardError / kSeeds;
        }
        for (size_t p = 0; p < exact.players.size(); ++p)
            EXPECT_NEAR(mean[p], exact.players[p].equity,
                        4 * meanError / std::sqrt(static_cast<double>(kSeeds)));
    }
}

TEST(Equity, StopsAtTheTargetStandardError) {
    EquityOptions options;
    options.method = EquityMethod::Sample;
    options.targetStandardError = 0.002;
    const EquityResult result = computed(spotOf({"", "Ah As", "", "", {"random"}}), options);
    EXPECT_TRUE(result.complete);
    EXPECT_LE(result.standardError, 0.002);
    EXPECT_GT(result.standardError, 0.0015);  // and not far beyond it
}

TEST(Equity, ACancelledRunGivesWhatItCounted) {
    EquityControl control;
    int reports = 0;
    control.onProgress = [&](const EquityResult& soFar, double done) {
        ++reports;
        EXPECT_GE(done, 0.0);
        EXPECT_LE(done, 1.0);
        if (soFar.deals > 0) control.cancel();
    };
    EquityOptions options;
    options.method = EquityMethod::Enumerate;
    options.threads = 2;
    const auto outcome =
        computeEquity(spotOf({"", "Ah Kd", "", "2c", {"random"}}), options, &control);
    const auto& result = std::get<EquityResult>(outcome);
    EXPECT_GE(reports, 1);
    EXPECT_FALSE(result.complete);
    EXPECT_GT(result.deals, 0u);
    EXPECT_LT(result.deals, result.allDeals);
    EXPECT_NEAR(result.players[0].equity + result.players[1].equity, 1.0, 1e-12);
    EXPECT_EQ(std::accumulate(result.heroFinal.begin(), result.heroFinal.end(), std::uint64_t{0}),
              result.deals);
}

// Out of time halfway through its blocks, a sample still counts every deal it drew.
TEST(Equity, ASampleOutOfTimeKeepsEveryDeal) {
    EquityOptions options;
    options.method = EquityMethod::Sample;
    options.targetStandardError = 0;
    options.timeBudget = std::chrono::milliseconds(1);
    const EquityResult result =
        computed(spotOf({"", "9h 9d", "", "", std::vector<const char*>(9, "TT+, AQs+")}), options);
    EXPECT_FALSE(result.complete);
    EXPECT_TRUE(result.timeLimitReached);
    EXPECT_GT(result.deals, 0u);
    EXPECT_EQ(std::accumulate(result.heroFinal.begin(), result.heroFinal.end(), std::uint64_t{0}),
              result.deals);
}

TEST(Equity, ProblemsComeBackAsErrors) {
    using Problem = EquityError::Problem;
    const auto problemOf = [](const Spot& s, EquityMethod method = EquityMethod::Automatic) {
        EquityOptions options;
        options.method = method;
        options.enumerationDealLimit = 1'000'000;
        const auto outcome = computeEquity(spotOf(s), options);
        EXPECT_TRUE(std::holds_alternative<EquityError>(outcome)) << s.name;
        return std::holds_alternative<EquityError>(outcome) ? std::get<EquityError>(outcome)
                                                            : EquityError{};
    };
    EXPECT_EQ(problemOf({"none", "Ah Kh", "", "", {}}).problem, Problem::OpponentCount);
    EXPECT_EQ(problemOf({"ten", "Ah Kh", "", "", std::vector<const char*>(10, "random")}).problem,
              Problem::OpponentCount);
    const EquityError twice = problemOf({"twice", "Ah Kh", "2c 3c 4c", "3c", {"random"}});
    EXPECT_EQ(twice.problem, Problem::CardTwice);
    EXPECT_EQ(twice.card, (Card{3, Suit::Clubs}));
    const EquityError empty = problemOf({"empty", "Ah As", "Ad", "", {"random", "AA"}});
    EXPECT_EQ(empty.problem, Problem::RangeEmpty);
    EXPECT_EQ(empty.opponent, 2);
    EXPECT_EQ(problemOf({"no deal", "Ah Kh", "", "", {"QQ", "QQ", "QQ"}}).problem, Problem::NoDeal);
    EXPECT_EQ(problemOf({"no deal", "Ah Kh", "", "", {"QsJs", "QsTs"}}).problem, Problem::NoDeal);
    // Cards enough between them, but at most seven can be dealt at once: told
    // at once, every way of counting, with the opponents named.
    for (const EquityMethod method : {EquityMethod::Automatic, EquityMethod::Enumerate}) {
        const EquityError crowded = problemOf(
            {"pairs", "7h 7d", "", "As Ah Ad", std::vector<const char*>(8, "JJ+,AKs,ATs-A5s")},
            method);
        EXPECT_EQ(crowded.problem, Problem::NoDeal);
        EXPECT_EQ(crowded.opponents, (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8}));
    }
    const EquityError tooMany =
        problemOf({"preflop", "Ah Kh", "", "", {"random"}}, EquityMethod::Enumerate);
    EXPECT_EQ(tooMany.problem, Problem::TooManyDeals);
    EXPECT_EQ(tooMany.deals, 2'097'572'400u);
}

}  // namespace
}  // namespace korvana
