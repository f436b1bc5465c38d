#include "hand_state.h"

namespace korvana {

int CardGrid::rankCount(int rank) const {
    return at(rank, 1) + at(rank, 2) + at(rank, 3) + at(rank, 4);
}

std::string buildHandString(const CardSlots& slots, int target) {
    std::string hand;
    for (int n = 0; n < target && n < kSlotCount; ++n) {
        const auto& slot = slots[static_cast<size_t>(n)];
        if (!slot.empty()) {
            hand += slot;
            hand += ' ';
        }
    }
    return hand;
}

void clearmycards(CardGrid& grid) { grid = CardGrid{}; }

void fillmycards(CardGrid& grid, std::string_view handString) {
    // Stepping three characters at a time while a rank position is inside the
    // text: the blank that ends the last code never starts a card.
    for (size_t p = 0; p + 1 < handString.size(); p += 3) {
        int rank = 0;
        switch (handString[p]) {
            case 'A': rank = 14; break;
            case 'K': rank = 13; break;
            case 'Q': rank = 12; break;
            case 'J': rank = 11; break;
            case 'T': rank = 10; break;
            default: rank = handString[p] - '0'; break;
        }
        int suit = 4;
        switch (handString[p + 1]) {
            case 'c': suit = 1; break;
            case 'd': suit = 2; break;
            case 'h': suit = 3; break;
            default: break;
        }
        // The slots only ever hold the 52 codes; anything else must not write outside the grid.
        if (rank >= 2 && rank <= 14) grid.set(rank, suit, 1);
    }
}

int countchar(std::string_view text, char c) {
    int count = 0;
    for (char ch : text)
        if (ch == c) ++count;
    return count;
}

}  // namespace korvana
