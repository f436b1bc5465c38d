#pragma once
// Writing korvana-odds' results so that a failed write is never a clean run.
#include <iosfwd>
#include <string_view>

namespace korvana {

// Writes and flushes the text. Returns 0, or 1 after a line on err when out
// cannot take it (closed, full): a script must not mistake that for success.
int written(std::ostream& out, std::ostream& err, std::string_view text);

}  // namespace korvana
