#pragma once
// Undo and redo for the card table: every change the player makes (a card on
// or off, a card marked dead, a fold, the round, auto-switch, the opponents
// and their ranges) is
// kept as a picture of what the window shows afterwards, so going back
// restores the cards together with the hands-played count and the best hand
// that went with them.
#include <cstddef>
#include <deque>
#include <optional>
#include <vector>

#include "engine/cards/category.h"
#include "engine/cards/hand.h"
#include "engine/rows/analysis.h"
#include "engine/table/opponent_seat.h"

namespace korvana {

// What the table shows after one change.
struct TableSnapshot {
    Hand hand;
    int handsPlayed = 0;
    std::optional<Category> best;  // best hand completed so far
    Round round = Round::Flop;     // after auto-switch has settled
    bool autoSwitch = true;
    Opponents opponents;
    // Cards the player saw folded, in the order marked: dealt to nobody in
    // the counts, and never on the table at the same time.
    std::vector<Card> dead;
};

bool sameTable(const TableSnapshot& a, const TableSnapshot& b);

class TableHistory {
public:
    static constexpr std::size_t kDefaultSteps = 100;

    // start: the table before the first change; steps: how many changes can
    // be undone (at least 1). Older ones are forgotten first.
    explicit TableHistory(TableSnapshot start, std::size_t steps = kDefaultSteps);

    // The table after a change. A new change after some undos drops the steps
    // that could have been redone. A "change" that leaves the table as it was
    // (moving to the round already chosen) is not a step.
    void record(const TableSnapshot& after);
    // The table now shown took a change that is no step of its own.
    void replaceCurrent(const TableSnapshot& table) { states_[position_] = table; }

    bool canUndo() const { return position_ > 0; }
    bool canRedo() const { return position_ + 1 < states_.size(); }
    // The table to show after stepping back / forward; nullopt when there is
    // no step, and the history stays as it is.
    std::optional<TableSnapshot> undo();
    std::optional<TableSnapshot> redo();

    const TableSnapshot& current() const { return states_[position_]; }

private:
    std::deque<TableSnapshot> states_;
    std::size_t position_ = 0;
    std::size_t steps_;
};

}  // namespace korvana
