#include <vector>

#include "engine/rows/row_builder.h"

namespace korvana {
using detail::C;
using detail::drawRow;
using detail::windowRank;

OddsRow straightRow(const RowContext& ctx) {
    int count[11] = {};
    int bestWindow = 1;
    for (int window = 1; window <= 10; ++window) {
        // A rank counts once however many of its cards are known; suits do not matter.
        for (int position = 0; position < 5; ++position)
            if (ctx.grid.rankCount(windowRank(window, position)) > 0) ++count[window];
        if (count[window] >= count[bestWindow])
            bestWindow = window;  // the highest window wins ties
    }
    const int held = count[bestWindow];
    int ways = 0;
    for (int window = 1; window <= 10; ++window)
        if (count[window] == held) ++ways;
    const int needed = kStraightCards;
    const int missing = needed - held;
    return drawRow(
        ctx, Category::Straight, needed, held,
        [&] {
            std::vector<int> ranks;
            for (int position = 0; position < 5; ++position) {
                const int rank = windowRank(bestWindow, position);
                if (ctx.grid.rankCount(rank) > 0) ranks.push_back(rank);
            }
            return ranks;
        },
        [&](ProbabilitySum& sum) {
            // Each missing rank may come in any of the four suits: 4^m ways per window.
            const int suitedWays = (1 << (2 * missing)) * ways;
            sum.add(Extended(suitedWays) * C(ctx.unknown() - missing, ctx.toCome() - missing) /
                    C(ctx.unknown(), ctx.toCome()));
        });
}

}  // namespace korvana
