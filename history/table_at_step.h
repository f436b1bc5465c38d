#pragma once
// The table as it stood at a step of a hand: what each player has behind and
// in front of him, who folded, the chips in the middle and the board, for a
// replay that steps through the actions one at a time.
#include <vector>

#include "history/played_hand.h"

namespace korvana::history {

struct SeatAtStep {
    Amount behind = 0;   // his stack less everything he put in so far
    Amount inFront = 0;  // his bets on this street, not yet in the middle
    bool folded = false;
    bool allIn = false;
};

struct TableAtStep {
    Street street = Street::Preflop;
    std::vector<Card> board;
    std::vector<SeatAtStep> seats;  // by player index
    Amount middle = 0;              // the pot from the streets before, antes and dead money
    int lastActor = -1;             // who made the last action shown, or -1
    // What the next player to call would have to add to match the highest bet.
    Amount highestInFront = 0;
};

// The table on hand.streets[street] once the street's first `actionsDone`
// actions are done (the preflop's count its antes and blinds); more actions
// than the street has stop at its end.
TableAtStep tableAt(const PlayedHand& hand, std::size_t street, std::size_t actionsDone);

}  // namespace korvana::history
