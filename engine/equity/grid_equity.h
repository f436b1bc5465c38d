#pragma once
// The hero's equity against each starting hand of the grid on the current
// board: which part of an opponent's range beats him. One opponent holding
// the starting hand's combinations that the known cards leave him.
#include <array>
#include <optional>
#include <vector>

#include "engine/equity/equity.h"
#include "engine/ranges/starting_hand.h"

namespace korvana {

// By grid row * 13 + column; nullopt where the known cards leave the
// opponent none of the hand's combinations, or the count was stopped first.
using GridEquities = std::array<std::optional<double>, kStartingHands>;

// The options of each pass: one, which counts every deal of every cell (on
// the flop they are few; before it they are read from a table).
std::vector<EquityOptions> gridEquityPasses(bool flopKnown, int threads);

// Counts every cell with the options, the dead cards (seen folded) dealt to
// nobody; stops early when 'control' is cancelled, leaving the cells not
// reached empty.
GridEquities countGridEquities(const std::array<Card, 2>& hero, const std::vector<Card>& board,
                               const std::vector<Card>& dead, const EquityOptions& options,
                               EquityControl* control = nullptr);

}  // namespace korvana
