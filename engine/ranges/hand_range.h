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
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "engine/cards/pocket_cards.h"
#include "engine/ranges/range_error.h"

namespace korvana {

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
