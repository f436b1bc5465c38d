#pragma once
// The cards of one table as typed: command-line arguments, or the words of
// one input line in batch mode. Both read the same spellings.
#include <optional>
#include <string>

#include "engine/cards/hand.h"
#include "engine/text/language.h"

namespace korvana {

struct TableCards {
    Hand hand;
    int slotsTyped = 0;  // slots written so far, empty ones ("-") included
};

// Puts the cards and empty slots of one piece of text ("Ah", "AhKd", "-,-,Ah")
// into the next slots. A problem comes back as the one line to print, naming
// the piece at fault, in the language; the table is then only partly filled.
std::optional<std::string> readSlots(const std::string& piece, TableCards& cards,
                                     Language language = Language::English);

}  // namespace korvana
