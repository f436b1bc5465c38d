#include <algorithm>

#include "card.h"
#include "rank_tally.h"
#include "row_builder.h"

namespace korvana {
using detail::C;
using detail::drawRow;
using detail::RankTally;

std::string detail::repeatedRank(int rank, int times) {
    std::string ranks;
    for (int i = 0; i < times; ++i) (ranks += ' ') += rankText(rank);
    return ranks;
}

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
std::string sameRankRow(const RowContext& ctx, int category, int needed, AddTerms addTerms) {
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

std::string fourofakind(const RowContext& ctx) {
    return sameRankRow(ctx, 8, kNeededCards[2], [&](ProbabilitySum& sum, const RankTally& t, int free) {
        const int R = ctx.toCome();
        const Extended all = C(ctx.unknown(), R);
        if (t.s3 > 0 && R >= 1)
            sum.add(C(1, 1) * Extended(t.s3) *
                    C(48 - t.s1 - 2 * t.s2, free - 3 * (t.s3 - 1) - t.s1 - 2 * t.s2) / all);
        if (t.s2 > 0 && R >= 2)
            sum.add(C(2, 2) * Extended(t.s2) *
                    C(48 - t.s1 - 3 * t.s3, free - 2 * (t.s2 - 1) - t.s1 - 3 * t.s3) / all);
        if (t.s1 > 0 && R >= 3)
            sum.add(C(3, 3) * Extended(t.s1) *
                    C(48 - 2 * t.s2 - 3 * t.s3, free - (t.s1 - 1) - 2 * t.s2 - 3 * t.s3) / all);
    });
}

std::string threeofakind(const RowContext& ctx) {
    return sameRankRow(ctx, 4, kNeededCards[7], [&](ProbabilitySum& sum, const RankTally& t, int free) {
        const int R = ctx.toCome();
        const Extended all = C(ctx.unknown(), R);
        if (t.s2 > 0 && R >= 1)
            sum.add(C(2, 1) * Extended(t.s2) * C(48 - t.s1, free - 2 * (t.s2 - 1) - t.s1) / all);
        if (t.s1 > 0 && R >= 2)
            sum.add(C(3, 2) * Extended(t.s1) * C(48 - 2 * t.s2, free - (t.s1 - 1) - 2 * t.s2) / all);
    });
}

std::string pair(const RowContext& ctx) {
    return sameRankRow(ctx, 2, kNeededCards[10], [&](ProbabilitySum& sum, const RankTally& t, int free) {
        const int R = ctx.toCome();
        if (t.s1 > 0 && R >= 1)
            sum.add(C(3, 1) * Extended(t.s1) * C(48, free - (t.s1 - 1)) / C(ctx.unknown(), R));
    });
}

}  // namespace korvana
