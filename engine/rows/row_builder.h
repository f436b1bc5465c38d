#pragma once
// The state decision every draw routine shares (not part of the engine's API).
#include <algorithm>
#include <vector>

#include "engine/rows/category_rows.h"
#include "engine/rows/odds_math.h"

namespace korvana::detail {

// Builds the row of a draw that needs `needed` cards and holds `held` of them:
// impossible when nothing is held or more cards are missing than are to come,
// complete when all are held, otherwise possible, with the odds from the
// probability terms that addTerms(sum) puts in.
// heldRanks() is only asked for when the row shows it.
template <class HeldRanks, class AddTerms>
OddsRow drawRow(const RowContext& ctx, Category category, int needed, int held, HeldRanks heldRanks,
                AddTerms addTerms) {
    OddsRow row{category, RowState::Impossible, {}, std::nullopt};
    const int missing = needed - held;
    if (missing > ctx.toCome() || held <= 0) return row;
    row.heldRanks = heldRanks();
    if (held >= needed) {
        row.state = RowState::Complete;
        return row;
    }
    ProbabilitySum sum;
    addTerms(sum);
    row.state = RowState::Possible;
    row.odds = sum.oddsNumber();
    return row;
}

// choose() widened for the extended-precision products of the terms.
inline Extended C(int n, int k) {
    return Extended(choose(n, k));
}

// Ranks of a five-rank window: window 1 is A 2 3 4 5 (the ace below the 2),
// window w = 2..10 is w .. w+4, so window 10 is T J Q K A.
inline int windowRank(int window, int position) {
    return window == 1 && position == 0 ? 14 : window + position;
}

// A rank repeated `times` times.
inline std::vector<int> repeatedRank(int rank, int times) {
    return std::vector<int>(static_cast<size_t>(std::max(times, 0)), rank);
}

}  // namespace korvana::detail
