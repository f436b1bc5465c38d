#include "engine/evaluator/few_sorted_hands.h"

#include <algorithm>

namespace korvana {

void FewSortedHands::set(const std::vector<PocketCards>& hands,
                         const std::vector<HandRank>& ranks) {
    count_ = std::min(hands.size(), kMostHands);
    lastAgainst_ = HandRank{};
    // Each hand's rank above its place in the list, so that plain numbers sort.
    std::array<std::uint32_t, kMostHands> order{};
    for (size_t h = 0; h < count_; ++h)
        order[h] = std::uint32_t{ranks[h].value} << 6 | static_cast<std::uint32_t>(h);
    std::sort(order.begin(), order.begin() + static_cast<std::ptrdiff_t>(count_));
    holding_.fill(0);
    for (size_t i = 0; i < count_; ++i) {
        const PocketCards& hand = hands[order[i] & 63];
        ranks_[i] = static_cast<std::uint16_t>(order[i] >> 6);
        holding_[static_cast<size_t>(hand.low)] |= std::uint64_t{1} << i;
        holding_[static_cast<size_t>(hand.high)] |= std::uint64_t{1} << i;
    }
}

}  // namespace korvana
