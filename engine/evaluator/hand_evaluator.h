#pragma once
// Ranks 5, 6 or 7 distinct cards by their best five-card hand.
//
// Cards are gathered into a PartialHand, one at a time or a whole partial hand
// at once, so an enumeration adds the board once and each player's two cards on
// top of it. Ranking is then a few table reads: no allocation and no branch on
// the order of the cards.
#include <array>
#include <bit>
#include <cstdint>
#include <span>
#include <vector>

#include "engine/cards/card.h"
#include "engine/cards/card_index.h"
#include "engine/cards/hand_rank.h"
#include "engine/evaluator/evaluator_tables.h"
#include "engine/evaluator/rank_count_table.h"

namespace korvana {

// What each card adds to a PartialHand.
// counts: bits 0..31 hold how many cards of each rank in base 5 (the 2 is the
// lowest digit; a rank holds at most four cards, so digits never carry), bits
// 32..47 one 4-bit counter per suit started at 3, so its top bit comes on
// exactly when the suit holds five cards or more, and bits 48..51 the number
// of cards.
// suits: 16 bits per suit, one bit per rank held in it (bit 0 the 2).
struct CardKey {
    std::uint64_t counts = 0;
    std::uint64_t suits = 0;

    static constexpr std::uint64_t kNoCardCounts = 0x3333ull << 32;
    static constexpr std::uint64_t kFiveOfASuit = 0x8888ull << 32;
};

inline constexpr std::array<CardKey, kDeckSize> kCardKeys = [] {
    std::array<CardKey, kDeckSize> keys{};
    for (int index = 0; index < kDeckSize; ++index) {
        const Card card = cardAt(index);
        std::uint64_t digit = 1;
        for (int rank = 2; rank < card.rank; ++rank) digit *= 5;
        const int suit = static_cast<int>(suitIndex(card.suit));
        keys[static_cast<size_t>(index)] = {digit + (1ull << (32 + 4 * suit)) + (1ull << 48),
                                            1ull << (16 * suit + card.rank - 2)};
    }
    return keys;
}();

// Up to seven distinct cards as two sums of card keys. Adding keys keeps the
// order of the cards out of it.
class PartialHand {
public:
    PartialHand() = default;  // no card yet
    explicit PartialHand(std::span<const Card> cards) {
        for (const Card& card : cards) *this = plus(cardIndex(card));
    }

    PartialHand plus(int cardIndex) const {
        const CardKey& key = kCardKeys[static_cast<size_t>(cardIndex)];
        return {counts_ + key.counts, suits_ | key.suits};
    }
    // How many cards of each rank, as base-5 digits (the 2 lowest): the same
    // number for any cards of the same ranks.
    std::uint32_t rankCounts() const { return static_cast<std::uint32_t>(counts_); }
    // How many of the cards are of the suit.
    int cardsOfSuit(Suit suit) const {
        return static_cast<int>((counts_ >> (32 + 4 * suitIndex(suit))) & 0xf) - 3;
    }

    // Two partial hands with no card in common.
    friend PartialHand operator+(const PartialHand& a, const PartialHand& b) {
        return {a.counts_ + b.counts_ - CardKey::kNoCardCounts, a.suits_ | b.suits_};
    }

private:
    friend class HandEvaluator;
    PartialHand(std::uint64_t counts, std::uint64_t suits) : counts_(counts), suits_(suits) {}
    std::uint64_t counts_ = CardKey::kNoCardCounts;
    std::uint64_t suits_ = 0;
};

// The ranking tables, made at build time and copied in on first use (some
// microseconds), only read afterwards, so any number of threads may share them.
class HandEvaluator {
public:
    // The best five-card hand among the 5, 6 or 7 cards of the partial hand.
    // Fewer cards give a meaningless rank (but never a read outside the tables).
    HandRank rank(const PartialHand& hand) const {
        // Seven cards hold five of one suit at most once, and then no full house
        // or four of a kind beside it, so a flush decides by its suit alone.
        const std::uint64_t fiveOfASuit = hand.counts_ & CardKey::kFiveOfASuit;
        if (fiveOfASuit != 0) [[unlikely]] {
            const int suitShift = (std::countr_zero(fiveOfASuit) - 35) * 4;
            return flushRanks_[(hand.suits_ >> suitShift) & 0x1fff];
        }
        // Seven cards, the common case, have a table of their own: a smaller
        // table stays in the caches better.
        const auto counts = static_cast<std::uint32_t>(hand.counts_);
        if ((hand.counts_ >> 48) == 7) [[likely]]
            return sevenCards_.at(counts);
        return fiveOrSixCards_.at(counts);
    }

    // The best five of seven cards by their ranks alone, as when no five of
    // them share a suit.
    HandRank rankWithoutFlush(const PartialHand& sevenCards) const {
        return sevenCards_.at(static_cast<std::uint32_t>(sevenCards.counts_));
    }

    HandEvaluator();  // the tables the build made
    explicit HandEvaluator(const EvaluatorTables& tables);

private:
    std::array<HandRank, 1 << 13> flushRanks_{};  // by the ranks of the flush suit
    // Hands without a flush.
    RankCountTable<13, 16> sevenCards_;
    RankCountTable<12, 15> fiveOrSixCards_;
};

// The one evaluator of the process.
const HandEvaluator& handEvaluator();

}  // namespace korvana
