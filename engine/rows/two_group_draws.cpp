#include <algorithm>

#include <vector>

#include "engine/rows/rank_tally.h"
#include "engine/rows/row_builder.h"

namespace korvana {
using detail::C;
using detail::drawRow;
using detail::RankTally;

namespace {

struct Group {
    int rank = 0;  // 0: no rank yet
    int count = 0;
};

// The two most advanced ranks: a larger count beats a higher rank, equal counts
// go to the higher rank, in both groups.
std::pair<Group, Group> chooseGroups(const RankTally& tally) {
    Group first, second;
    for (int rank = 2; rank <= 14; ++rank) {
        const int c = tally.of(rank);
        if (c >= first.count) {
            second = first;
            first = {rank, c};
        } else if (c >= second.count) {
            second = {rank, c};
        }
    }
    return {first, second};
}

// Rows of Full house and Two Pairs: the first group held up to firstCap cards,
// the second up to secondCap; the held ranks list the first group, then the second.
template <class AddTerms>
OddsRow twoGroupRow(const RowContext& ctx, Category category, int firstCap, int secondCap,
                    AddTerms addTerms) {
    const RankTally tally(ctx.grid);
    const auto [first, second] = chooseGroups(tally);
    const int firstHeld = std::min(first.count, firstCap);
    const int secondHeld = second.rank ? std::min(second.count, secondCap) : 0;
    return drawRow(
        ctx, category, firstCap + secondCap, firstHeld + secondHeld,
        [&] {
            std::vector<int> ranks = detail::repeatedRank(first.rank, firstHeld);
            const std::vector<int> secondRanks = detail::repeatedRank(second.rank, secondHeld);
            ranks.insert(ranks.end(), secondRanks.begin(), secondRanks.end());
            return ranks;
        },
        [&](ProbabilitySum& sum) { addTerms(sum, tally); });
}

}  // namespace

OddsRow fullHouseRow(const RowContext& ctx) {
    return twoGroupRow(
        ctx, Category::FullHouse, kFullHouseTripsCards, kFullHousePairCards,
        [&](ProbabilitySum& sum, const RankTally& t) {
            const int R = ctx.toCome();
            const Extended all = C(ctx.unknown(), R);
            const Extended singles = t.singles, pairs = t.pairs, twelve = 12;
            // Each term draws some of the cards to come for the groups; the rest of
            // them fall freely among 44 cards: free(d) = R - d.
            const auto free = [R](int drawn) { return R - drawn; };
            if (t.trips + t.quads > 0) {
                if (t.singles > 0)
                    sum.add(C(3, 1) * singles * C(44, free(1)) / all);
                else
                    sum.add(C(4, 2) * twelve * C(44, free(2)) / all);
            } else if (t.pairs > 1) {
                sum.add(C(2, 1) * pairs * C(44, free(1)) / all);
                if (t.singles >= 1 && R >= 2) sum.add(C(3, 2) * C(44, free(2)) / all);
            } else if (t.pairs == 1 && t.singles >= 1) {
                sum.add(C(2, 1) * C(3, 1) * C(44, free(2)) / all);
                if (R >= 2) sum.add(C(3, 2) * C(44, free(2)) / all);
            } else if (t.pairs == 1) {
                sum.add(C(2, 1) * twelve * C(4, 2) * C(44, free(3)) / all);
                if (R >= 3) sum.add(C(4, 3) * twelve * C(44, free(3)) / all);
            } else if (t.singles > 1) {
                sum.add(C(3, 2) * singles * (singles - 1) * C(3, 1) * C(44, free(3)) / all);
            } else {
                sum.add(C(3, 2) * singles * twelve * C(4, 2) * C(44, free(4)) / all);
            }
        });
}

OddsRow twoPairsRow(const RowContext& ctx) {
    return twoGroupRow(
        ctx, Category::TwoPairs, kTwoPairsPairCards, kTwoPairsPairCards,
        [&](ProbabilitySum& sum, const RankTally& t) {
            const int R = ctx.toCome();
            const Extended all = C(ctx.unknown(), R);
            const Extended singles = t.singles, twelve = 12;
            const auto free = [R](int drawn) { return R - drawn; };
            if (t.pairs + t.trips + t.quads > 0) {
                if (t.singles > 0)
                    sum.add(C(3, 1) * singles * C(44, free(1)) / all);
                else
                    sum.add(C(4, 2) * twelve * C(44, free(2)) / all);
            } else if (t.singles > 1) {
                // The pairs are counted in order, singles * (singles - 1), not halved.
                sum.add(C(3, 1) * singles * (singles - 1) * C(3, 1) * C(44, free(2)) / all);
            } else {
                sum.add(C(3, 1) * singles * twelve * C(4, 2) * C(44, free(3)) / all);
            }
        });
}

}  // namespace korvana
