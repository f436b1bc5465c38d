#pragma once
// Text from the command line made safe to echo on a terminal.
#include <string>
#include <string_view>

namespace korvana {

// The text as one printable line: control characters (C0, DEL, C1), the
// Unicode line and paragraph separators, characters that show as nothing
// (zero-width spaces, direction marks, the byte-order mark), backslashes and
// bytes that are not well-formed UTF-8 come out as backslash escapes (\n, \t,
// \r, \e, \\, \xHH, \u2028, \ufeff, \U000e0041), so an argument can neither
// break the line, steer the terminal nor hide in it.
// Other UTF-8 text passes unchanged.
std::string oneLine(std::string_view text);

// Columns the text takes on a terminal: UTF-8 continuation bytes take none.
size_t columns(std::string_view text);

// The text cut so that oneLine() shows at most `columns` characters of it, an
// ellipsis standing for what was left out; shorter text comes back whole.
// Cuts fall between characters, never inside one or inside its escape.
std::string clipped(std::string_view text, size_t columns);

// An argument as an error message quotes it: in single quotes, cut to about
// 60 characters as oneLine() shows them, so the line stays readable.
std::string quoted(std::string_view argument);

}  // namespace korvana
