#pragma once
// The known cards: seven slots, the hand string built from them and the card grid.
#include <array>
#include <string>
#include <string_view>

namespace korvana {

inline constexpr int kSlotCount = 7;

// Slot 1..7 is element 0..6: 1-2 pocket cards, 3-5 flop, 6 turn, 7 river.
// An empty string marks an empty slot; a card code stands in at most one slot.
using CardSlots = std::array<std::string, kSlotCount>;

// Cards that will be known at the round the odds refer to.
inline constexpr int kFlopTarget = 5;
inline constexpr int kTurnTarget = 6;
inline constexpr int kRiverTarget = 7;

// 13 x 4 flags, rank 2..14 by suit 1..4, 1 = card known. Cells are summed as counts.
class CardGrid {
public:
    int at(int rank, int suit) const { return cells_[index(rank, suit)]; }
    void set(int rank, int suit, int value) { cells_[index(rank, suit)] = value; }
    // Known cards of one rank over the four suits (0..4).
    int rankCount(int rank) const;

private:
    static int index(int rank, int suit) { return (rank - 2) * 4 + (suit - 1); }
    std::array<int, 52> cells_{};
};

// The codes of the occupied slots 1..target, in slot order, each followed by one blank.
std::string buildHandString(const CardSlots& slots, int target);

// Sets every cell to 0.
void clearmycards(CardGrid& grid);

// Sets the cell of every card code in a hand string; never clears a cell.
// Trusts its input: rank letters A K Q J T or a digit, suit letters c d h, anything else counts as s.
void fillmycards(CardGrid& grid, std::string_view handString);

// Number of bytes of text equal to c.
int countchar(std::string_view text, char c);

}  // namespace korvana
