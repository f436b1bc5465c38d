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

// The hands of a split and their weights added up, by how they rank.
struct WeighedSplit {
    RankSplit hands;
    double below = 0, equal = 0, above = 0;
};

class SortedHands {
public:
    // The hands the board leaves the opponent, their ranks on it and their
    // weights (one per hand, or none when they weigh the same).
    void set(const std::vector<PocketCards>& hands, const std::vector<HandRank>& ranks,
             const std::vector<double>& weights = {});
    // The hands holding none of the taken cards, by how they rank against 'against'.
    RankSplit split(CardMask taken, HandRank against) const;
    // The same with their weights, of hands set with weights.
    WeighedSplit splitWeighed(CardMask taken, HandRank against) const;

private:
    void setWeighed(const std::vector<PocketCards>& hands, const std::vector<HandRank>& ranks,
                    const std::vector<double>& weights, std::array<std::uint32_t, kDeckSize>& next);

    std::vector<std::uint16_t> ranks_;  // HandRank values, ascending
    // The ranks of the hands holding card c: byCard_[start_[c]] .. byCard_[start_[c + 1] - 1].
    std::array<std::uint32_t, kDeckSize + 1> start_{};
    std::vector<std::uint16_t> byCard_;
    // By the number of a hand: its rank value plus one, 0 for a hand not in the set.
    std::array<std::uint16_t, kPocketCardPairs> rankAfter_{};
    std::vector<int> numbers_;  // of the hands set, to forget them at the next board
    // With weights: the weight of ranks_[0 .. i - 1] at i, of card c's hands
    // byCard_[start_[c] .. j - 1] at j + c, and of each hand by its number.
    std::vector<double> weightBefore_, cardWeightBefore_;
    std::vector<std::uint32_t> keys_;  // room to sort the hands by rank
    std::array<double, kPocketCardPairs> weightOf_{};
};

}  // namespace korvana
