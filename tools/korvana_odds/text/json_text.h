#pragma once
// Pieces of the JSON that korvana-odds prints.
#include <string>
#include <string_view>

#include "engine/cards/category.h"

namespace korvana {

// A JSON string: quotes, backslashes and control characters (DEL too) escaped,
// UTF-8 as it is.
std::string jsonString(std::string_view text);

// A JSON number in the shortest form that reads back as the same double
// (up to 17 significant digits), whatever the process locale.
std::string jsonNumber(double value);

// A count of deals, which weights make a decimal: whole numbers as integers
// ("1712304"), the rest as jsonNumber.
std::string jsonCount(double value);

// "royal_flush" .. "high_card".
std::string_view categoryId(Category category);

}  // namespace korvana
