#pragma once
// A spot as text, for copying and pasting it: the seven slots in slot order
// as korvana-odds writes them, then the opponents as its options, on one
// line, so the same text goes back into the window or into korvana-odds, as
// its arguments or as a line of --batch:
//
//   Ah Kh Qd Jd Td - - --dead 7c2d --opponents 3 --vs QQ+,AKs --vs 15% --vs random
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "engine/cards/hand.h"

namespace korvana {

// ranges: each opponent's, "" for any two cards. Every opponent gets his own
// --vs, written without blanks so that the line splits into arguments as a
// shell splits it; when all hold any two cards, none is written. The dead
// cards (seen folded) come as --dead, when there are any.
std::string spotText(const Hand& hand, const std::vector<std::string>& ranges,
                     const std::vector<Card>& dead = {});

struct PastedSpot {
    Hand hand;
    // Only when the text names them: --opponents, else the number of --vs.
    std::optional<int> opponents;
    // The first opponents' ranges in order, as written; "" for any two cards.
    std::vector<std::string> ranges;
    std::vector<Card> dead;  // --dead, none on the table
};

struct SpotTextError {
    enum class Problem {
        NoCards,        // nothing that reads as a card or a slot
        UnknownCard,    // piece: the word that is no card (among the slots or --dead)
        CardTwice,      // piece: the card (on the table twice, or on it and dead)
        TooManySlots,   // piece: the eighth slot
        UnknownOption,  // piece: the option
        MissingValue,   // piece: the option without its value
        BadOpponents,   // piece: the value of --opponents
        TooManyRanges,  // piece: the --vs beyond --opponents, or beyond nine
    };
    Problem problem = Problem::NoCards;
    std::string piece;
};

// Reads card codes ("Ah Kh - Qd", "AhKh", "ah,kh", "T♥") into slots 1..7 in
// order, "-" for an empty slot, then any --dead CARDS, --opponents N and
// --vs RANGE (or --vs=RANGE); a value runs up to the next option, quotes around it dropped.
// Whether a range reads is for the caller to judge.
std::variant<PastedSpot, SpotTextError> readSpotText(std::string_view text);

}  // namespace korvana
