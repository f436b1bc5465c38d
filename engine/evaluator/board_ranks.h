#pragma once
// The ranks of players' hands on one complete board, each worked out once per
// board however many opponents may hold it.
#include <array>
#include <cstdint>
#include <vector>

#include "engine/cards/card_index.h"
#include "engine/cards/pocket_cards.h"
#include "engine/evaluator/hand_evaluator.h"

namespace korvana {

class BoardRanks {
public:
    BoardRanks();

    // A new complete board (five cards); forgets the ranks of the last one.
    void setBoard(const PartialHand& board, CardMask cards) {
        board_ = board;
        cards_ = cards;
        pairRanks_ = nullptr;
        if (++stamp_ == 0) forgetAll();
    }
    const PartialHand& board() const { return board_; }
    CardMask boardCards() const { return cards_; }

    HandRank of(PocketCards hand) {
        const auto n = static_cast<size_t>(hand.number());
        if (handStamp_[n] != stamp_) {
            handStamp_[n] = stamp_;
            handRank_[n] = evaluator_.rank(board_.plus(hand.low).plus(hand.high));
        }
        return handRank_[n];
    }

    // The rank of any two cards of ranks 2..14 (rankA <= rankB) that make no
    // flush with the board. The board holds at most three of a rank, and at
    // most two if both cards have it.
    HandRank withoutFlush(int rankA, int rankB) {
        if (!pairRanks_) pairRanks_ = &pairRanksOf(board_);
        return pairRanks_
            ->rank[kPairNumber[static_cast<size_t>(rankA - 2)][static_cast<size_t>(rankB - 2)]];
    }

private:
    // The ranks of the 91 pairs of ranks without a flush, which are the same
    // on every board with the same ranks: worked out at the first board with
    // those ranks.
    struct PairRanks {
        bool known = false;
        std::array<HandRank, 91> rank{};
    };
    static constexpr std::array<std::array<std::uint8_t, 13>, 13> kPairNumber = [] {
        std::array<std::array<std::uint8_t, 13>, 13> number{};
        std::uint8_t next = 0;
        for (size_t a = 0; a < 13; ++a)
            for (size_t b = a; b < 13; ++b) number[a][b] = next++;
        return number;
    }();

    const PairRanks& pairRanksOf(const PartialHand& board);
    void forgetAll();

    const HandEvaluator& evaluator_;
    PartialHand board_;
    CardMask cards_ = 0;
    std::uint32_t stamp_ = 0;
    std::array<std::uint32_t, kPocketCardPairs> handStamp_{};
    std::array<HandRank, kPocketCardPairs> handRank_{};
    const PairRanks* pairRanks_ = nullptr;
    std::vector<PairRanks> pairRanksByRankSet_;
};

// How the hands an opponent may hold from the available cards (any two of
// them) rank against a given rank on the board.
struct RankSplit {
    std::uint64_t below = 0, equal = 0, above = 0;
};
RankSplit splitAnyTwoCards(BoardRanks& ranks, CardMask available, HandRank against);

}  // namespace korvana
