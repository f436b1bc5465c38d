#include "history/table_at_step.h"

#include <algorithm>

namespace korvana::history {

TableAtStep tableAt(const PlayedHand& hand, std::size_t street, std::size_t actionsDone) {
    TableAtStep table;
    table.seats.resize(hand.players.size());
    for (std::size_t p = 0; p < hand.players.size(); ++p)
        table.seats[p].behind = hand.players[p].stack;
    if (hand.streets.empty()) return table;
    street = std::min(street, hand.streets.size() - 1);
    const StreetRecord& record = hand.streets[street];
    table.street = record.street;
    table.board = record.board;
    const std::size_t start = street == 0 ? 0 : record.firstAction;
    const std::size_t end = street + 1 < hand.streets.size() ? hand.streets[street + 1].firstAction
                                                             : hand.actions.size();
    const std::size_t last = std::min(end, start + actionsDone);
    for (std::size_t a = 0; a < last; ++a) {
        const HandAction& action = hand.actions[a];
        SeatAtStep& seat = table.seats[static_cast<std::size_t>(action.player)];
        const bool thisStreet = a >= start;
        const bool live = action.kind != ActionKind::Ante;
        // A dead blind's small part goes straight to the middle.
        const Amount dead = action.kind == ActionKind::DeadBlinds && hand.bigBlind > 0
                                ? std::max<Amount>(0, action.amount - hand.bigBlind)
                                : 0;
        const Amount chips = action.kind == ActionKind::Returned ? -action.amount : action.amount;
        seat.behind -= chips;
        if (thisStreet && live) {
            seat.inFront += chips - dead;
            table.middle += dead;
        } else {
            table.middle += chips;
        }
        if (action.kind == ActionKind::Fold) seat.folded = true;
        seat.allIn = seat.behind == 0;
        if (thisStreet) table.lastActor = action.player;
    }
    for (const SeatAtStep& seat : table.seats)
        table.highestInFront = std::max(table.highestInFront, seat.inFront);
    return table;
}

}  // namespace korvana::history
