#pragma once
// The library of named ranges as korvana-odds reads it: the file the window
// keeps too, each bad line told on stderr, the others still read.
#include <iosfwd>
#include <optional>
#include <string>

#include "engine/ranges/range_library.h"
#include "engine/text/language.h"

namespace korvana {

// The built-in ranges alone when there is no path or no file; a file that
// cannot be read (or is not a regular file, which could block) is told.
RangeLibrary readRangeLibrary(const std::optional<std::string>& path, Language language,
                              std::ostream& err);

}  // namespace korvana
