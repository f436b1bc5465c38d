#pragma once
// The analysis pass: from the slots to the ten odds rows and the best-hand text.
#include <array>
#include <string>
#include <string_view>

#include "categories.h"
#include "hand_state.h"
#include "string_table.h"

namespace korvana {

enum class Round { Flop = 0, Turn = 1, River = 2 };  // also the round selector's item index

inline constexpr int targetOf(Round round) { return 5 + static_cast<int>(round); }
inline constexpr Round roundOfTarget(int target) { return static_cast<Round>(target - 5); }
std::string_view roundName(Round round);  // "flop", "turn", "river"

// The round auto-switch picks for a number of known cards: fewer than 5 flop, 5 turn, 6-7 river.
Round autoSwitchRound(int knownCards);

// Everything a pass needs besides the slots.
struct PassSettings {
    bool autoSwitch = false;
    Language language = Language::English;
    std::string_view decimalSeparator = ".";
};

// What one pass leaves behind.
struct PassResult {
    std::array<std::string, kCategoryCount> rows;  // list order, Royal Flash first
    Round round = Round::Flop;                       // final round, after auto-switch
    std::string handString;
    CardGrid grid;
    int knownCards = 0;
};

// Runs one analysis pass. With auto-switch on, the round follows the known cards:
// each time it moves, the hand string is rebuilt with the new target (cards in
// slots the old target left out may now count) until the round settles, and the
// rows are computed from that final state. bestCategory is raised by complete rows.
PassResult handrate(const CardSlots& slots, Round round, const PassSettings& settings,
                    int& bestCategory);

// "Best hand: " followed by the name of the best category (nothing for 0).
std::string besthand(Language language, int bestCategory);

}  // namespace korvana
