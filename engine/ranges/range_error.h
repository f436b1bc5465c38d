#pragma once
// What can be wrong with a range as written: its own header, so that the
// readers of single pieces (a share, "15%") and the whole range's reader can
// both name a problem without including each other.
#include <cstddef>
#include <string>

namespace korvana {

// The longest range text that reads, in characters: room for every pair of
// cards written out one by one ("A♥ K♥, " each), far beyond any range typed by hand.
inline constexpr size_t kMaxRangeCharacters = 10'000;

struct RangeError {
    enum class Problem {
        NoHands,           // nothing but blanks and commas
        UnknownText,       // not a hand, a card pair or a range of them
        SuitedPair,        // "QQs": a pair is never suited, nor written offsuit
        UnmatchedEnds,     // "AKs-QJo", "QQ-AK", "AKs-T8s": ends of different kinds or gaps
        SameCardTwice,     // "AhAh"
        PlusOnOneHand,     // "AhKh+"
        TooLong,           // more than kMaxRangeCharacters characters; piece is empty
        ShareOutOfRange,   // "0%", "120%": a share is more than 0% and at most 100%
        WeightOutOfRange,  // "AA:1.5", "AA:-0.5", "[150]AA": a weight is 0..1 (0..100 in brackets)
        WeightNotANumber,  // "AA:x", "AA:", "[x]AA"
        UnclosedBracket,   // "[50]AQs, AJs" with no "[/50]" after it, or a second "[" inside
        UnknownName,       // "@name" that the library of named ranges lacks
    };
    Problem problem = Problem::UnknownText;
    std::string piece;  // the piece of text at fault, as written
    friend bool operator==(const RangeError&, const RangeError&) = default;
};

}  // namespace korvana
