#pragma once
// The texts of an analysis for the odds list and the best-hand panel. A row's
// trailing blanks follow its state (one when impossible, two when possible,
// three when complete); the texts keep them, painted or printed as they are.
#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "engine/rows/analysis.h"
#include "engine/text/string_table.h"

namespace korvana {

//   impossible: " " N " impossible "                 (High card: " no " N " ")
//   complete:   R " - complete " N "   "             (High card: R " " N "   ")
//   possible:   R " - " N " odds - 1:" X "  "
// N is the category name, R the held ranks each after a blank (" K K", the two
// groups of Full house and Two Pairs joined by " and": " K K K and 5 5"), X the
// odds rounded to a tenth with the decimal separator.
std::string rowText(const OddsRow& row, Language language, std::string_view decimalSeparator);

// The ten rows of an analysis, in list order.
std::array<std::string, 10> rowTexts(const Analysis& analysis, Language language,
                                     std::string_view decimalSeparator);

// "Best hand: " followed by the name of the best category (nothing without one).
std::string bestHandText(Language language, std::optional<Category> best);

}  // namespace korvana
