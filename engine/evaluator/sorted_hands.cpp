#include "engine/evaluator/sorted_hands.h"

#include <algorithm>
#include <bit>

namespace korvana {

void SortedHands::set(const std::vector<PocketCards>& hands, const std::vector<HandRank>& ranks,
                      const std::vector<double>& weights) {
    for (const int number : numbers_) rankAfter_[static_cast<size_t>(number)] = 0;
    numbers_.clear();
    ranks_.clear();
    start_.fill(0);
    for (size_t h = 0; h < hands.size(); ++h) {
        ranks_.push_back(ranks[h].value);
        ++start_[static_cast<size_t>(hands[h].low) + 1];
        ++start_[static_cast<size_t>(hands[h].high) + 1];
        numbers_.push_back(hands[h].number());
        rankAfter_[static_cast<size_t>(hands[h].number())] =
            static_cast<std::uint16_t>(ranks[h].value + 1);
    }
    for (size_t c = 0; c < kDeckSize; ++c) start_[c + 1] += start_[c];
    byCard_.resize(start_[kDeckSize]);
    std::array<std::uint32_t, kDeckSize> next{};
    std::copy(start_.begin(), start_.end() - 1, next.begin());
    if (!weights.empty()) return setWeighed(hands, ranks, weights, next);
    std::sort(ranks_.begin(), ranks_.end());
    for (size_t h = 0; h < hands.size(); ++h) {
        byCard_[next[static_cast<size_t>(hands[h].low)]++] = ranks[h].value;
        byCard_[next[static_cast<size_t>(hands[h].high)]++] = ranks[h].value;
    }
    for (size_t c = 0; c < kDeckSize; ++c)
        std::sort(byCard_.begin() + start_[c], byCard_.begin() + start_[c + 1]);
}

void SortedHands::setWeighed(const std::vector<PocketCards>& hands,
                             const std::vector<HandRank>& ranks, const std::vector<double>& weights,
                             std::array<std::uint32_t, kDeckSize>& next) {
    // Each hand as its rank above its place, sorted as cheaply as the ranks
    // alone, so that each rank in order finds its hand's weight.
    const auto key = [&](size_t h) {
        return static_cast<std::uint32_t>(ranks[h].value) << 16 | static_cast<std::uint32_t>(h);
    };
    const auto rankOf = [](std::uint32_t key) { return static_cast<std::uint16_t>(key >> 16); };
    const auto weightOf = [&](std::uint32_t key) { return weights[key & 0xffff]; };
    keys_.resize(hands.size());
    for (size_t h = 0; h < hands.size(); ++h) {
        keys_[h] = key(h);
        weightOf_[static_cast<size_t>(hands[h].number())] = weights[h];
    }
    std::sort(keys_.begin(), keys_.end());
    weightBefore_.resize(hands.size() + 1);
    weightBefore_[0] = 0;
    for (size_t i = 0; i < keys_.size(); ++i) {
        ranks_[i] = rankOf(keys_[i]);
        weightBefore_[i + 1] = weightBefore_[i] + weightOf(keys_[i]);
    }
    keys_.resize(byCard_.size());
    for (size_t h = 0; h < hands.size(); ++h) {
        keys_[next[static_cast<size_t>(hands[h].low)]++] = key(h);
        keys_[next[static_cast<size_t>(hands[h].high)]++] = key(h);
    }
    cardWeightBefore_.resize(byCard_.size() + kDeckSize);
    for (size_t c = 0; c < kDeckSize; ++c) {
        std::sort(keys_.begin() + start_[c], keys_.begin() + start_[c + 1]);
        cardWeightBefore_[start_[c] + c] = 0;
        for (size_t j = start_[c]; j < start_[c + 1]; ++j) {
            byCard_[j] = rankOf(keys_[j]);
            cardWeightBefore_[j + c + 1] = cardWeightBefore_[j + c] + weightOf(keys_[j]);
        }
    }
}

RankSplit SortedHands::split(CardMask taken, HandRank against) const {
    const auto lower = std::lower_bound(ranks_.begin(), ranks_.end(), against.value);
    const auto upper = std::upper_bound(lower, ranks_.end(), against.value);
    auto below = static_cast<std::int64_t>(lower - ranks_.begin());
    auto equal = static_cast<std::int64_t>(upper - lower);
    auto above = static_cast<std::int64_t>(ranks_.end() - upper);
    const auto count = [&](std::uint16_t rank, std::int64_t times) {
        below += times * (rank < against.value);
        equal += times * (rank == against.value);
        above += times * (rank > against.value);
    };
    // Hands with a taken card come off (each card's hands are in order of
    // rank too); a hand of two taken cards came off twice and goes back once.
    for (CardMask rest = taken; rest != 0; rest &= rest - 1) {
        const auto card = static_cast<size_t>(std::countr_zero(rest));
        const auto first = byCard_.begin() + start_[card],
                   last = byCard_.begin() + start_[card + 1];
        const auto low = std::lower_bound(first, last, against.value);
        const auto high = std::upper_bound(low, last, against.value);
        below -= low - first;
        equal -= high - low;
        above -= last - high;
        for (CardMask more = rest & (rest - 1); more != 0; more &= more - 1) {
            const PocketCards both{static_cast<int>(card), std::countr_zero(more)};
            if (const std::uint16_t after = rankAfter_[static_cast<size_t>(both.number())];
                after != 0)
                count(static_cast<std::uint16_t>(after - 1), 1);
        }
    }
    return {static_cast<std::uint64_t>(below), static_cast<std::uint64_t>(equal),
            static_cast<std::uint64_t>(above)};
}

}  // namespace korvana

namespace korvana {

WeighedSplit SortedHands::splitWeighed(CardMask taken, HandRank against) const {
    const auto lower = std::lower_bound(ranks_.begin(), ranks_.end(), against.value);
    const auto upper = std::upper_bound(lower, ranks_.end(), against.value);
    const auto at = [&](auto place) { return static_cast<size_t>(place - ranks_.begin()); };
    auto below = static_cast<std::int64_t>(at(lower));
    auto equal = static_cast<std::int64_t>(upper - lower);
    auto above = static_cast<std::int64_t>(ranks_.end() - upper);
    WeighedSplit split;
    split.below = weightBefore_[at(lower)];
    split.equal = weightBefore_[at(upper)] - split.below;
    split.above = weightBefore_.back() - weightBefore_[at(upper)];
    // As in split(), each taken card's hands come off, and a hand of two
    // taken cards goes back once.
    for (CardMask rest = taken; rest != 0; rest &= rest - 1) {
        const auto card = static_cast<size_t>(std::countr_zero(rest));
        const auto first = byCard_.begin() + start_[card],
                   last = byCard_.begin() + start_[card + 1];
        const auto low = std::lower_bound(first, last, against.value);
        const auto high = std::upper_bound(low, last, against.value);
        below -= low - first;
        equal -= high - low;
        above -= last - high;
        // A card's weights start from 0 at its first hand.
        const double* before = cardWeightBefore_.data() + card;
        const double toLow = before[low - byCard_.begin()], toHigh = before[high - byCard_.begin()];
        split.below -= toLow;
        split.equal -= toHigh - toLow;
        split.above -= before[last - byCard_.begin()] - toHigh;
        for (CardMask more = rest & (rest - 1); more != 0; more &= more - 1) {
            const PocketCards both{static_cast<int>(card), std::countr_zero(more)};
            const auto number = static_cast<size_t>(both.number());
            const std::uint16_t after = rankAfter_[number];
            const auto rank = static_cast<std::uint16_t>(after - 1);
            const bool held = after != 0;
            const bool under = held && rank < against.value, even = held && rank == against.value,
                       over = held && rank > against.value;
            const double weight = weightOf_[number];
            below += under;
            equal += even;
            above += over;
            split.below += under ? weight : 0.0;
            split.equal += even ? weight : 0.0;
            split.above += over ? weight : 0.0;
        }
    }
    split.hands = {static_cast<std::uint64_t>(below), static_cast<std::uint64_t>(equal),
                   static_cast<std::uint64_t>(above)};
    return split;
}

}  // namespace korvana
