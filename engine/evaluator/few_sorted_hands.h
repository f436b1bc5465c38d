#pragma once
// At most 64 hands of one opponent on one board, for the same question as
// SortedHands: how many of those holding none of some taken cards rank below,
// level with or above a given rank. Each hand is a bit, in order of rank, so
// a count is a mask per taken card and three bit counts, and putting the hands
// in order costs far less than the card-by-card lists of SortedHands, which
// only pay off when the opponent holds many hands.
#include <algorithm>
#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "engine/cards/card_index.h"
#include "engine/cards/hand_rank.h"
#include "engine/cards/pocket_cards.h"
#include "engine/evaluator/board_ranks.h"

namespace korvana {

class FewSortedHands {
public:
    static constexpr size_t kMostHands = 64;

    // The hands the board leaves the opponent (at most kMostHands), and their
    // ranks on it.
    void set(const std::vector<PocketCards>& hands, const std::vector<HandRank>& ranks);
    // The hands holding none of the taken cards, by how they rank against
    // 'against'. Inline: it runs once per deal of the other opponents, and
    // remembers where the last rank asked about falls among the hands, as
    // the next deal is often against the same rank.
    RankSplit split(CardMask taken, HandRank against) {
        // The hands holding a taken card, a few bits.
        std::uint64_t blocked = 0;
        for (CardMask rest = taken; rest != 0; rest &= rest - 1)
            blocked |= holding_[static_cast<size_t>(std::countr_zero(rest))];
        if (against != lastAgainst_) {
            const auto first = ranks_.begin(), end = first + static_cast<std::ptrdiff_t>(count_);
            const auto lower = std::lower_bound(first, end, against.value);
            auto upper = lower;  // few hands share a rank
            while (upper != end && *upper == against.value) ++upper;
            lastAgainst_ = against;
            lastBelow_ = static_cast<size_t>(lower - first);
            lastNotAbove_ = static_cast<size_t>(upper - first);
        }
        const size_t below = lastBelow_, notAbove = lastNotAbove_;
        RankSplit split{below, notAbove - below, count_ - notAbove};
        for (; blocked != 0; blocked &= blocked - 1) {
            const auto hand = static_cast<size_t>(std::countr_zero(blocked));
            --(hand < below ? split.below : hand < notAbove ? split.equal : split.above);
        }
        return split;
    }

private:
    size_t count_ = 0;
    HandRank lastAgainst_;  // none: no hand ranks 0
    size_t lastBelow_ = 0, lastNotAbove_ = 0;
    std::array<std::uint16_t, kMostHands> ranks_{};  // HandRank values, ascending
    // By card: bit i when the i-th hand in order of rank holds the card.
    std::array<std::uint64_t, kDeckSize> holding_{};
};

}  // namespace korvana
