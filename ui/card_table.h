#pragma once
// The cards on the table: seven slots (two pocket cards, three flop cards,
// turn, river) and the number of hands played. Pure bookkeeping; the window
// shows the pictures and runs the analysis after each change.
#include <QString>

#include "hand.h"

namespace korvana::ui {

inline constexpr int kPickerItems = 52;

// The card of picker item n (0..51): rank n mod 13 of 2..A, suit n div 13 of
// c d h s; and its code.
Card pickerCard(int item);
QString pickerCardCode(int item);

// Index of item n's small face in the card face list, which is ordered by suit
// and, within a suit, by the character order of the codes (2..9, A, J, K, Q, T).
int pickerPictureIndex(int item);

class CardTable {
public:
    const Hand& hand() const { return hand_; }

    // Takes the card off the table, or puts it into the first empty slot.
    CardToggle toggleCard(Card card) { return hand_.toggleCard(card); }
    // Empties slot 1..7.
    void empty(int slot) { hand_.empty(slot); }
    // Empties all seven slots; returns how many held a card.
    int clear() { return hand_.clear(); }

    // Folds that cleared two or more cards.
    int handsPlayed() const { return handsPlayed_; }
    void countHand() { ++handsPlayed_; }

    // Puts back an earlier table: its cards and its count (undo, redo).
    void restore(const Hand& hand, int handsPlayed) {
        hand_ = hand;
        handsPlayed_ = handsPlayed;
    }

private:
    Hand hand_;
    int handsPlayed_ = 0;
};

}  // namespace korvana::ui
