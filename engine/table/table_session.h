#pragma once
// The table as the player plays it: the cards in the seven slots, the hands
// played, the best hand so far, the round the odds refer to, auto-switch, the
// opponents and their ranges, and the undo history. There is one method per thing the player does;
// each returns the table it leaves together with its analysis, so whoever shows the table only has
// to show what it gets back.
#include <cstddef>
#include <functional>
#include <string_view>
#include <variant>
#include <vector>

#include "engine/ranges/range_library.h"
#include "engine/rows/analysis.h"
#include "engine/table/spot_text.h"
#include "engine/table/table_history.h"

namespace korvana {

// What the table shows after one action.
struct TableUpdate {
    TableSnapshot table;
    Analysis analysis;  // of that table; its best and round are the table's
    // The slots (1..7, ascending) whose card the action set: their pictures
    // are shown afresh. Taking the card off an empty slot touches it too.
    std::vector<int> touchedSlots;
    // A range still being typed: counted already, but not stored until the
    // player is done with it.
    bool unfinished = false;
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
    // all seven slots full nothing moves. A dead card put on the table is
    // dead no longer.
    TableUpdate toggleCard(Card card);
    // Marks a card the player saw folded as dead, or takes the mark off; a
    // card on the table cannot be dead.
    TableUpdate toggleDead(Card card);
    // Empties slot 1..7, whether or not it holds a card.
    TableUpdate takeOff(int slot);
    // Empties every slot and forgets the dead cards; only a hand that was
    // really dealt (two cards or more) counts as played.
    TableUpdate fold();
    // The odds refer to this round from now on; auto-switch may move it at once.
    TableUpdate chooseRound(Round round);
    // Turns auto-switch on or off (the keeper is asked first).
    TableUpdate switchAutoSwitch();
    // --- The opponents ----------------------------------------------------------
    // How many opponents the hero plays against (1..kMaxOpponents).
    TableUpdate chooseOpponents(int count);
    // Opponent n's range as typed so far: counted at once when it reads. The
    // keys typed until the player is done with it (finishRange) or does
    // anything else make one step.
    TableUpdate typeRange(int opponent, std::string_view text);
    TableUpdate finishRange(int opponent);
    // Opponent n's range chosen whole (on the grid).
    TableUpdate chooseRange(int opponent, std::string_view text);
    // Opponent n's counted range to every other seat.
    TableUpdate copyRangeToOthers(int opponent);
    // A pasted spot, one step and no hand played: its cards and dead cards in
    // place of those there, and when it names them the number of
    // opponents and the ranges of the first seats; the other seats up to that
    // number hold any two cards (as korvana-odds reads the text), those beyond
    // keep theirs. A range that does not read changes nothing.
    std::variant<TableUpdate, RangeError> placeSpot(const PastedSpot& spot);

    // Back to the table before the last change, or forward again: the cards
    // together with the hands played, the best hand, the round, auto-switch
    // and the opponents of that moment. A step that changes auto-switch asks the keeper first; a
    // refused step is not taken. Without a step the table stays as it is.
    TableUpdate undo();
    TableUpdate redo();

    // The auto-switch option as it was stored, taken when the table is first
    // shown (and at every later showing): the keeper is not asked, since the
    // value comes from the store, and it is no undo step of its own.
    TableUpdate restoreAutoSwitch(bool on);
    // The opponents as stored, taken the same way.
    TableUpdate restoreOpponents(const Opponents& opponents);
    // The library of named ranges ("@name" in a range) as read now: the
    // seats that name one read it again, and it is no undo step of its own.
    TableUpdate useRangeLibrary(RangeLibrary library);

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
    int typing_ = 0;  // the opponent whose range is being typed, or 0
    RangeLibrary library_;
};

}  // namespace korvana
