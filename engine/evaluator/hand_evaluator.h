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

// What each card adds to a PartialHand: two numbers side by side in one
// 16-byte key, so that adding a card is a single addition of 16 bytes (the
// vector registers of the processor add both halves at once).
// [0], the counts: bits 0..31 hold how many cards of each rank in base 5 (the
// 2 is the lowest digit; a rank holds at most four cards, so digits never
// carry), bits 32..47 one 4-bit counter per suit started at 3, so its top bit
// comes on exactly when the suit holds five cards or more, and bits 60..63 a
// counter of the cards started at 9, so that it runs out of the number (to
// 0) at the seventh card. Seven cards without five of a suit, the common
// case, are then those whose counts have none of these bits.
// [1], the suits: 16 bits per suit, one bit per rank held in it (bit 0 the
// 2). The cards of a hand are distinct, so adding their bits sets them.
using CardKey = std::uint64_t __attribute__((vector_size(16)));

namespace card_key {
inline constexpr int kCardCountShift = 60;
inline constexpr std::uint64_t kNoCardCounts = 0x3333ull << 32 | 9ull << kCardCountShift;
inline constexpr std::uint64_t kFiveOfASuit = 0x8888ull << 32;
inline constexpr std::uint64_t kNotSevenOrFiveOfASuit = kFiveOfASuit | 0xfull << kCardCountShift;
}  // namespace card_key

inline constexpr std::array<CardKey, kDeckSize> kCardKeys = [] {
    using card_key::kCardCountShift;
    std::array<CardKey, kDeckSize> keys{};
    for (int index = 0; index < kDeckSize; ++index) {
        const Card card = cardAt(index);
        std::uint64_t digit = 1;
        for (int rank = 2; rank < card.rank; ++rank) digit *= 5;
        const int suit = static_cast<int>(suitIndex(card.suit));
        keys[static_cast<size_t>(index)] =
            CardKey{digit + (1ull << (32 + 4 * suit)) + (1ull << kCardCountShift),
                    1ull << (16 * suit + card.rank - 2)};
    }
    return keys;
}();

// Up to seven distinct cards as the sum of their card keys. Adding keys keeps
// the order of the cards out of it.
class PartialHand {
public:
    PartialHand() = default;  // no card yet
    explicit PartialHand(std::span<const Card> cards) {
        for (const Card& card : cards) *this = plus(cardIndex(card));
    }

    PartialHand plus(int cardIndex) const {
        return PartialHand(key_ + kCardKeys[static_cast<size_t>(cardIndex)]);
    }
    // How many cards of each rank, as base-5 digits (the 2 lowest): the same
    // number for any cards of the same ranks.
    std::uint32_t rankCounts() const { return static_cast<std::uint32_t>(key_[0]); }
    // How many of the cards are of the suit.
    int cardsOfSuit(Suit suit) const {
        return static_cast<int>((key_[0] >> (32 + 4 * suitIndex(suit))) & 0xf) - 3;
    }

    // Two partial hands with no card in common.
    friend PartialHand operator+(const PartialHand& a, const PartialHand& b) {
        return PartialHand(a.key_ + b.key_ - CardKey{card_key::kNoCardCounts, 0});
    }

private:
    friend class HandEvaluator;
    explicit PartialHand(CardKey key) : key_(key) {}
    CardKey key_ = {card_key::kNoCardCounts, 0};
};

// The ranking tables, made at build time and copied in on first use (some
// microseconds), only read afterwards, so any number of threads may share them.
class HandEvaluator {
public:
    // The best five-card hand among the 5, 6 or 7 cards of the partial hand.
    // Fewer cards give a meaningless rank (but never a read outside the tables).
    HandRank rank(const PartialHand& hand) const {
        const std::uint64_t counts = hand.key_[0];
        // Seven cards without five of a suit, the common case, have a table of
        // their own: a smaller table stays in the caches better.
        if ((counts & card_key::kNotSevenOrFiveOfASuit) == 0) [[likely]]
            return sevenCards_.at(static_cast<std::uint32_t>(counts));
        // Seven cards hold five of one suit at most once, and then no full house
        // or four of a kind beside it, so a flush decides by its suit alone.
        if (const std::uint64_t fiveOfASuit = counts & card_key::kFiveOfASuit; fiveOfASuit != 0) {
            const int suitShift = (std::countr_zero(fiveOfASuit) - 35) * 4;
            return flushRanks_[(hand.key_[1] >> suitShift) & 0x1fff];
        }
        return fiveOrSixCards_.at(static_cast<std::uint32_t>(counts));
    }

    // The best five of seven cards by their ranks alone, as when no five of
    // them share a suit.
    HandRank rankWithoutFlush(const PartialHand& sevenCards) const {
        return sevenCards_.at(static_cast<std::uint32_t>(sevenCards.key_[0]));
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
