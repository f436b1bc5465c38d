#pragma once
// Every language-dependent text of the program, in English and Russian (UTF-8).
#include <string>
#include <string_view>

#include "category.h"
#include "language.h"

namespace korvana {

inline constexpr int kStringCount = 34;

// Entry numbers of the table; the category names are entries 1..10 and equal
// the category values (1 High card .. 10 Royal Flash).
namespace entry {
inline constexpr int LicenceFile = 0;
inline constexpr int HighCard = 1;
inline constexpr int Complete = 11;
inline constexpr int Impossible = 12;
inline constexpr int No = 13;
inline constexpr int And = 14;
inline constexpr int Odds = 15;
inline constexpr int TimePassed = 16;
inline constexpr int HandsPlayed = 17;
inline constexpr int BestHand = 18;
inline constexpr int Transparency = 19;
inline constexpr int FontColor = 20;
inline constexpr int Help = 21;
inline constexpr int About = 22;
inline constexpr int TellAFriend = 23;
inline constexpr int Licence = 24;
inline constexpr int Languages = 25;
inline constexpr int Fold = 26;
inline constexpr int OddsToImprove = 27;
inline constexpr int PocketCards = 28;
inline constexpr int Flop = 29;
inline constexpr int Turn = 30;
inline constexpr int River = 31;
inline constexpr int AutoSwitch = 32;
inline constexpr int NewVersion = 33;
}  // namespace entry

// Entry k (0..33) in the given language. Out-of-range k is a programming error.
std::string_view text(Language language, int k);

// The name of a category as the odds list and the best-hand panel show it.
inline std::string_view categoryName(Language language, Category category) {
    return text(language, entry::HighCard + static_cast<int>(category) - static_cast<int>(Category::HighCard));
}

// The main window's title in the given language, with the program version.
std::string windowCaption(Language language);

// The program version, e.g. "1.5.3".
std::string_view programVersion();

}  // namespace korvana
