#pragma once
// Numbers as the player reads them: a fixed count of decimals, whatever the
// process locale, with the decimal separator of the player's language.
#include <string>
#include <string_view>

namespace korvana {

// decimalText(64.214, 2, ",") is "64,21"; halves round as to_chars does.
std::string decimalText(double value, int decimals, std::string_view decimalSeparator);

// A fraction as a percentage: percentOf(0.6421, 2, ".") is "64.21%".
std::string percentOf(double fraction, int decimals, std::string_view decimalSeparator);

// A count of combinations, which weights may make fractional: whole numbers
// as they are ("164"), others to a tenth ("164.5"), but never 0 for more than none ("0.05").
std::string comboCountText(double count, std::string_view decimalSeparator);

// The text with its first '.' made the decimal separator.
std::string withDecimalSeparator(std::string text, std::string_view decimalSeparator);

}  // namespace korvana
