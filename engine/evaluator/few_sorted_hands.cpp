#include "engine/evaluator/few_sorted_hands.h"

#include <algorithm>
#include <numeric>

namespace korvana {

void FewSortedHands::set(const std::vector<PocketCards>& hands,
                         const std::vector<HandRank>& ranks) {
    count_ = std::min(hands.size(), kMostHands);
    std::array<std::uint8_t, kMostHands> order{};
    std::iota(order.begin(), order.begin() + static_cast<std::ptrdiff_t>(count_), 0);
    std::sort(order.begin(), order.begin() + static_cast<std::ptrdiff_t>(count_),
              [&](std::uint8_t a, std::uint8_t b) { return ranks[a] < ranks[b]; });
    holding_.fill(0);
    for (size_t i = 0; i < count_; ++i) {
        const PocketCards& hand = hands[order[i]];
        ranks_[i] = ranks[order[i]].value;
        holding_[static_cast<size_t>(hand.low)] |= std::uint64_t{1} << i;
        holding_[static_cast<size_t>(hand.high)] |= std::uint64_t{1} << i;
    }
}

}  // namespace korvana
