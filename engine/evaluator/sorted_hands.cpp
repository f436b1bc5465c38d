#include "engine/evaluator/sorted_hands.h"

#include <algorithm>
#include <bit>

namespace korvana {

void SortedHands::set(const std::vector<PocketCards>& hands, const std::vector<HandRank>& ranks) {
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
