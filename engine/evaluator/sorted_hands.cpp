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
    std::sort(ranks_.begin(), ranks_.end());
    for (size_t c = 0; c < kDeckSize; ++c) start_[c + 1] += start_[c];
    byCard_.resize(start_[kDeckSize]);
    std::array<std::uint32_t, kDeckSize> next{};
    std::copy(start_.begin(), start_.end() - 1, next.begin());
    for (size_t h = 0; h < hands.size(); ++h) {
        byCard_[next[static_cast<size_t>(hands[h].low)]++] = ranks[h].value;
        byCard_[next[static_cast<size_t>(hands[h].high)]++] = ranks[h].value;
    }
    for (size_t c = 0; c < kDeckSize; ++c)
        std::sort(byCard_.begin() + start_[c], byCard_.begin() + start_[c + 1]);
    if (!weights.empty()) setWeights(hands, ranks, weights);
}

void SortedHands::setWeights(const std::vector<PocketCards>& hands,
                             const std::vector<HandRank>& ranks,
                             const std::vector<double>& weights) {
    // The hands in order of rank, each with its weight, overall and by card.
    std::vector<std::pair<std::uint16_t, double>> ranked(hands.size());
    for (size_t h = 0; h < hands.size(); ++h) {
        ranked[h] = {ranks[h].value, weights[h]};
        weightOf_[static_cast<size_t>(hands[h].number())] = weights[h];
    }
    const auto byRank = [](const auto& a, const auto& b) { return a.first < b.first; };
    std::sort(ranked.begin(), ranked.end(), byRank);
    weightBefore_.assign(ranked.size() + 1, 0.0);
    for (size_t i = 0; i < ranked.size(); ++i)
        weightBefore_[i + 1] = weightBefore_[i] + ranked[i].second;

    std::vector<std::pair<std::uint16_t, double>> byCard(byCard_.size());
    std::array<std::uint32_t, kDeckSize> next{};
    std::copy(start_.begin(), start_.end() - 1, next.begin());
    for (size_t h = 0; h < hands.size(); ++h) {
        byCard[next[static_cast<size_t>(hands[h].low)]++] = {ranks[h].value, weights[h]};
        byCard[next[static_cast<size_t>(hands[h].high)]++] = {ranks[h].value, weights[h]};
    }
    cardWeightBefore_.assign(byCard.size() + kDeckSize, 0.0);
    for (size_t c = 0; c < kDeckSize; ++c) {
        std::sort(byCard.begin() + start_[c], byCard.begin() + start_[c + 1], byRank);
        for (size_t j = start_[c]; j < start_[c + 1]; ++j)
            cardWeightBefore_[j + c + 1] = cardWeightBefore_[j + c] + byCard[j].second;
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
        const auto weightTo = [&](auto place) {
            return cardWeightBefore_[static_cast<size_t>(place - byCard_.begin()) + card];
        };
        split.below -= weightTo(low) - weightTo(first);
        split.equal -= weightTo(high) - weightTo(low);
        split.above -= weightTo(last) - weightTo(high);
        for (CardMask more = rest & (rest - 1); more != 0; more &= more - 1) {
            const PocketCards both{static_cast<int>(card), std::countr_zero(more)};
            const auto number = static_cast<size_t>(both.number());
            const std::uint16_t after = rankAfter_[number];
            if (after == 0) continue;
            const auto rank = static_cast<std::uint16_t>(after - 1);
            const double weight = weightOf_[number];
            if (rank < against.value) {
                ++below;
                split.below += weight;
            } else if (rank == against.value) {
                ++equal;
                split.equal += weight;
            } else {
                ++above;
                split.above += weight;
            }
        }
    }
    split.hands = {static_cast<std::uint64_t>(below), static_cast<std::uint64_t>(equal),
                   static_cast<std::uint64_t>(above)};
    return split;
}

}  // namespace korvana
