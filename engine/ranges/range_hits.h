#pragma once
// What an opponent's range holds on the board: how many of its combinations
// make each hand category now, and how many hold the usual draws; and the
// range narrowed to the combinations that make chosen ones ("he called the
// flop: keep his pairs and draws"). The combinations that share a card with
// a known card (the hero's, the board's, dead ones) are left out.
#include <array>
#include <bitset>
#include <optional>
#include <vector>

#include "engine/cards/card_index.h"
#include "engine/cards/category.h"
#include "engine/ranges/hand_range.h"

namespace korvana {

// Each combination counts with its weight: whole numbers for a range without weights.
struct RangeHits {
    double combos = 0;                    // the range's combinations the known cards leave
    std::array<double, 10> categories{};  // in list order: Royal Flush first
    // Draws only count while the board is still to come (flop, turn), when
    // the hand is not already made that way, and when a pocket card helps.
    double flushDraws = 0;  // four of a suit, a pocket card among them
    double openEnded = 0;   // two or more ranks would make a straight
    double gutshots = 0;    // exactly one rank would
};

// The lines a combination counts in: the ten categories in list order (its
// own category), then the three draws.
inline constexpr int kHitLines = 13;
inline constexpr int kFlushDrawLine = 10;
inline constexpr int kOpenEndedLine = 11;
inline constexpr int kGutshotLine = 12;
using HitLines = std::bitset<kHitLines>;
inline constexpr int hitLineOf(Category category) {
    return listIndex(category);
}

// Nullopt before the flop (fewer than three board cards). 'known' holds the
// board and every other card no opponent can hold.
std::optional<RangeHits> countRangeHits(const HandRange& range, const std::vector<Card>& board,
                                        CardMask known);

// The combinations of the range the known cards leave that count in at
// least one of the lines kept; nullopt before the flop.
std::optional<std::vector<PocketCards>> narrowRange(const HandRange& range,
                                                    const std::vector<Card>& board, CardMask known,
                                                    HitLines kept);

}  // namespace korvana
