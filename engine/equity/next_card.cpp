#include "engine/equity/next_card.h"

#include "engine/cards/card_index.h"
#include "engine/equity/equity.h"

namespace korvana {

std::variant<NextCardTable, EquityError, NextCardProblem> countNextCards(
    const EquitySpot& spot, const EquityOptions& options, EquityControl* control) {
    if (spot.board.size() != 3 && spot.board.size() != 4) return NextCardProblem::NotFlopOrTurn;
    NextCardTable table;
    auto now = computeEquity(spot, options, control);
    if (auto* error = std::get_if<EquityError>(&now)) return *error;
    table.equityNow = std::get<EquityResult>(now).players.front().equity;

    const CardMask known = knownCards(spot);
    EquitySpot next = spot;
    next.board.push_back(spot.board.front());
    for (int index = 0; index < kDeckSize; ++index) {
        if (known & cardBit(index)) continue;
        if (control && control->cancelled()) break;
        next.board.back() = cardAt(index);
        auto outcome = computeEquity(next, options, control);
        if (auto* error = std::get_if<EquityError>(&outcome)) {
            // The card may take the last hand of a range: with it, nothing is dealt.
            if (leavesNoDeal(*error)) continue;
            return *error;
        }
        const EquityResult& result = std::get<EquityResult>(outcome);
        table.cards.push_back({cardAt(index), result.players.front().equity, result.complete});
    }
    return table;
}

}  // namespace korvana
