#pragma once
// Test helpers: a hand from a line of card codes, "-" for an empty slot ("Th Jh - Kh"),
// and the cards of such a line without slots.
#include <sstream>
#include <string>
#include <vector>

#include "engine/cards/hand.h"

namespace korvana::test {

inline Hand handOf(const std::string& cards) {
    Hand hand;
    std::istringstream in(cards);
    std::string code;
    for (int slot = 1; in >> code && slot <= kSlotCount; ++slot)
        if (code != "-") hand.place(slot, *parseCardCode(code));
    return hand;
}

inline std::vector<Card> cardsOf(const std::string& codes) {
    std::vector<Card> cards;
    std::istringstream in(codes);
    std::string code;
    while (in >> code) cards.push_back(parseCardCode(code).value());
    return cards;
}

}  // namespace korvana::test
