#include <algorithm>

#include "card.h"
#include "rank_tally.h"
#include "row_builder.h"

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
// the second up to secondCap, named " K K K and 5 5".
template <class AddTerms>
std::string twoGroupRow(const RowContext& ctx, int category, int firstCap, int secondCap,
                        AddTerms addTerms) {
    const RankTally tally(ctx.grid);
    const auto [first, second] = chooseGroups(tally);
    const int firstHeld = std::min(first.count, firstCap);
    const int secondHeld = second.rank ? std::min(second.count, secondCap) : 0;
    return drawRow(
        ctx, category, firstCap + secondCap, firstHeld + secondHeld,
        [&] {
            std::string ranks = detail::repeatedRank(first.rank, firstHeld);
            if (firstHeld > 0 && secondHeld > 0) (ranks += ' ') += text(ctx.language, entry::And);
            return ranks + detail::repeatedRank(second.rank, secondHeld);
        },
        [&](ProbabilitySum& sum) { addTerms(sum, tally); });
}

}  // namespace

std::string fullhouse(const RowContext& ctx) {
    return twoGroupRow(ctx, 7, kNeededCards[4], kNeededCards[3], [&](ProbabilitySum& sum, const RankTally& t) {
        const int R = ctx.toCome();
        const Extended all = C(ctx.unknown(), R);
        const Extended s1 = t.s1, s2 = t.s2, twelve = 12;
        // Each term draws some of the cards to come for the groups; the rest of
        // them fall freely among 44 cards: free(d) = R - d.
        const auto free = [R](int drawn) { return R - drawn; };
        if (t.s3 + t.s4 > 0) {
            if (t.s1 > 0)
                sum.add(C(3, 1) * s1 * C(44, free(1)) / all);
            else
                sum.add(C(4, 2) * twelve * C(44, free(2)) / all);
        } else if (t.s2 > 1) {
            sum.add(C(2, 1) * s2 * C(44, free(1)) / all);
            if (t.s1 >= 1 && R >= 2) sum.add(C(3, 2) * C(44, free(2)) / all);
        } else if (t.s2 == 1 && t.s1 >= 1) {
            sum.add(C(2, 1) * C(3, 1) * C(44, free(2)) / all);
            if (R >= 2) sum.add(C(3, 2) * C(44, free(2)) / all);
        } else if (t.s2 == 1) {
            sum.add(C(2, 1) * twelve * C(4, 2) * C(44, free(3)) / all);
            if (R >= 3) sum.add(C(4, 3) * twelve * C(44, free(3)) / all);
        } else if (t.s1 > 1) {
            sum.add(C(3, 2) * s1 * (s1 - 1) * C(3, 1) * C(44, free(3)) / all);
        } else {
            sum.add(C(3, 2) * s1 * twelve * C(4, 2) * C(44, free(4)) / all);
        }
    });
}

std::string twopairs(const RowContext& ctx) {
    return twoGroupRow(ctx, 3, kNeededCards[9], kNeededCards[8], [&](ProbabilitySum& sum, const RankTally& t) {
        const int R = ctx.toCome();
        const Extended all = C(ctx.unknown(), R);
        const Extended s1 = t.s1, twelve = 12;
        const auto free = [R](int drawn) { return R - drawn; };
        if (t.s2 + t.s3 + t.s4 > 0) {
            if (t.s1 > 0)
                sum.add(C(3, 1) * s1 * C(44, free(1)) / all);
            else
                sum.add(C(4, 2) * twelve * C(44, free(2)) / all);
        } else if (t.s1 > 1) {
            // The pairs are counted in order (s1 * (s1 - 1), not halved) as the odds always were.
            sum.add(C(3, 1) * s1 * (s1 - 1) * C(3, 1) * C(44, free(2)) / all);
        } else {
            sum.add(C(3, 1) * s1 * twelve * C(4, 2) * C(44, free(3)) / all);
        }
    });
}

}  // namespace korvana
