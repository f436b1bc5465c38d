#pragma once
// The spot at a step of the replay as the main window takes it: the hero's
// cards and the board as spot text, with every opponent still in holding his
// shown cards as a one-hand range or the range his preflop line suggests,
// and the pot and the call the hero faced there.
#include <optional>
#include <string>

#include "history/preflop_ranges.h"
#include "ui/replay/replay_steps.h"

namespace korvana::ui {

struct ReplaySpot {
    // "Ah Kh Kd 7c 2h - - --opponents 2 --vs QcQd --vs 20%"
    std::string text;
    history::Amount pot = 0;     // every chip in the middle, the bets he faces included
    history::Amount toCall = 0;  // 0 when he faces no bet
};

// nullopt when the hero's cards are unknown, he has folded, or nobody is left
// against him.
std::optional<ReplaySpot> replaySpot(const history::PlayedHand& hand, const TableAtStep& table,
                                     const history::PreflopRangeTable& ranges);

}  // namespace korvana::ui
