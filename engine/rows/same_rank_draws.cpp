#include <algorithm>

#include "engine/rows/rank_tally.h"
#include "engine/rows/row_builder.h"

namespace korvana {
using detail::C;
using detail::drawRow;
using detail::RankTally;

namespace {

// The highest rank among those with the most known cards (14 when none is known).
int bestRank(const RankTally& tally) {
    int best = 2;
    for (int rank = 2; rank <= 14; ++rank)
        if (tally.of(rank) >= tally.of(best)) best = rank;
    return best;
}

// Rows of Four of a kind, Three of a kind and Pair: they follow the best rank,
// holding at most `needed` of its cards.
template <class AddTerms>
OddsRow sameRankRow(const RowContext& ctx, Category category, int needed, AddTerms addTerms) {
    const RankTally tally(ctx.grid);
    const int rank = bestRank(tally);
    const int held = std::min(tally.of(rank), needed);
    return drawRow(
        ctx, category, needed, held, [&] { return detail::repeatedRank(rank, held); },
        [&](ProbabilitySum& sum) { addTerms(sum, tally, ctx.target - needed); });
}

}  // namespace

// One term per group size g below n, largest first: completing a group of g
// cards with n - g of the remaining cards of its rank, over all ways the cards
// to come can fall. The products run left to right in extended precision.

OddsRow fourOfAKindRow(const RowContext& ctx) {
    return sameRankRow(ctx, Category::FourOfAKind, kFourOfAKindCards,
                       [&](ProbabilitySum& sum, const RankTally& t, int free) {
                           const int R = ctx.toCome();
                           const Extended all = C(ctx.unknown(), R);
                           if (t.trips > 0 && R >= 1)
                               sum.add(C(1, 1) * Extended(t.trips) *
                                       C(48 - t.singles - 2 * t.pairs,
                                         free - 3 * (t.trips - 1) - t.singles - 2 * t.pairs) /
                                       all);
                           if (t.pairs > 0 && R >= 2)
                               sum.add(C(2, 2) * Extended(t.pairs) *
                                       C(48 - t.singles - 3 * t.trips,
                                         free - 2 * (t.pairs - 1) - t.singles - 3 * t.trips) /
                                       all);
                           if (t.singles > 0 && R >= 3)
                               sum.add(C(3, 3) * Extended(t.singles) *
                                       C(48 - 2 * t.pairs - 3 * t.trips,
                                         free - (t.singles - 1) - 2 * t.pairs - 3 * t.trips) /
                                       all);
                       });
}

OddsRow threeOfAKindRow(const RowContext& ctx) {
    return sameRankRow(
        ctx, Category::ThreeOfAKind, kThreeOfAKindCards,
        [&](ProbabilitySum& sum, const RankTally& t, int free) {
            const int R = ctx.toCome();
            const Extended all = C(ctx.unknown(), R);
            if (t.pairs > 0 && R >= 1)
                sum.add(C(2, 1) * Extended(t.pairs) *
                        C(48 - t.singles, free - 2 * (t.pairs - 1) - t.singles) / all);
            if (t.singles > 0 && R >= 2)
                sum.add(C(3, 2) * Extended(t.singles) *
                        C(48 - 2 * t.pairs, free - (t.singles - 1) - 2 * t.pairs) / all);
        });
}

OddsRow pairRow(const RowContext& ctx) {
    return sameRankRow(ctx, Category::Pair, kPairCards,
                       [&](ProbabilitySum& sum, const RankTally& t, int free) {
                           const int R = ctx.toCome();
                           if (t.singles > 0 && R >= 1)
                               sum.add(C(3, 1) * Extended(t.singles) *
                                       C(48, free - (t.singles - 1)) / C(ctx.unknown(), R));
                       });
}

}  // namespace korvana
