#pragma once
// The cards on the table: seven slots (two pocket cards, three flop cards,
// turn, river) and the number of hands played. Pure bookkeeping; the window
// shows the pictures and runs the analysis after each change.
#include <QString>
#include <optional>
#include <vector>

#include "hand_state.h"

namespace korvana::ui {

inline constexpr int kPickerItems = 52;

// Card code of picker item n (0..51): rank n mod 13 of 2..A, suit n div 13 of c d h s.
QString pickerCardCode(int item);

// Index of item n's small face in the card face list, which is ordered by suit
// and, within a suit, by the character order of the codes (2..9, A, J, K, Q, T).
int pickerPictureIndex(int item);

class CardTable {
public:
    const CardSlots& cardSlots() const { return slots_; }
    // Slot 0..6 is empty.
    bool isEmpty(int slot) const { return slots_[slot].empty(); }

    // Empties every slot that holds the card; returns those slots.
    std::vector<int> takeOff(const QString& cardCode);
    // Puts the card into the first empty slot; nullopt when all seven are taken.
    std::optional<int> putOn(const QString& cardCode);
    void empty(int slot) { slots_[slot].clear(); }
    // Empties all seven slots; returns how many held a card.
    int clear();

    // Folds that cleared two or more cards.
    int handsPlayed() const { return handsPlayed_; }
    void countHand() { ++handsPlayed_; }

private:
    CardSlots slots_{};
    int handsPlayed_ = 0;
};

}  // namespace korvana::ui
