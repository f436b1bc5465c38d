#pragma once
// The words of the odds rows and the best-hand text, in English and Russian (UTF-8).
#include <string_view>

#include "category.h"
#include "language.h"

namespace korvana {

inline constexpr int kStringCount = 18;

// Entry numbers of the table; the category names are entries 1..10 and equal
// the category values (1 High card .. 10 Royal Flash).
namespace entry {
inline constexpr int HighCard = 1;
inline constexpr int Complete = 11;
inline constexpr int Impossible = 12;
inline constexpr int No = 13;
inline constexpr int And = 14;
inline constexpr int Odds = 15;
inline constexpr int BestHand = 16;
// Read by the online services, which show the licence text and the new-version
// notice; the window takes its own from its text table.
inline constexpr int LicenceFile = 0;
inline constexpr int NewVersion = 17;
}  // namespace entry

// Entry k (0..17) in the given language. Out-of-range k is a programming error.
std::string_view text(Language language, int k);

// The name of a category as the odds list and the best-hand panel show it.
inline std::string_view categoryName(Language language, Category category) {
    return text(language, entry::HighCard + static_cast<int>(category) -
                              static_cast<int>(Category::HighCard));
}

// The program version, e.g. "1.5.3".
std::string_view programVersion();

}  // namespace korvana
