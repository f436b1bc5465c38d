#pragma once
// One line of the odds list. Its trailing blanks are its light marker, which the
// list painter turns into a colour: one blank red, two yellow, three green.
#include <string>
#include <string_view>

#include "string_table.h"

namespace korvana {

enum class Light { Red, Yellow, Green };

// Light of a row read from its trailing blanks (1 red, 2 yellow, 3 or more green).
Light lightOf(std::string_view row);

// "red", "yellow" or "green".
std::string_view lightName(Light light);

// " " N " impossible "
std::string impossibleRow(Language language, int category);
// L " - complete " N "   "
std::string completeRow(Language language, int category, std::string_view heldRanks);
// L " - " N " odds - 1:" X "  "
std::string possibleRow(Language language, int category, std::string_view heldRanks,
                        std::string_view oddsText);

}  // namespace korvana
