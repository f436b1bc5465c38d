#pragma once
// The JSON Lines of batch mode. Every table line gives exactly one object,
// its result or its problem, and each names its input line, so a script can
// pair output with input even after a refused line.
#include <string>
#include <string_view>

namespace korvana {

// A table's object ("{...}\n") with "line" put first: {"line": 3, "round": ...}.
std::string numberedObject(long line, std::string_view object);

// {"line": 3, "error": "card 'Ah' is given twice"} and a newline.
std::string lineErrorObject(long line, std::string_view problem);

}  // namespace korvana
