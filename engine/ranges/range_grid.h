#pragma once
// The 13 x 13 grid of starting hands as players draw it: aces first, pairs
// on the diagonal, suited hands above it and offsuit below; and the shortest
// usual text of a set of hands picked on it ("TT+, AQs+, AKo"), weighted
// or not ("TT+, AQs+:0.5").
#include <array>
#include <bitset>
#include <string>

#include "engine/cards/card_index.h"
#include "engine/ranges/hand_range.h"
#include "engine/ranges/starting_hand.h"

namespace korvana {

inline constexpr int kGridSide = 13;

// Row and column 0..12, the ace first.
StartingHand startingHandAt(int row, int column);
struct GridPlace {
    int row = 0, column = 0;
};
GridPlace gridPlaceOf(const StartingHand& hand);

// A set of two-card combinations, by PocketCards::number().
using HandSet = std::bitset<kPocketCardPairs>;

// The text the range parser reads back as exactly these hands: whole
// starting hands in runs (QQ+, 22-66, A2s+, KTo+, A5s-A2s), the rest as
// single hands ("AhKh"); empty for every hand (any two cards) or none.
std::string shortestRangeText(const HandSet& hands);
// The hands with the combinations that hold a known card added wherever
// they complete a starting hand, so that the range of a table reads as
// players write it: "KK" with a king on the board, not the three hands left.
HandSet filledWithKnownCards(HandSet hands, CardMask known);

// Each combination's weight by PocketCards::number(), 0 for one not held.
using HandWeights = std::array<double, kPocketCardPairs>;
HandWeights weightsOf(const HandRange& range);

// The same for weighted hands, each weight after its pieces: the hands of
// each weight in turn, the heaviest or the lightest first, whichever is
// shorter, a later piece overriding an earlier one where that saves
// pieces ("QQ+, AKs:0.5", "AK:0.5, AhKh", "random, 72o:0.1"). Empty for
// every hand at full weight, or none.
std::string shortestRangeText(const HandWeights& weights);

// A weight as a range writes it: the shortest decimal that reads back the same, "0.35".
std::string weightText(double weight);

}  // namespace korvana
