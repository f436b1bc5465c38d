#pragma once
// What an opponent may hold after the flop when he showed nothing: a range
// that follows what he did before the flop, from a small table of top-N%
// shares the player can read and change.
#include <array>

#include "engine/ranges/hand_range.h"
#include "history/played_hand.h"

namespace korvana::history {

// What a player did before the flop, by his last action there.
enum class PreflopLine {
    LimpedOrChecked,  // called the big blind, checked it, or only posted
    RaisedFirstIn,
    CalledRaise,
    ReRaised,       // raised after a raise (a re-raise or more)
    CalledReRaise,  // called a re-raise or more
};
inline constexpr int kPreflopLines = 5;

struct PreflopRangeTable {
    // The top share of starting hands (percent, 0 < share <= 100) for each
    // line, in PreflopLine order.
    std::array<double, kPreflopLines> topPercent = {100, 20, 22, 7, 10};

    // The range of a line: the strongest hands making up its share.
    HandRange range(PreflopLine line) const;
};

PreflopLine preflopLine(const PlayedHand& hand, int player);

}  // namespace korvana::history
