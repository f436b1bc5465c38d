#include <array>
#include <vector>

#include "engine/rows/row_builder.h"

namespace korvana {
using detail::C;
using detail::drawRow;
using detail::windowRank;

namespace {
// Known cards of each suit, by suitIndex.
using SuitCounts = std::array<int, kSuits.size()>;

// The last suit with the largest count: equal counts go to s, then h, d, c.
Suit chosenSuit(const SuitCounts& count) {
    Suit chosen = Suit::Clubs;
    for (const Suit suit : kSuits)
        if (count[suitIndex(suit)] >= count[suitIndex(chosen)]) chosen = suit;
    return chosen;
}
}  // namespace

OddsRow royalFlushRow(const RowContext& ctx) {
    SuitCounts count{};
    for (const Suit suit : kSuits)
        for (int rank = 10; rank <= 14; ++rank) count[suitIndex(suit)] += ctx.grid.at(rank, suit);
    const Suit suit = chosenSuit(count);
    const int held = count[suitIndex(suit)];
    const int needed = kRoyalFlushCards;
    const int missing = needed - held;
    return drawRow(
        ctx, Category::RoyalFlush, needed, held,
        [&] {
            std::vector<int> ranks;
            for (int rank = 10; rank <= 14; ++rank)
                if (ctx.grid.at(rank, suit)) ranks.push_back(rank);
            return ranks;
        },
        [&](ProbabilitySum& sum) {
            // Only the chosen suit counts, even when another suit holds as many.
            sum.add(Extended(1) * C(ctx.unknown() - missing, ctx.toCome() - missing) /
                    C(ctx.unknown(), ctx.toCome()));
        });
}

OddsRow straightFlushRow(const RowContext& ctx) {
    std::array<SuitCounts, 11> count{};  // by window 1..10
    int bestWindow = 1;
    Suit bestSuit = Suit::Clubs;
    const auto countOf = [&count](int window, Suit suit) -> int& {
        return count[static_cast<size_t>(window)][suitIndex(suit)];
    };
    for (int window = 1; window <= 10; ++window) {
        for (const Suit suit : kSuits) {
            for (int position = 0; position < 5; ++position)
                countOf(window, suit) += ctx.grid.at(windowRank(window, position), suit);
            // Later pairs win ties: the highest window, then the highest suit.
            if (countOf(window, suit) >= countOf(bestWindow, bestSuit)) {
                bestWindow = window;
                bestSuit = suit;
            }
        }
    }
    const int held = countOf(bestWindow, bestSuit);
    int ways = 0;
    for (int window = 1; window <= 10; ++window)
        for (const Suit suit : kSuits)
            if (countOf(window, suit) == held) ++ways;
    const int needed = kStraightFlushCards;
    const int missing = needed - held;
    return drawRow(
        ctx, Category::StraightFlush, needed, held,
        [&] {
            std::vector<int> ranks;
            for (int position = 0; position < 5; ++position) {
                const int rank = windowRank(bestWindow, position);
                if (ctx.grid.at(rank, bestSuit)) ranks.push_back(rank);
            }
            return ranks;
        },
        [&](ProbabilitySum& sum) {
            sum.add(Extended(ways) * C(ctx.unknown() - missing, ctx.toCome() - missing) /
                    C(ctx.unknown(), ctx.toCome()));
        });
}

OddsRow flushRow(const RowContext& ctx) {
    SuitCounts count{};
    for (const Suit suit : kSuits)
        for (int rank = 2; rank <= 14; ++rank) count[suitIndex(suit)] += ctx.grid.at(rank, suit);
    const Suit suit = chosenSuit(count);
    const int held = count[suitIndex(suit)];
    const int needed = kFlushCards;
    return drawRow(
        ctx, Category::Flush, needed, held,
        [&] {
            std::vector<int> ranks;
            for (int rank = 2; rank <= 14; ++rank)
                if (ctx.grid.at(rank, suit)) ranks.push_back(rank);
            // A complete flush names its five highest cards; a draw (at most four) names all.
            if (ranks.size() > 5) ranks.erase(ranks.begin(), ranks.end() - 5);
            return ranks;
        },
        [&](ProbabilitySum& sum) {
            // Every suit that holds a card and can still reach five adds its own chance.
            for (const int inSuit : count) {
                const int missingInSuit = 5 - inSuit;
                if (inSuit <= 0 || missingInSuit > ctx.toCome()) continue;
                sum.add(C(13 - inSuit, missingInSuit) *
                        C(ctx.unknown() - missingInSuit, ctx.toCome() - missingInSuit) /
                        C(ctx.unknown(), ctx.toCome()));
            }
        });
}

}  // namespace korvana
