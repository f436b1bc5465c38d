#pragma once
// The hands an opponent may hold, from the notation players use:
//   pairs          QQ, QQ+ (queens or better), 22-66
//   two ranks      AKs (suited), AKo (offsuit), AK (both), A2s+ (A2s..AKs),
//                  KTo+ (KTo, KJo, KQo), T9s-65s, A5s-A2s
//   one hand       AhKh (any card spelling korvana-odds accepts)
//   anything       random or any
//   a share        15%, top 15%, 2.5% (see top_share.h)
// in a comma-separated list. Pieces may overlap; each hand counts once.
// A piece may carry a weight from 0 to 1, the part of its hands the player
// is held to play that way: "AQo:0.35", "QQ+:0.5"; or pieces in brackets
// share one in percent: "[50]AQs, AJs[/50]". Where pieces overlap, the
// later one's weight holds ("QQ+:0.5, AA" keeps aces whole); a weight of 0
// takes hands out. Reading takes the same memory whatever the text's length.
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
    // The given hands, in any order and with repeats, each of full weight.
    explicit HandRange(std::vector<PocketCards> hands);
    // The hands with their weights (0..1, one per hand); of a hand given
    // twice the later weight holds, and hands of weight 0 are left out.
    HandRange(const std::vector<PocketCards>& hands, const std::vector<double>& weights);

    // The hands in a fixed order, each once.
    const std::vector<PocketCards>& hands() const { return hands_; }
    // One per hand, in the order of hands(); empty when every hand has full weight.
    const std::vector<double>& weights() const { return weights_; }
    double weightAt(size_t index) const { return weights_.empty() ? 1.0 : weights_[index]; }
    bool isWeighted() const { return !weights_.empty(); }
    // Every hand carries the same weight: it counts as the range unweighted,
    // since only the weights' proportions change an equity.
    bool hasEvenWeights() const;
    // The hands as the weights count them: 164.5 for 329 hands at one half.
    double weighedCombos() const;
    bool isAnyTwoCards() const { return hands_.size() == kPocketCardPairs && !isWeighted(); }

    friend bool operator==(const HandRange&, const HandRange&) = default;

private:
    std::vector<PocketCards> hands_;
    std::vector<double> weights_;
};

std::variant<HandRange, RangeError> parseHandRange(std::string_view text);

}  // namespace korvana
