// Every enumerated figure, pinned: the deals and each player's wins and ties
// of spots on every round, as the counting gave them before it was made
// faster. A faster walk over the deals must not move a single one.
#include <gtest/gtest.h>

#include <chrono>
#include <utility>
#include <vector>

#include "engine/equity/equity.h"
#include "tests/engine/hand_builder.h"

namespace korvana {
namespace {

struct Counts {
    struct Spot {
        const char* hero;
        const char* board;
        const char* dead;
        std::vector<const char*> opponents;  // range texts
    } spot;
    std::uint64_t deals;
    std::vector<std::pair<std::uint64_t, std::uint64_t>> winsAndTies;  // the hero first
};

const Counts kCounted[] = {
    {{"Ah Kh", "", "", {"QdQc"}}, 1712304, {{787966, 6732}, {917606, 6732}}},
    {{"Ah As", "", "", {"random"}}, 2097572400, {{1781508418, 11402312}, {304661670, 11402312}}},
    {{"7c 2d", "", "", {"AhKs", "QdQc", "Jh Th"}},
     1086008,
     {{111398, 1981}, {370227, 1981}, {401646, 1981}, {200756, 1981}}},
    {{"Ah Kh", "", "", {"QQ+, AK"}}, 35958384, {{8133909, 13868208}, {13956267, 13868208}}},
    {{"Ah Kh", "", "", {"15%"}}, 268831728, {{157133753, 19274119}, {92423856, 19274119}}},
    {{"Qs Jd", "", "", {"40%"}}, 827042832, {{359301854, 27627591}, {440113387, 27627591}}},
    {{"9h 9d", "", "", {"TT+, AQs+", "TT+, AQs+"}},
     1620231228,
     {{287836812, 5566524}, {642290406, 47813604}, {642290406, 47813604}}},
    {{"Ah Kh", "Qh 7h 2c", "", {"random", "random"}},
     966381570,
     {{569004008, 8016264}, {192584844, 8289422}, {192584844, 8289422}}},
    {{"Ah Kh", "Qh 7h 2c", "3d", {"QQ", "AKs, 76s", "random"}},
     12088440,
     {{3225408, 61302}, {8530353, 0}, {154422, 60606}, {116955, 1002}}},
    {{"9s 8s", "9h 9c 5d", "", {"55, A2s+", "TT+", "random"}},
     890773380,
     {{690874870, 16034583}, {79179351, 4473954}, {73936821, 0}, {30548855, 12044544}}},
    {{"Jc Tc", "9c 8d 2h 3s", "", {"random", "random"}},
     41122620,
     {{11332480, 257148}, {14633338, 395646}, {14633338, 395646}}},
    {{"As Ks", "Ah 7h 2h Kh", "", {"QQ+, AK", "random"}},
     476784,
     {{71343, 126843}, {152208, 126435}, {126390, 48735}}},
    {{"Ah Kh", "Qh Jh 2c 7d 9s", "", {"QQ+, AK", "QQ+, AK", "TT+, AK", "random"}},
     1867320,
     {{0, 8064}, {600813, 8064}, {600813, 8064}, {503586, 8280}, {153828, 216}}},
    {{"2c 3d", "Ah Kd Qs", "", {"random", "JJ+", "AK"}},
     73305540,
     {{1496425, 955226}, {4006400, 1692428}, {33521420, 1510086}, {32588867, 1088244}}},
};

TEST(EquityCounts, EveryEnumeratedFigureStaysTheSame) {
    for (const Counts& c : kCounted) {
        SCOPED_TRACE(std::string(c.spot.hero) + " | " + c.spot.board + " | " +
                     c.spot.opponents.front());
#ifdef KORVANA_SANITIZE
        if (c.deals > 100'000'000) continue;  // too slow under the sanitizers
#endif
        EquitySpot spot;
        const auto hero = test::cardsOf(c.spot.hero);
        spot.hero = {hero[0], hero[1]};
        spot.board = test::cardsOf(c.spot.board);
        spot.dead = test::cardsOf(c.spot.dead);
        for (const char* text : c.spot.opponents)
            spot.opponents.push_back(std::get<HandRange>(parseHandRange(text)));
        EquityOptions options;
        options.method = EquityMethod::Enumerate;
        options.threads = 2;
        options.timeBudget = std::chrono::hours(1);
        const auto outcome = computeEquity(spot, options);
        ASSERT_TRUE(std::holds_alternative<EquityResult>(outcome));
        const auto& result = std::get<EquityResult>(outcome);
        EXPECT_TRUE(result.complete);
        EXPECT_EQ(result.deals, c.deals);
        ASSERT_EQ(result.players.size(), c.winsAndTies.size());
        for (size_t p = 0; p < c.winsAndTies.size(); ++p) {
            SCOPED_TRACE(p);
            EXPECT_EQ(result.players[p].wins, c.winsAndTies[p].first);
            EXPECT_EQ(result.players[p].ties, c.winsAndTies[p].second);
        }
    }
}

}  // namespace
}  // namespace korvana
