#pragma once
// An independent, slow statement of which of two hands wins: every five of the
// cards are ranked by the rules written out plainly and the best five count.
#include <algorithm>
#include <array>
#include <compare>
#include <map>
#include <vector>

#include "engine/cards/card.h"
#include "engine/cards/category.h"

namespace korvana::test {

struct PlainStrength {
    int category = 0;        // 0 high card .. 8 straight flush
    std::vector<int> ranks;  // the ranks that break ties, most important first
    friend auto operator<=>(const PlainStrength&, const PlainStrength&) = default;
};

inline PlainStrength plainFiveCardStrength(const std::array<Card, 5>& cards) {
    std::map<int, int> perRank;
    for (const Card& c : cards) ++perRank[c.rank];
    // Ranks ordered by how many cards share them, then by rank, both high first.
    std::vector<std::pair<int, int>> groups;  // (count, rank)
    for (const auto& [rank, count] : perRank) groups.push_back({count, rank});
    std::sort(groups.rbegin(), groups.rend());
    std::vector<int> ranks;
    for (const auto& [count, rank] : groups) ranks.insert(ranks.end(), count, rank);

    const bool flush = std::all_of(cards.begin(), cards.end(),
                                   [&](const Card& c) { return c.suit == cards[0].suit; });
    const bool fiveRanks = groups.size() == 5;
    const bool wheel = fiveRanks && ranks == std::vector<int>{14, 5, 4, 3, 2};
    const bool straight = fiveRanks && (ranks.front() - ranks.back() == 4 || wheel);
    if (straight) ranks = {wheel ? 5 : ranks.front()};

    int category = 0;
    if (straight && flush)
        category = 8;
    else if (groups[0].first == 4)
        category = 7;
    else if (groups[0].first == 3 && groups[1].first == 2)
        category = 6;
    else if (flush)
        category = 5;
    else if (straight)
        category = 4;
    else if (groups[0].first == 3)
        category = 3;
    else if (groups[0].first == 2 && groups[1].first == 2)
        category = 2;
    else if (groups[0].first == 2)
        category = 1;
    return {category, ranks};
}

// The best five of 5..7 cards.
inline PlainStrength plainBestStrength(const std::vector<Card>& cards) {
    PlainStrength best{-1, {}};
    const size_t n = cards.size();
    for (size_t a = 0; a < n; ++a)
        for (size_t b = a + 1; b < n; ++b)
            for (size_t c = b + 1; c < n; ++c)
                for (size_t d = c + 1; d < n; ++d)
                    for (size_t e = d + 1; e < n; ++e)
                        best = std::max(best, plainFiveCardStrength({cards[a], cards[b], cards[c],
                                                                     cards[d], cards[e]}));
    return best;
}

inline Category plainCategory(const PlainStrength& strength) {
    constexpr std::array<Category, 9> kNamed = {
        Category::HighCard,     Category::Pair,        Category::TwoPairs,
        Category::ThreeOfAKind, Category::Straight,    Category::Flush,
        Category::FullHouse,    Category::FourOfAKind, Category::StraightFlush,
    };
    if (strength.category == 8 && strength.ranks.front() == 14) return Category::RoyalFlush;
    return kNamed[static_cast<size_t>(strength.category)];
}

}  // namespace korvana::test
