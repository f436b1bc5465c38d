#pragma once
// Test helper: slots from a line of card codes ("Th Jh - Kh").
#include <sstream>
#include <string>

#include "hand_state.h"

namespace korvana::test {

inline CardSlots slotsOf(const std::string& cards) {
    CardSlots slots;
    std::istringstream in(cards);
    std::string code;
    for (size_t n = 0; in >> code && n < slots.size(); ++n) slots[n] = code == "-" ? "" : code;
    return slots;
}

}  // namespace korvana::test
