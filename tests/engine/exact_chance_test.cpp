// Exact chances and outs against counts worked out independently: the published
// frequencies of poker hands, closed forms for common draws, and a slow
// enumeration of every completion.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "engine/rows/exact_chance.h"
#include "engine/text/string_table.h"
#include "tests/engine/hand_builder.h"
#include "tests/engine/poker_reference.h"

namespace korvana {
namespace {

using test::cardsOf;

std::string codesOf(const std::vector<Card>& cards) {
    std::string text;
    for (const Card& card : cards) text += (text.empty() ? "" : " ") + cardCode(card);
    return text;
}

// Containment counts with no card known, in list order (Royal Flush .. High card).
// Royal Flush, Four of a kind: the published counts (neither shares its cards
// with a better hand). Straight Flush: published straight flushes plus royal
// flushes. Full house: published full houses plus four of a kind with a pair
// beside it (13 x (C(48,3) - C(12,3) x 4^3) with seven cards). Flush:
// 4 x sum C(13,j) x C(39,T-j) over j >= 5. Pair: all hands but those with
// T different ranks (C(13,T) x 4^T). Straight, Three of a kind and Two Pairs,
// which also hide in better hands, are summed over the rank patterns of T cards.
// Five cards check against the published list directly, as nothing overlaps there
// beyond the nesting of the suited hands and of the same-rank hands.
TEST(ExactChance, NoCardKnownMatchesThePublishedFrequencies) {
    struct Case {
        int target;
        std::uint64_t total;
        std::array<std::uint64_t, 10> containing;
    };
    const Case cases[] = {
        {5, 2598960, {4, 40, 624, 3744, 5148, 10240, 59280, 127296, 1281072, 2598960}},
        {6,
         20358520,
         {188, 1844, 14664, 166920, 207636, 367616, 912808, 2699736, 13329784, 20358520}},
        {7,
         133784560,
         {4324, 41584, 224848, 3514992, 4089228, 6454272, 10287472, 35638512, 105669616,
          133784560}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.target);
        const auto chances = exactChances({}, c.target);
        for (size_t row = 0; row < 10; ++row) {
            SCOPED_TRACE(row);
            EXPECT_EQ(chances.rows[row].chance.completions, c.total);
            EXPECT_EQ(chances.rows[row].chance.hits, c.containing[row]);
            // One card makes no hand but High card, and any card makes that.
            EXPECT_EQ(chances.rows[row].outs.size(), row == 9 ? 52u : 0u);
        }
    }
}

TEST(ExactChance, ClosedFormsOfCommonDraws) {
    struct Case {
        const char* name;
        const char* cards;
        int target;
        Category category;
        std::uint64_t hits, completions;
        const char* outs;
    };
    const Case cases[] = {
        {"flush draw on the flop by the river", "Ah Kh 7h 2h 9c", 7, Category::Flush, 378, 1081,
         "3h 4h 5h 6h 8h 9h Th Jh Qh"},
        {"flush draw on the flop by the turn", "Ah Kh 7h 2h 9c", 6, Category::Flush, 9, 47,
         "3h 4h 5h 6h 8h 9h Th Jh Qh"},
        {"open-ended straight draw by the river", "5c 6d 7h 8s Kc", 7, Category::Straight, 340,
         1081, "4c 9c 4d 9d 4h 9h 4s 9s"},
        {"open-ended straight draw by the turn", "5c 6d 7h 8s Kc", 6, Category::Straight, 8, 47,
         "4c 9c 4d 9d 4h 9h 4s 9s"},
        {"gutshot by the turn", "As Kd Qc Ts 9h", 6, Category::Straight, 4, 47, "Jc Jd Jh Js"},
        {"pocket pair to three of a kind by the flop", "7c 7d", 5, Category::ThreeOfAKind, 2352,
         19600, "7h 7s"},
        {"two pair to full house on the turn", "7c 7d Kc Kd 2s", 6, Category::FullHouse, 4, 47,
         "7h Kh 7s Ks"},
        {"suited ace king to a royal flush by the flop", "Kh Ah", 5, Category::RoyalFlush, 1, 19600,
         ""},
        {"four to a royal flush by the turn", "Th Jh Qh Kh 2c", 6, Category::RoyalFlush, 1, 47,
         "Ah"},
        {"no card to come", "Th Jh Qh Kh 2c", 5, Category::RoyalFlush, 0, 1, ""},
        {"a royal flush still possible with five cards to come", "2c 3d", 7, Category::RoyalFlush,
         4, 2118760, ""},  // one of four royals as the five cards, out of C(50,5)
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto cards = cardsOf(c.cards);
        const auto chances = exactChances(cards, c.target);
        const auto& row = chances.of(c.category);
        EXPECT_EQ(row.chance.hits, c.hits);
        EXPECT_EQ(row.chance.completions, c.completions);
        EXPECT_DOUBLE_EQ(row.chance.probability, double(c.hits) / double(c.completions));
        EXPECT_EQ(codesOf(row.outs), c.outs);
    }
}

TEST(ExactChance, RejectsWhatIsNotAStateOfTheTable) {
    const auto eight = cardsOf("2c 3c 4c 5c 6c 7c 8c 9c");
    const auto twice = cardsOf("2c 2c");
    const std::vector<Card> badCard = {Card{15, Suit::Clubs}};
    EXPECT_THROW(exactChances(twice, 5), std::invalid_argument);
    EXPECT_THROW(exactChances(badCard, 5), std::invalid_argument);
    EXPECT_THROW(exactChances(std::span(eight).first(6), 5), std::invalid_argument);
    EXPECT_THROW(exactChances(eight, 7), std::invalid_argument);
    EXPECT_THROW(exactChances({}, 4), std::invalid_argument);
    EXPECT_THROW(exactChances({}, 8), std::invalid_argument);
}

// States too large to enumerate are tied to smaller ones: taking each possible
// next card in turn meets every completion once for each of its missing cards.
TEST(ExactChance, EachNextCardSharesTheCompletions) {
    const struct {
        const char* cards;
        int target;
    } cases[] = {
        {"", 5}, {"Ah", 7}, {"Kh Ah", 7}, {"7c 7d", 6}, {"5h 6h 9c", 7}, {"Th Jh Qh", 7},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.cards) + " target " + std::to_string(c.target));
        auto cards = cardsOf(c.cards);
        const auto whole = exactChances(cards, c.target);
        const std::uint64_t missing = static_cast<std::uint64_t>(c.target) - cards.size();
        std::array<std::uint64_t, 10> sum{};
        for (const auto& code : allCardCodes()) {
            const Card next = *parseCardCode(code);
            if (std::find(cards.begin(), cards.end(), next) != cards.end()) continue;
            cards.push_back(next);
            const auto part = exactChances(cards, c.target);
            cards.pop_back();
            for (size_t row = 0; row < 10; ++row) sum[row] += part.rows[row].chance.hits;
        }
        for (size_t row = 0; row < 10; ++row)
            EXPECT_EQ(sum[row], missing * whole.rows[row].chance.hits) << row;
    }
}

// Every completion laid out by plain loops and judged by the reference rules.
struct BruteForce {
    std::map<Category, std::uint64_t> hits;
    std::uint64_t completions = 0;
    std::map<Category, std::vector<Card>> outs;
};

BruteForce bruteForce(const std::vector<Card>& counted, int target) {
    std::vector<Card> rest;
    for (const auto& code : allCardCodes()) {
        const Card card = *parseCardCode(code);
        if (std::find(counted.begin(), counted.end(), card) == counted.end()) rest.push_back(card);
    }
    BruteForce result;
    const size_t missing = static_cast<size_t>(target) - counted.size();
    std::vector<size_t> pick(missing);
    for (size_t i = 0; i < missing; ++i) pick[i] = i;
    while (true) {
        std::vector<Card> cards = counted;
        for (const size_t i : pick) cards.push_back(rest[i]);
        const auto made = test::madeCategories(cards);
        ++result.completions;
        for (const Category category : kCategoriesInListOrder)
            result.hits[category] += made.has(category);
        // next combination of `missing` indexes out of rest.size()
        size_t i = missing;
        while (i > 0 && pick[i - 1] == rest.size() - missing + i - 1) --i;
        if (i == 0) break;
        ++pick[i - 1];
        for (size_t j = i; j < missing; ++j) pick[j] = pick[j - 1] + 1;
    }
    if (missing == 0) return result;
    const auto madeNow = test::madeCategories(counted);
    for (const Card& card : rest) {
        auto cards = counted;
        cards.push_back(card);
        const auto made = test::madeCategories(cards);
        for (const Category category : kCategoriesInListOrder)
            if (made.has(category) && !madeNow.has(category)) result.outs[category].push_back(card);
    }
    return result;
}

TEST(ExactChance, AgreesWithEnumeratingEveryCompletion) {
    std::mt19937 random(20261207);
    std::vector<Card> deck;
    for (const auto& code : allCardCodes()) deck.push_back(*parseCardCode(code));
    // Mostly few cards to come; a handful of states with three. Small decks of
    // ranks and suits make pairs, flushes and straights common enough to matter.
    for (int n = 0; n < 300; ++n) {
        const int target = 5 + n % 3;
        const int missing = n % 25 == 0 ? 3 : n % 3;
        std::shuffle(deck.begin(), deck.end(), random);
        std::vector<Card> pool = deck;
        if (n % 2 == 0)  // crowd the cards together: few suits or a narrow band of ranks
            std::erase_if(pool, [n](const Card& c) {
                return n % 4 == 0 ? suitIndex(c.suit) >= 2 : c.rank < 8;
            });
        const std::vector<Card> counted(pool.begin(), pool.begin() + (target - missing));
        SCOPED_TRACE(codesOf(counted) + " target " + std::to_string(target));

        auto expected = bruteForce(counted, target);  // a hand never made has no entry yet
        const auto chances = exactChances(counted, target);
        for (const Category category : kCategoriesInListOrder) {
            SCOPED_TRACE(categoryName(Language::English, category));
            const auto& row = chances.of(category);
            EXPECT_EQ(row.chance.completions, expected.completions);
            EXPECT_EQ(row.chance.hits, expected.hits[category]);
            EXPECT_EQ(codesOf(row.outs), codesOf(expected.outs[category]));
            if (test::madeCategories(counted).has(category)) {
                EXPECT_EQ(row.chance.probability, 1.0);
            }
        }
    }
}

}  // namespace
}  // namespace korvana
