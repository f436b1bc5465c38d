#pragma once
// The known cards: seven slots, each empty or holding one card, and no card in
// two slots. Slot 1-2 are the pocket cards, 3-5 the flop, 6 the turn, 7 the river.
#include <array>
#include <optional>
#include <vector>

#include "engine/cards/card.h"

namespace korvana {

inline constexpr int kSlotCount = 7;

// What toggling a card did to the hand.
struct CardToggle {
    enum class Outcome { TakenOff, PutOn, NoRoom };
    Outcome outcome = Outcome::NoRoom;
    int slot = 0;  // 1..7; 0 with NoRoom
};

class Hand {
public:
    // The card in slot 1..7, if any.
    std::optional<Card> card(int slot) const { return slots_[index(slot)]; }
    bool contains(Card card) const;
    int count() const;

    // Puts the card into slot 1..7, replacing what was there. A card already
    // in another slot is refused (false, hand unchanged).
    bool place(int slot, Card card);
    void empty(int slot) { slots_[index(slot)].reset(); }
    // Takes the card off wherever it is, else puts it into the first empty slot.
    CardToggle toggleCard(Card card);
    // Empties all seven slots; returns how many held a card.
    int clear();

    // The cards of slots 1..lastSlot in slot order, holes skipped.
    std::vector<Card> cardsUpTo(int lastSlot) const;

private:
    static size_t index(int slot) { return static_cast<size_t>(slot - 1); }
    std::array<std::optional<Card>, kSlotCount> slots_{};
};

// One flag per card, rank 2..14 by suit, 1 = card known. Cells are summed as counts.
class CardGrid {
public:
    CardGrid() = default;
    explicit CardGrid(const std::vector<Card>& cards) {
        for (const Card& card : cards) cells_[index({card.rank, card.suit})] = 1;
    }
    int at(int rank, Suit suit) const { return cells_[index({rank, suit})]; }
    // Known cards of one rank over the four suits (0..4).
    int rankCount(int rank) const {
        int count = 0;
        for (const Suit suit : kSuits) count += at(rank, suit);
        return count;
    }

private:
    static size_t index(Card card) { return static_cast<size_t>(cardIndex(card)); }
    std::array<int, kCardCount> cells_{};
};

}  // namespace korvana
