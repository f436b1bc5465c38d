#include "ui/replay/replay_steps.h"

#include <algorithm>

#include "history/table_at_step.h"

namespace korvana::ui {

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

}  // namespace

TableAtStep tableAt(const PlayedHand& hand, const std::vector<ReplayStep>& steps,
                    std::size_t step) {
    step = std::min(step, steps.size() - 1);
    const ReplayStep& current = steps[step];
    // The chips as the library counts them at that point of the street.
    std::size_t actionsDone = 0;
    if (current.kind == StepKind::Action)
        actionsDone = current.action + 1 -
                      (current.street == 0 ? 0 : hand.streets[current.street].firstAction);
    if (current.kind == StepKind::Payout) actionsDone = hand.actions.size();
    const history::TableAtStep counted = history::tableAt(hand, current.street, actionsDone);

    TableAtStep table;
    table.pot = counted.middle;
    table.seats.resize(hand.players.size());
    for (std::size_t p = 0; p < hand.players.size(); ++p) {
        SeatAtStep& seat = table.seats[p];
        seat.stack = counted.seats[p].behind;
        seat.bet = counted.seats[p].inFront;
        seat.folded = counted.seats[p].folded || !hand.players[p].dealtIn;
        if (current.kind == StepKind::Payout) {
            // The pots go to their winners.
            seat.bet = 0;
            seat.won = hand.players[p].collected;
            seat.stack += seat.won;
        }
    }
    if (current.kind == StepKind::Payout) table.pot = 0;
    if (current.kind == StepKind::Action) table.acting = hand.actions[current.action].player;
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
