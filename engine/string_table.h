#pragma once
// The words of the odds rows and the best-hand text, in English and Russian (UTF-8).
#include <string_view>

#include "category.h"
#include "language.h"

namespace korvana {

inline constexpr int kStringCount = 16;

// Entry numbers of the table; the category names are entries 0..9 in the
// order of the categories (High card .. Royal Flash).
namespace entry {
inline constexpr int HighCard = 0;
inline constexpr int Complete = 10;
inline constexpr int Impossible = 11;
inline constexpr int No = 12;
inline constexpr int And = 13;
inline constexpr int Odds = 14;
inline constexpr int BestHand = 15;
}  // namespace entry

// Entry k (0..15) in the given language. Out-of-range k is a programming error.
std::string_view text(Language language, int k);

// The name of a category as the odds list and the best-hand panel show it.
inline std::string_view categoryName(Language language, Category category) {
    return text(language, entry::HighCard + static_cast<int>(category) -
                              static_cast<int>(Category::HighCard));
}

// The program version, e.g. "1.5.3".
std::string_view programVersion();

}  // namespace korvana
