#pragma once
// One opponent's hands on one board in the order of their ranks, to count how
// many rank below, level with or above a given rank while other players hold
// some of the cards: the counts come from the order, less the hands that hold
// a taken card, which are few.
#include <array>
#include <cstdint>
#include <vector>

#include "engine/cards/card_index.h"
#include "engine/cards/hand_rank.h"
#include "engine/cards/pocket_cards.h"
#include "engine/evaluator/board_ranks.h"

namespace korvana {

class SortedHands {
public:
    // The hands the board leaves the opponent, and their ranks on it.
    void set(const std::vector<PocketCards>& hands, const std::vector<HandRank>& ranks);
    // The hands holding none of the taken cards, by how they rank against 'against'.
    RankSplit split(CardMask taken, HandRank against) const;

private:
    std::vector<std::uint16_t> ranks_;  // HandRank values, ascending
    // The ranks of the hands holding card c: byCard_[start_[c]] .. byCard_[start_[c + 1] - 1].
    std::array<std::uint32_t, kDeckSize + 1> start_{};
    std::vector<std::uint16_t> byCard_;
    // By the number of a hand: its rank value plus one, 0 for a hand not in the set.
    std::array<std::uint16_t, kPocketCardPairs> rankAfter_{};
    std::vector<int> numbers_;  // of the hands set, to forget them at the next board
};

}  // namespace korvana
