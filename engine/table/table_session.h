#pragma once
// The table as the player plays it: the cards in the seven slots, the hands
// played, the best hand so far, the round the odds refer to, auto-switch and
// the undo history. There is one method per thing the player does; each
// returns the table it leaves together with its analysis, so whoever shows the
// table only has to show what it gets back.
#include <cstddef>
#include <functional>
#include <vector>

#include "engine/rows/analysis.h"
#include "engine/table/table_history.h"

namespace korvana {

// What the table shows after one action.
struct TableUpdate {
    TableSnapshot table;
    Analysis analysis;  // of that table; its best and round are the table's
    // The slots (1..7, ascending) whose card the action set: their pictures
    // are shown afresh. Taking the card off an empty slot touches it too.
    std::vector<int> touchedSlots;
};

class TableSession {
public:
    // Asked before auto-switch changes, with its new value. Returning false
    // refuses the change (the option could not be kept) and the table stays
    // exactly as it was: no card moves and no undo step is taken.
    using AutoSwitchKeeper = std::function<bool(bool on)>;

    // An empty table at the flop. Without a keeper every change is kept.
    explicit TableSession(bool autoSwitch = false, AutoSwitchKeeper keeper = {},
                          std::size_t undoSteps = TableHistory::kDefaultSteps);

    const TableSnapshot& table() const { return table_; }
    const Analysis& analysis() const { return analysis_; }
    // The table and its analysis as they are, touching no slot.
    TableUpdate now() const;
    bool canUndo() const { return history_.canUndo(); }
    bool canRedo() const { return history_.canRedo(); }

    // --- What the player does; each change is one undo step -----------------
    // Takes the card off its slot, or puts it into the first empty slot; with
    // all seven slots full nothing moves.
    TableUpdate toggleCard(Card card);
    // Empties slot 1..7, whether or not it holds a card.
    TableUpdate takeOff(int slot);
    // Puts these cards on the table in place of those there (a pasted spot):
    // one step, and no hand played.
    TableUpdate placeHand(const Hand& hand);
    // Empties every slot; only a hand that was really dealt (two cards or more)
    // counts as played.
    TableUpdate fold();
    // The odds refer to this round from now on; auto-switch may move it at once.
    TableUpdate chooseRound(Round round);
    // Turns auto-switch on or off (the keeper is asked first).
    TableUpdate switchAutoSwitch();
    // Back to the table before the last change, or forward again: the cards
    // together with the hands played, the best hand, the round and auto-switch
    // of that moment. A step that changes auto-switch asks the keeper first; a
    // refused step is not taken. Without a step the table stays as it is.
    TableUpdate undo();
    TableUpdate redo();

    // The auto-switch option as it was stored, taken when the table is first
    // shown (and at every later showing): the keeper is not asked, since the
    // value comes from the store, and it is no undo step of its own.
    TableUpdate restoreAutoSwitch(bool on);

private:
    enum class Step { Back, Forward };
    TableUpdate step(Step step);
    // Analyses the table from its own round and best hand; the table takes the
    // round auto-switch settles on and the raised best hand.
    void analyse();
    // Analyses the changed table and keeps it as one undo step.
    TableUpdate change(std::vector<int> touchedSlots = {});

    AutoSwitchKeeper keep_;
    TableSnapshot table_;
    Analysis analysis_;
    TableHistory history_;
};

}  // namespace korvana
