#pragma once
// The ten category routines, one per row of the odds list. Each reads the card
// grid and the counters of one analysis pass and returns its row.
#include "engine/cards/hand.h"
#include "engine/rows/odds_row.h"

namespace korvana {

// How many cards of its group each draw needs.
inline constexpr int kRoyalFlushCards = 5;
inline constexpr int kStraightFlushCards = 5;
inline constexpr int kFourOfAKindCards = 4;
inline constexpr int kFullHouseTripsCards = 3;  // the three of a kind of a full house
inline constexpr int kFullHousePairCards = 2;   // and its pair
inline constexpr int kFlushCards = 5;
inline constexpr int kStraightCards = 5;
inline constexpr int kThreeOfAKindCards = 3;
inline constexpr int kTwoPairsPairCards = 2;  // each of the two pairs
inline constexpr int kPairCards = 2;

// What the routines read.
struct RowContext {
    const CardGrid& grid;
    int known = 0;   // cards counted by the pass
    int target = 5;  // cards known at the chosen round

    int toCome() const { return target - known; }
    int unknown() const { return 52 - known; }
};

OddsRow royalFlushRow(const RowContext& ctx);
OddsRow straightFlushRow(const RowContext& ctx);
OddsRow fourOfAKindRow(const RowContext& ctx);
OddsRow fullHouseRow(const RowContext& ctx);
OddsRow flushRow(const RowContext& ctx);
OddsRow straightRow(const RowContext& ctx);
OddsRow threeOfAKindRow(const RowContext& ctx);
OddsRow twoPairsRow(const RowContext& ctx);
OddsRow pairRow(const RowContext& ctx);
OddsRow highCardRow(const RowContext& ctx);

}  // namespace korvana
