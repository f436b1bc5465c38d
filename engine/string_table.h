#pragma once
// The words of the odds rows and the best-hand text, in English and Russian (UTF-8).
#include <string_view>

#include "category.h"
#include "language.h"

namespace korvana {

inline constexpr int kStringCount = 16;

// Entry numbers of the table.
namespace entry {
inline constexpr int HighCard = 0;
inline constexpr int Pair = 1;
inline constexpr int TwoPairs = 2;
inline constexpr int ThreeOfAKind = 3;
inline constexpr int Straight = 4;
inline constexpr int Flush = 5;
inline constexpr int FullHouse = 6;
inline constexpr int FourOfAKind = 7;
inline constexpr int StraightFlush = 8;
inline constexpr int RoyalFlush = 9;
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
std::string_view categoryName(Language language, Category category);

// The program version, e.g. "1.5.3".
std::string_view programVersion();

}  // namespace korvana
