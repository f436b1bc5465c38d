#include "ui/replay/replay_steps.h"

#include <algorithm>

namespace korvana::ui {

using history::ActionKind;
using history::Amount;
using history::PlayedHand;

std::vector<ReplayStep> replaySteps(const PlayedHand& hand) {
    std::vector<ReplayStep> steps{{StepKind::Start, 0, 0}};
    for (std::size_t street = 0; street < hand.streets.size(); ++street) {
        if (street > 0) steps.push_back({StepKind::Deal, street, 0});
        const std::size_t end = street + 1 < hand.streets.size()
                                    ? hand.streets[street + 1].firstAction
                                    : hand.actions.size();
        // The preflop's record starts after the antes and blinds, which are steps too.
        const std::size_t first = street == 0 ? 0 : hand.streets[street].firstAction;
        for (std::size_t action = first; action < end; ++action)
            steps.push_back({StepKind::Action, street, action});
    }
    steps.push_back({StepKind::Payout, hand.streets.empty() ? 0 : hand.streets.size() - 1, 0});
    return steps;
}

namespace {

// The step after which nobody acts again: from then on the cards that were
// shown at the end lie face up, as they do once players are all in.
std::size_t revealStep(const PlayedHand& hand, const std::vector<ReplayStep>& steps) {
    std::size_t last = steps.size() - 1;
    for (std::size_t i = 0; i < steps.size(); ++i)
        if (steps[i].kind == StepKind::Action && isVoluntary(hand.actions[steps[i].action].kind))
            last = i;
    return last + 1;
}

void sweepBets(TableAtStep& table) {
    for (SeatAtStep& seat : table.seats) {
        table.pot += seat.bet;
        seat.bet = 0;
    }
}

void take(const PlayedHand& hand, const history::HandAction& action, TableAtStep& table) {
    SeatAtStep& seat = table.seats[static_cast<std::size_t>(action.player)];
    switch (action.kind) {
        case ActionKind::Ante:
            seat.stack -= action.amount;
            table.pot += action.amount;
            break;
        case ActionKind::DeadBlinds: {
            // The small blind's part is dead: it goes to the middle at once.
            const Amount live = std::min(action.amount, hand.bigBlind);
            seat.stack -= action.amount;
            seat.bet += live;
            table.pot += action.amount - live;
            break;
        }
        case ActionKind::Returned:
            seat.stack += action.amount;
            seat.bet -= action.amount;
            break;
        case ActionKind::Fold: seat.folded = true; break;
        case ActionKind::Check: break;
        default:  // blinds, straddle, call, bet, raise
            seat.stack -= action.amount;
            seat.bet += action.amount;
            break;
    }
}

}  // namespace

TableAtStep tableAt(const PlayedHand& hand, const std::vector<ReplayStep>& steps,
                    std::size_t step) {
    TableAtStep table;
    table.seats.resize(hand.players.size());
    for (std::size_t i = 0; i < hand.players.size(); ++i) {
        table.seats[i].stack = hand.players[i].stack;
        table.seats[i].folded = !hand.players[i].dealtIn;
    }
    step = std::min(step, steps.size() - 1);
    for (std::size_t i = 1; i <= step; ++i) {
        const ReplayStep& now = steps[i];
        table.acting = -1;
        if (now.kind == StepKind::Deal) sweepBets(table);
        if (now.kind == StepKind::Action) {
            const history::HandAction& action = hand.actions[now.action];
            take(hand, action, table);
            table.acting = action.player;
        }
        if (now.kind == StepKind::Payout) {
            // The pots go to their winners.
            table.pot = 0;
            for (SeatAtStep& seat : table.seats) seat.bet = 0;
            for (std::size_t p = 0; p < hand.players.size(); ++p) {
                table.seats[p].won = hand.players[p].collected;
                table.seats[p].stack += hand.players[p].collected;
            }
        }
    }
    const ReplayStep& current = steps[step];
    table.street = current.street;
    if (current.street < hand.streets.size()) table.board = hand.streets[current.street].board;
    if (current.kind == StepKind::Payout) table.board = hand.board;
    const bool reveal = step >= revealStep(hand, steps);
    table.splitPots = reveal && hand.pots.size() > 1 && current.kind != StepKind::Payout;
    for (std::size_t p = 0; p < hand.players.size(); ++p)
        table.seats[p].cardsShown =
            hand.players[p].cards && (static_cast<int>(p) == hand.hero || reveal);
    if (current.kind == StepKind::Action) {
        for (std::size_t d = 0; d < hand.decisions.size(); ++d)
            if (hand.decisions[d].action == current.action) table.decision = d;
    }
    return table;
}

std::size_t nextStreetStep(const std::vector<ReplayStep>& steps, std::size_t step) {
    for (std::size_t i = step + 1; i < steps.size(); ++i)
        if (steps[i].kind == StepKind::Deal || steps[i].kind == StepKind::Payout) return i;
    return steps.empty() ? 0 : steps.size() - 1;
}

std::size_t previousStreetStep(const std::vector<ReplayStep>& steps, std::size_t step) {
    for (std::size_t i = std::min(step, steps.size()); i-- > 0;)
        if (steps[i].kind == StepKind::Deal || steps[i].kind == StepKind::Start) return i;
    return 0;
}

}  // namespace korvana::ui
