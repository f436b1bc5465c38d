#pragma once
// What is wrong with a range, said the same way in the window and by
// korvana-odds: one sentence per problem, from the phrase catalogue.
#include <string>
#include <string_view>

#include "engine/ranges/hand_range.h"
#include "engine/text/language.h"

namespace korvana {

// The sentence for the problem, with `shownPiece` quoted where it names the
// faulty piece. The caller shows the piece as its medium can: cut short for a
// tooltip, made printable for a terminal.
// rangeErrorText(English, SameCardTwice, "AhAh") is "\"AhAh\" holds one card twice."
std::string rangeErrorText(Language language, RangeError::Problem problem,
                           std::string_view shownPiece);

}  // namespace korvana
