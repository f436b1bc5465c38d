#include "history/preflop_ranges.h"

#include "engine/ranges/top_share.h"

namespace korvana::history {

HandRange PreflopRangeTable::range(PreflopLine line) const {
    const double percent = topPercent[static_cast<std::size_t>(line)];
    if (percent >= 100) return HandRange::anyTwoCards();
    std::vector<PocketCards> hands;
    for (const StartingHand& start : topStartingHands(percent > 0 ? percent : 0.1))
        for (const PocketCards cards : start.hands()) hands.push_back(cards);
    return HandRange(std::move(hands));
}

PreflopLine preflopLine(const PlayedHand& hand, int player) {
    PreflopLine line = PreflopLine::LimpedOrChecked;
    int raises = 0;
    for (const HandAction& action : hand.actions) {
        if (action.street != Street::Preflop) break;
        if (action.kind == ActionKind::Raise ||
            (action.kind == ActionKind::Bet && action.amount > hand.bigBlind)) {
            if (action.player == player)
                line = raises == 0 ? PreflopLine::RaisedFirstIn : PreflopLine::ReRaised;
            ++raises;
        } else if (action.kind == ActionKind::Call && action.player == player) {
            line = raises == 0   ? PreflopLine::LimpedOrChecked
                   : raises == 1 ? PreflopLine::CalledRaise
                                 : PreflopLine::CalledReRaise;
        }
    }
    return line;
}

}  // namespace korvana::history
