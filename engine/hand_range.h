#pragma once
// The hands an opponent may hold, from the notation players use:
//   pairs          QQ, QQ+ (queens or better), 22-66
//   two ranks      AKs (suited), AKo (offsuit), AK (both), A2s+ (A2s..AKs),
//                  KTo+ (KTo, KJo, KQo), T9s-65s, A5s-A2s
//   one hand       AhKh (any card spelling korvana-odds accepts)
//   anything       random or any
//   a share        15%, top 15%, 2.5% (see top_share.h)
// in a comma-separated list. Pieces may overlap; each hand counts once.
// Reading takes the same memory whatever the text's length.
#include <cstddef>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "pocket_cards.h"

namespace korvana {

// The longest range text that reads, in characters: room for every pair of
// cards written out one by one ("A♥ K♥, " each), far beyond any range typed by hand.
inline constexpr size_t kMaxRangeCharacters = 10'000;

struct RangeError {
    enum class Problem {
        NoHands,        // nothing but blanks and commas
        UnknownText,    // not a hand, a card pair or a range of them
        SuitedPair,     // "QQs": a pair is never suited, nor written offsuit
        UnmatchedEnds,  // "AKs-QJo", "QQ-AK", "AKs-T8s": ends of different kinds or gaps
        SameCardTwice,  // "AhAh"
        PlusOnOneHand,  // "AhKh+"
        TooLong,        // more than kMaxRangeCharacters characters; piece is empty
        ShareOutOfRange,  // "0%", "120%": a share is more than 0% and at most 100%
    };
    Problem problem = Problem::UnknownText;
    std::string piece;  // the piece of text at fault, as written
    friend bool operator==(const RangeError&, const RangeError&) = default;
};

class HandRange {
public:
    // Any two cards.
    static HandRange anyTwoCards();
    // The given hands, in any order and with repeats.
    explicit HandRange(std::vector<PocketCards> hands);

    // The hands in a fixed order, each once.
    const std::vector<PocketCards>& hands() const { return hands_; }
    bool isAnyTwoCards() const { return hands_.size() == kPocketCardPairs; }

    friend bool operator==(const HandRange&, const HandRange&) = default;

private:
    std::vector<PocketCards> hands_;
};

std::variant<HandRange, RangeError> parseHandRange(std::string_view text);

}  // namespace korvana
