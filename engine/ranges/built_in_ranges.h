#pragma once
// The named ranges the library holds from the first start: raise-first-in
// ranges by 6-max position, and the usual calling and re-raising ranges,
// each with a line that says what it is for.
#include <span>
#include <string_view>

#include "engine/text/string_table.h"

namespace korvana {

struct BuiltInRange {
    std::string_view name;
    std::string_view range;
    Phrase explanation;
};

std::span<const BuiltInRange> builtInRanges();

}  // namespace korvana
