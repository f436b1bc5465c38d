#include "engine/equity/equity_distribution.h"

#include <algorithm>

#include "engine/cards/card_index.h"
#include "engine/equity/equity.h"

namespace korvana {

std::variant<std::vector<HandEquity>, EquityError> countEquityDistribution(
    const EquitySpot& spot, const EquityOptions& options, EquityControl* control) {
    if (spot.opponents.empty()) return EquityError{EquityError::Problem::OpponentCount};
    const CardMask known = knownCards(spot);
    std::vector<HandEquity> spread;
    EquitySpot against = spot;
    // Only the equities show.
    EquityOptions perHand = options;
    perHand.countHeroFinal = false;
    for (const PocketCards& hand : spot.opponents.front().hands()) {
        if (hand.mask() & known) continue;
        if (control && control->cancelled()) break;
        against.opponents.front() = HandRange({hand});
        auto outcome = computeEquity(against, perHand, control);
        if (auto* error = std::get_if<EquityError>(&outcome)) {
            // The other opponents' ranges may leave no deal beside this hand.
            if (leavesNoDeal(*error)) continue;
            return *error;
        }
        const EquityResult& result = std::get<EquityResult>(outcome);
        spread.push_back({hand, result.players.front().equity, result.complete});
    }
    if (spread.empty()) return EquityError{EquityError::Problem::RangeEmpty, 1};
    std::stable_sort(spread.begin(), spread.end(),
                     [](const HandEquity& a, const HandEquity& b) { return a.equity > b.equity; });
    return spread;
}

}  // namespace korvana
