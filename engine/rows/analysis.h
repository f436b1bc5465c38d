#pragma once
// The analysis pass: from the hand to the ten odds rows and the best category.
#include <array>
#include <optional>
#include <string_view>
#include <vector>

#include "engine/cards/category.h"
#include "engine/cards/hand.h"
#include "engine/rows/odds_row.h"

namespace korvana {

enum class Round { Flop, Turn, River };
inline constexpr std::array<Round, 3> kRounds = {Round::Flop, Round::Turn, Round::River};

// Cards known at the round the odds refer to: 5, 6 or 7.
inline constexpr int targetOf(Round round) {
    switch (round) {
        case Round::Flop: return 5;
        case Round::Turn: return 6;
        case Round::River: return 7;
    }
    return 5;
}
// The round at which a number of cards (5, 6 or 7) is known.
inline constexpr Round roundOfTarget(int target) {
    if (target >= 7) return Round::River;
    return target == 6 ? Round::Turn : Round::Flop;
}
std::string_view roundName(Round round);  // "flop", "turn", "river"

// The round auto-switch picks for a number of known cards: fewer than 5 flop, 5 turn, 6-7 river.
Round autoSwitchRound(int knownCards);

struct Analysis {
    std::array<OddsRow, 10> rows;    // list order, Royal Flush first
    Round round = Round::Flop;       // final round, after auto-switch
    std::vector<Card> countedCards;  // the cards of the slots the round takes in, in slot order
    std::optional<Category> best;    // best category completed so far
};

// Runs one analysis pass. Only slots up to the round's card count take part.
// With auto-switch on, the round follows the counted cards: each time it moves,
// the cards are counted again for the new round (slots the old round left out
// may now count) until the round settles, and the rows come from that final
// state. The best category is bestSoFar raised by the complete rows, never lowered.
Analysis analyse(const Hand& hand, Round round, bool autoSwitch, std::optional<Category> bestSoFar);

}  // namespace korvana
