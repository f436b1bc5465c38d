#include "engine/rows/analysis.h"

#include <algorithm>

#include "engine/rows/category_rows.h"

namespace korvana {

std::string_view roundName(Round round) {
    switch (round) {
        case Round::Turn: return "turn";
        case Round::River: return "river";
        case Round::Flop: break;
    }
    return "flop";
}

Round autoSwitchRound(int knownCards) {
    if (knownCards < 5) return Round::Flop;
    if (knownCards == 5) return Round::Turn;
    return Round::River;
}

Analysis analyse(const Hand& hand, Round round, bool autoSwitch,
                 std::optional<Category> bestSoFar) {
    Analysis result;
    result.round = round;
    // Each move of the round changes which slots count, which may move the round
    // again. The moves all go the same way (fewer slots, fewer cards), so the
    // loop settles after at most two moves; the bound only guards the invariant.
    for (int move = 0; move <= 3; ++move) {
        result.countedCards = hand.cardsUpTo(targetOf(result.round));
        if (!autoSwitch) break;
        const Round settled = autoSwitchRound(static_cast<int>(result.countedCards.size()));
        if (settled == result.round) break;
        result.round = settled;
    }

    const CardGrid grid(result.countedCards);
    const RowContext ctx{grid, static_cast<int>(result.countedCards.size()),
                         targetOf(result.round)};
    result.rows = {royalFlushRow(ctx),   straightFlushRow(ctx), fourOfAKindRow(ctx),
                   fullHouseRow(ctx),    flushRow(ctx),         straightRow(ctx),
                   threeOfAKindRow(ctx), twoPairsRow(ctx),      pairRow(ctx),
                   highCardRow(ctx)};

    result.best = bestSoFar;
    for (const OddsRow& row : result.rows)
        if (row.state == RowState::Complete && (!result.best || *result.best < row.category))
            result.best = row.category;
    return result;
}

}  // namespace korvana
