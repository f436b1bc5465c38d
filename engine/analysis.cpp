#include "analysis.h"

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

PassResult handrate(const CardSlots& slots, Round round, const PassSettings& settings,
                    int& bestCategory) {
    PassResult result;
    result.round = round;
    // Each move of the round changes which slots count, which may move the round
    // again. The moves all go the same way (fewer slots, fewer cards), so the
    // loop settles after at most two moves; the bound only guards the invariant.
    for (int move = 0; move <= 3; ++move) {
        result.handString = buildHandString(slots, targetOf(result.round));
        clearmycards(result.grid);
        fillmycards(result.grid, result.handString);
        result.knownCards = countchar(result.handString, ' ');
        if (!settings.autoSwitch) break;
        const Round settled = autoSwitchRound(result.knownCards);
        if (settled == result.round) break;
        result.round = settled;
    }

    const RowContext ctx{result.grid, result.knownCards, targetOf(result.round),
                         settings.language, settings.decimalSeparator, bestCategory};
    result.rows = {royalflash(ctx), straightflash(ctx), fourofakind(ctx), fullhouse(ctx),
                   flash(ctx),      straight(ctx),      threeofakind(ctx), twopairs(ctx),
                   pair(ctx),       highcard(ctx)};
    return result;
}

std::string besthand(Language language, int bestCategory) {
    std::string panel(text(language, entry::BestHand));
    panel += ": ";
    if (bestCategory >= 1 && bestCategory <= kCategoryCount) panel += text(language, bestCategory);
    return panel;
}

}  // namespace korvana
