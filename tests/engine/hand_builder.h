#pragma once
// Test helper: a hand from a line of card codes, "-" for an empty slot ("Th Jh - Kh").
#include <sstream>
#include <string>

#include "hand.h"

namespace korvana::test {

inline Hand handOf(const std::string& cards) {
    Hand hand;
    std::istringstream in(cards);
    std::string code;
    for (int slot = 1; in >> code && slot <= kSlotCount; ++slot)
        if (code != "-") hand.place(slot, *parseCardCode(code));
    return hand;
}

}  // namespace korvana::test
