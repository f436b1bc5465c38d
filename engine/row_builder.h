#pragma once
// The state decision every draw routine shares (not part of the engine's API).
#include <string>

#include "categories.h"
#include "odds_math.h"
#include "odds_row.h"

namespace korvana::detail {

// Builds the row of a draw that needs `needed` cards and holds `held` of them:
// impossible when nothing is held or more cards are missing than are to come,
// complete when all are held (raising the best category), otherwise possible,
// with the odds from the probability terms that addTerms(sum) puts in.
// heldRanks() is only asked for when the row shows it.
template <class HeldRanks, class AddTerms>
std::string drawRow(const RowContext& ctx, int category, int needed, int held,
                    HeldRanks heldRanks, AddTerms addTerms) {
    const int missing = needed - held;
    if (missing > ctx.toCome() || held <= 0) return impossibleRow(ctx.language, category);
    const std::string ranks = heldRanks();
    if (held >= needed) {
        ctx.raiseBest(category);
        return completeRow(ctx.language, category, ranks);
    }
    ProbabilitySum sum;
    addTerms(sum);
    return possibleRow(ctx.language, category, ranks,
                       oddsNumberText(sum.oddsNumber(), ctx.decimalSeparator));
}

// combinations() widened for the extended-precision products of the terms.
inline Extended C(int n, int k) { return Extended(combinations(n, k)); }

// Ranks of a five-rank window: window 1 is A 2 3 4 5 (the ace below the 2),
// window w = 2..10 is w .. w+4, so window 10 is T J Q K A.
inline int windowRank(int window, int position) {
    return window == 1 && position == 0 ? 14 : window + position;
}

}  // namespace korvana::detail
