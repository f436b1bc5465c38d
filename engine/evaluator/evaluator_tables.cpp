#include "engine/evaluator/evaluator_tables.h"

#include <algorithm>
#include <bit>
#include <initializer_list>
#include <utility>
#include <vector>

#include "engine/cards/category.h"

namespace korvana {
namespace {

// Ranks here run 0 (the 2) .. 12 (the ace), as bits of the rank masks.
constexpr int kAce = 12;

// A five-card strength before numbering: the category's place in kWeakestFirst,
// then up to five ranks that break ties, most important first, four bits each.
using Strength = std::uint32_t;

// The royal flush is the top straight flush, so it needs no place of its own.
constexpr std::array<Category, 9> kWeakestFirst = {
    Category::HighCard,     Category::Pair,        Category::TwoPairs,
    Category::ThreeOfAKind, Category::Straight,    Category::Flush,
    Category::FullHouse,    Category::FourOfAKind, Category::StraightFlush,
};

Strength strengthOf(Category category, std::initializer_list<int> ranks) {
    auto strength = static_cast<Strength>(
        std::find(kWeakestFirst.begin(), kWeakestFirst.end(), category) - kWeakestFirst.begin());
    for (const int rank : ranks) strength = strength * 16 + static_cast<Strength>(rank);
    for (size_t n = ranks.size(); n < 5; ++n) strength *= 16;
    return strength;
}

// The top rank of the highest five ranks in a row in the mask, the ace also
// playing below the 2; -1 without five in a row.
int topOfFiveInARow(unsigned mask) {
    for (int top = kAce; top >= 4; --top)
        if (((mask >> (top - 4)) & 0x1fu) == 0x1fu) return top;
    constexpr unsigned kWheel = (1u << kAce) | 0xfu;  // A-2-3-4-5, topped by the 5
    return (mask & kWheel) == kWheel ? 3 : -1;
}

// The highest ranks of the mask, best first (as many as it holds, up to five).
std::array<int, 5> highest(unsigned mask) {
    std::array<int, 5> ranks{};
    size_t n = 0;
    for (int rank = kAce; rank >= 0 && n < ranks.size(); --rank)
        if ((mask >> rank) & 1u) ranks[n++] = rank;
    return ranks;
}

Strength flushStrength(unsigned mask) {
    if (const int top = topOfFiveInARow(mask); top >= 0)
        return strengthOf(Category::StraightFlush, {top});
    const auto five = highest(mask);
    return strengthOf(Category::Flush, {five[0], five[1], five[2], five[3], five[4]});
}

using RankCounts = std::array<int, 13>;

// The best hand of 5..7 cards whose suits make no flush.
Strength strengthWithoutFlush(const RankCounts& count) {
    unsigned present = 0, pairs = 0, trips = 0;
    int four = -1;
    for (int rank = 0; rank <= kAce; ++rank) {
        const int n = count[static_cast<size_t>(rank)];
        if (n >= 1) present |= 1u << rank;
        if (n == 2) pairs |= 1u << rank;
        if (n == 3) trips |= 1u << rank;
        if (n == 4) four = rank;
    }
    const auto without = [&](std::initializer_list<int> ranks) {
        unsigned mask = present;
        for (const int rank : ranks) mask &= ~(1u << rank);
        return mask;
    };
    if (four >= 0) return strengthOf(Category::FourOfAKind, {four, highest(without({four}))[0]});
    if (trips != 0) {
        const int three = highest(trips)[0];
        // A second three of a kind also fills the house, as a pair.
        const unsigned pairFillers = pairs | (trips & ~(1u << three));
        if (pairFillers != 0)
            return strengthOf(Category::FullHouse, {three, highest(pairFillers)[0]});
    }
    if (const int top = topOfFiveInARow(present); top >= 0)
        return strengthOf(Category::Straight, {top});
    if (trips != 0) {
        const int three = highest(trips)[0];
        const auto kickers = highest(without({three}));
        return strengthOf(Category::ThreeOfAKind, {three, kickers[0], kickers[1]});
    }
    if (std::popcount(pairs) >= 2) {
        const auto two = highest(pairs);
        return strengthOf(Category::TwoPairs,
                          {two[0], two[1], highest(without({two[0], two[1]}))[0]});
    }
    if (pairs != 0) {
        const int pair = highest(pairs)[0];
        const auto kickers = highest(without({pair}));
        return strengthOf(Category::Pair, {pair, kickers[0], kickers[1], kickers[2]});
    }
    const auto five = highest(present);
    return strengthOf(Category::HighCard, {five[0], five[1], five[2], five[3], five[4]});
}

constexpr std::array<std::uint32_t, 13> kPowersOf5 = [] {
    std::array<std::uint32_t, 13> powers{};
    std::uint32_t power = 1;
    for (auto& p : powers) p = std::exchange(power, power * 5);
    return powers;
}();

RankCounts countsOf(std::uint32_t base5) {
    RankCounts count{};
    for (auto& n : count) {
        n = static_cast<int>(base5 % 5);
        base5 /= 5;
    }
    return count;
}

// The rank counts (in base 5, as PartialHand sums them) of every hand of up to
// seven cards by rank alone, by the number of cards. Each size grows the one
// below by a card no lower than its highest, so no hand comes twice.
std::array<std::vector<std::uint32_t>, 8> rankCountsBySize() {
    struct Grown {
        std::uint32_t base5;
        int highest, ofHighest;
    };
    std::array<std::vector<std::uint32_t>, 8> bySize;
    std::vector<Grown> grown = {{0, 0, 0}}, next;
    bySize[0] = {0};
    for (size_t cards = 1; cards < bySize.size(); ++cards) {
        next.clear();
        for (const Grown& g : grown)
            for (int rank = g.highest; rank <= kAce; ++rank) {
                const int held = rank == g.highest ? g.ofHighest : 0;
                if (held < 4)
                    next.push_back(
                        {g.base5 + kPowersOf5[static_cast<size_t>(rank)], rank, held + 1});
            }
        grown.swap(next);
        for (const Grown& g : grown) bySize[cards].push_back(g.base5);
    }
    return bySize;
}

std::vector<std::uint32_t> fiveOrSix(const std::array<std::vector<std::uint32_t>, 8>& bySize) {
    std::vector<std::uint32_t> both = bySize[5];
    both.insert(both.end(), bySize[6].begin(), bySize[6].end());
    return both;
}

// Every five-card strength, weakest first: a hand's rank is its place here plus one.
std::vector<Strength> allStrengths(const std::vector<std::uint32_t>& fiveCardCounts) {
    std::vector<Strength> all;
    for (const std::uint32_t base5 : fiveCardCounts)
        all.push_back(strengthWithoutFlush(countsOf(base5)));
    for (unsigned mask = 0; mask < (1u << 13); ++mask)
        if (std::popcount(mask) == 5) all.push_back(flushStrength(mask));
    std::sort(all.begin(), all.end());
    all.erase(std::unique(all.begin(), all.end()), all.end());
    return all;
}

}  // namespace

EvaluatorTables makeEvaluatorTables() {
    const auto bySize = rankCountsBySize();
    RankCountTable<13, 16> sevenCards_(bySize[7]);
    RankCountTable<12, 15> fiveOrSixCards_(fiveOrSix(bySize));
    std::array<HandRank, 1 << 13> flushRanks_{};
    const std::vector<Strength> strengths = allStrengths(bySize[5]);
    const auto rankOf = [&](Strength strength) {
        const auto at = std::lower_bound(strengths.begin(), strengths.end(), strength);
        return HandRank{static_cast<std::uint16_t>(at - strengths.begin() + 1)};
    };
    for (unsigned mask = 0; mask < flushRanks_.size(); ++mask)
        if (std::popcount(mask) >= 5) flushRanks_[mask] = rankOf(flushStrength(mask));
    for (const std::uint32_t base5 : bySize[5])
        fiveOrSixCards_.set(base5, rankOf(strengthWithoutFlush(countsOf(base5))));
    // The best five of six or seven cards are the best five of the cards left
    // after putting one of them aside.
    const auto bestLeavingOneOut = [&](std::uint32_t base5) {
        const RankCounts count = countsOf(base5);
        HandRank best;
        for (size_t rank = 0; rank < count.size(); ++rank)
            if (count[rank] > 0)
                best = std::max(best, fiveOrSixCards_.at(base5 - kPowersOf5[rank]));
        return best;
    };
    for (const std::uint32_t base5 : bySize[6])
        fiveOrSixCards_.set(base5, bestLeavingOneOut(base5));
    for (const std::uint32_t base5 : bySize[7]) sevenCards_.set(base5, bestLeavingOneOut(base5));
    EvaluatorTables tables;
    for (size_t mask = 0; mask < flushRanks_.size(); ++mask)
        tables.flushRanks[mask] = flushRanks_[mask].value;
    tables.sevenCards = sevenCards_.layout();
    tables.fiveOrSixCards = fiveOrSixCards_.layout();
    return tables;
}

}  // namespace korvana
