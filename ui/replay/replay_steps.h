#pragma once
// A played hand as the steps of its replay, and the table at each: the hand
// before anything is posted, every action in turn, each street as it is
// dealt, and the pots paid out at the end. Plain C++, so that it is quick to
// step and easy to check: the chips at a step come from the library's table
// at that point of the street (history/table_at_step.h), worked out afresh,
// which takes microseconds for any hand; the steps add the cards on show,
// the payout and the decision the step is.
#include <cstddef>
#include <optional>
#include <vector>

#include "history/played_hand.h"

namespace korvana::ui {

enum class StepKind { Start, Action, Deal, Payout };

struct ReplayStep {
    StepKind kind = StepKind::Start;
    std::size_t street = 0;  // index into PlayedHand::streets
    std::size_t action = 0;  // for Action: index into PlayedHand::actions
};

// Start, then per street its deal (not the preflop's) and its actions, then
// the payout.
std::vector<ReplayStep> replaySteps(const history::PlayedHand& hand);

struct SeatAtStep {
    history::Amount stack = 0;  // behind him
    history::Amount bet = 0;    // in front of him on this street
    history::Amount won = 0;    // at the payout
    bool folded = false;
    bool cardsShown = false;  // face up: the hero's always, the others' once no one can act
};

struct TableAtStep {
    std::size_t street = 0;
    std::vector<Card> board;
    history::Amount pot = 0;        // in the middle, the bets in front not included
    std::vector<SeatAtStep> seats;  // by player index
    int acting = -1;                // the player whose action the step is
    // Once nobody can act again and the money lies in a main pot and side
    // pots: the pot is shown as those (PlayedHand::pots).
    bool splitPots = false;
    // The hero's decision facing a bet that this step is, as an index into
    // PlayedHand::decisions.
    std::optional<std::size_t> decision;
};

TableAtStep tableAt(const history::PlayedHand& hand, const std::vector<ReplayStep>& steps,
                    std::size_t step);

// The first step of the street after (or, backwards, of the street of or
// before) the step: where ↑ and ↓ go.
std::size_t nextStreetStep(const std::vector<ReplayStep>& steps, std::size_t step);
std::size_t previousStreetStep(const std::vector<ReplayStep>& steps, std::size_t step);

}  // namespace korvana::ui
