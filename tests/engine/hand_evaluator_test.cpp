// The hand evaluator against the published hand counts and a plain reference.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "engine/evaluator/hand_evaluator.h"
#include "tests/engine/hand_builder.h"
#include "tests/engine/poker_strength.h"

namespace korvana {
namespace {

using CategoryCounts = std::map<Category, std::uint64_t>;

std::string codesOf(const std::vector<Card>& cards) {
    std::string text;
    for (const Card& card : cards) text += cardCode(card) + " ";
    return text;
}

// Published numbers of 5- and 7-card hands per best-hand category.
const CategoryCounts kFiveCardHands = {
    {Category::RoyalFlush, 4},       {Category::StraightFlush, 36}, {Category::FourOfAKind, 624},
    {Category::FullHouse, 3744},     {Category::Flush, 5108},       {Category::Straight, 10200},
    {Category::ThreeOfAKind, 54912}, {Category::TwoPairs, 123552},  {Category::Pair, 1098240},
    {Category::HighCard, 1302540},
};
const CategoryCounts kSevenCardHands = {
    {Category::RoyalFlush, 4324},      {Category::StraightFlush, 37260},
    {Category::FourOfAKind, 224848},   {Category::FullHouse, 3473184},
    {Category::Flush, 4047644},        {Category::Straight, 6180020},
    {Category::ThreeOfAKind, 6461620}, {Category::TwoPairs, 31433400},
    {Category::Pair, 58627800},        {Category::HighCard, 23294460},
};
constexpr std::uint64_t kSevenCardTotal = 133784560;

TEST(HandEvaluator, EveryFiveCardHand) {
    const HandEvaluator& evaluator = handEvaluator();
    CategoryCounts counts;
    std::set<int> distinct;
    for (int a = 0; a < kDeckSize; ++a)
        for (int b = a + 1; b < kDeckSize; ++b)
            for (int c = b + 1; c < kDeckSize; ++c)
                for (int d = c + 1; d < kDeckSize; ++d) {
                    const PartialHand four = PartialHand().plus(a).plus(b).plus(c).plus(d);
                    for (int e = d + 1; e < kDeckSize; ++e) {
                        const HandRank rank = evaluator.rank(four.plus(e));
                        ++counts[rank.category()];
                        distinct.insert(rank.value);
                    }
                }
    EXPECT_EQ(counts, kFiveCardHands);
    EXPECT_EQ(distinct.size(), static_cast<size_t>(kHandStrengths));
    EXPECT_EQ(*distinct.begin(), 1);
    EXPECT_EQ(*distinct.rbegin(), kHandStrengths);
}

#ifndef KORVANA_SANITIZE
TEST(HandEvaluator, EverySevenCardHand) {
    const HandEvaluator& evaluator = handEvaluator();
    std::array<std::uint64_t, kHandStrengths + 1> perRank{};
    PartialHand hands[7];
    for (int a = 0; a < kDeckSize; ++a) {
        hands[0] = PartialHand().plus(a);
        for (int b = a + 1; b < kDeckSize; ++b) {
            hands[1] = hands[0].plus(b);
            for (int c = b + 1; c < kDeckSize; ++c) {
                hands[2] = hands[1].plus(c);
                for (int d = c + 1; d < kDeckSize; ++d) {
                    hands[3] = hands[2].plus(d);
                    for (int e = d + 1; e < kDeckSize; ++e) {
                        hands[4] = hands[3].plus(e);
                        for (int f = e + 1; f < kDeckSize; ++f) {
                            hands[5] = hands[4].plus(f);
                            for (int g = f + 1; g < kDeckSize; ++g)
                                ++perRank[evaluator.rank(hands[5].plus(g)).value];
                        }
                    }
                }
            }
        }
    }
    CategoryCounts counts;
    for (int value = 1; value <= kHandStrengths; ++value)
        counts[HandRank{static_cast<std::uint16_t>(value)}.category()] +=
            perRank[static_cast<size_t>(value)];
    EXPECT_EQ(perRank[0], 0u);
    EXPECT_EQ(counts, kSevenCardHands);
}
#else
// Under the sanitizers all seven-card hands take too long: a seeded sample must
// show each category within five standard errors of its published frequency.
TEST(HandEvaluator, SevenCardSample) {
    const HandEvaluator& evaluator = handEvaluator();
    std::mt19937_64 random(20261207);
    std::vector<int> deck(kDeckSize);
    for (int i = 0; i < kDeckSize; ++i) deck[static_cast<size_t>(i)] = i;
    constexpr int kSample = 400000;
    CategoryCounts counts;
    for (int n = 0; n < kSample; ++n) {
        PartialHand hand;
        for (int i = 0; i < 7; ++i) {
            std::swap(deck[static_cast<size_t>(i)],
                      deck[static_cast<size_t>(i + static_cast<int>(random() % (kDeckSize - i)))]);
            hand = hand.plus(deck[static_cast<size_t>(i)]);
        }
        ++counts[evaluator.rank(hand).category()];
    }
    for (const auto& [category, published] : kSevenCardHands) {
        const double p = static_cast<double>(published) / kSevenCardTotal;
        const double error = std::sqrt(p * (1 - p) / kSample);
        EXPECT_NEAR(static_cast<double>(counts[category]) / kSample, p, 5 * error)
            << static_cast<int>(category);
    }
}
#endif

// Random hands of 5, 6 and 7 cards rank in the same order as the plain
// reference, tie exactly where it ties, and name the same category, however
// the cards are split into partial hands.
TEST(HandEvaluator, AgreesWithThePlainRules) {
    const HandEvaluator& evaluator = handEvaluator();
    std::mt19937_64 random(7462);
    std::vector<Card> deck;
    for (int i = 0; i < kDeckSize; ++i) deck.push_back(cardAt(i));
    for (const size_t size : {5u, 6u, 7u}) {
        SCOPED_TRACE(size);
        struct Ranked {
            HandRank rank;
            test::PlainStrength plain;
        };
        std::vector<Ranked> hands;
        for (int n = 0; n < 4000; ++n) {
            std::shuffle(deck.begin(), deck.end(), random);
            const std::vector<Card> cards(deck.begin(), deck.begin() + static_cast<long>(size));
            const size_t split = static_cast<size_t>(random() % (size + 1));
            const PartialHand whole(cards);
            const std::span<const Card> all(cards);
            const PartialHand first(all.first(split)), second(all.subspan(split));
            const HandRank rank = evaluator.rank(whole);
            ASSERT_EQ(evaluator.rank(first + second), rank);
            hands.push_back({rank, test::plainBestStrength(cards)});
            ASSERT_EQ(rank.category(), test::plainCategory(hands.back().plain)) << codesOf(cards);
        }
        std::sort(hands.begin(), hands.end(),
                  [](const Ranked& a, const Ranked& b) { return a.rank < b.rank; });
        for (size_t i = 1; i < hands.size(); ++i) {
            if (hands[i - 1].rank == hands[i].rank)
                ASSERT_EQ(hands[i - 1].plain, hands[i].plain);
            else
                ASSERT_LT(hands[i - 1].plain, hands[i].plain);
        }
    }
}

// The places where the rules are easiest to get wrong.
TEST(HandEvaluator, HandsThatAreEasyToMisjudge) {
    struct Case {
        const char* name;
        const char* better;
        const char* worse;  // nullptr: a split with 'tie'
        const char* tie;
    };
    const Case cases[] = {
        {"six-high straight beats the wheel", "2c 3d 4h 5s 6c Kd Kh", "Ac 2d 3h 4s 5c Kd Kh",
         nullptr},
        {"wheel beats three of a kind", "Ac 2d 3h 4s 5c 5d 5h", "Ac Ad Ah 4s 9c Jd 2h", nullptr},
        {"steel wheel is the lowest straight flush", "2h 3h 4h 5h 6h", "Ah 2h 3h 4h 5h", nullptr},
        {"ace-high straight beats king-high", "Tc Jd Qh Ks Ac", "9c Tc Jd Qh Ks", nullptr},
        {"no straight around the corner", "Qc Kd Ah 2s 3c 7d 9h", "Qc Kd Ah 2s 8c 7d 6h", nullptr},
        {"a second three of a kind fills the house", "9c 9d 9h 4s 4c 4d 2h", "9c 9d 9h 3s 3c Kd Qh",
         nullptr},
        {"best two of three pairs and the best kicker", "Kc Kd 8h 8s 3c 3d Qh",
         "Kc Kd 8h 8s 4c 4d Jh", nullptr},
        {"four of a kind plays its best kicker", "7c 7d 7h 7s Ac 2d 2h", "7c 7d 7h 7s Kc Kd Kh",
         nullptr},
        {"the fifth flush card decides", "Ah Jh 9h 6h 4h", "Ah Jh 9h 6h 3h", nullptr},
        {"suits never break ties", "Ah Kd Qc Js 9h", nullptr, "As Kc Qd Jh 9s"},
        {"a sixth and seventh card below the best five change nothing", "Ac Ad Kh Qs Jc 3d 2h",
         nullptr, "Ac Ad Kh Qs Jc 4d 2c"},
    };
    const HandEvaluator& evaluator = handEvaluator();
    const auto rankOf = [&](const char* codes) {
        return evaluator.rank(PartialHand(test::cardsOf(codes)));
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.worse)
            EXPECT_GT(rankOf(c.better), rankOf(c.worse));
        else
            EXPECT_EQ(rankOf(c.better), rankOf(c.tie));
    }
}

}  // namespace
}  // namespace korvana
