#pragma once
// Which cards help the hero: on the flop or the turn, his equity for each
// card that can come next, each the count of the spot with that card dealt.
// A card that lifts him above his equity now is one of his outs against the
// opponents' ranges.
#include <variant>
#include <vector>

#include "engine/equity/equity_count.h"

namespace korvana {

struct NextCardEquity {
    Card card;
    double equity = 0.0;   // the hero's, with this card dealt next
    bool complete = true;  // counted to the end (not cancelled or out of time)
};

struct NextCardTable {
    double equityNow = 0.0;
    std::vector<NextCardEquity> cards;  // every card not on the table nor dead, in card order

    // Whether the card lifts the hero above his equity now.
    bool isOut(const NextCardEquity& next) const { return next.equity > equityNow; }
};

enum class NextCardProblem { NotFlopOrTurn };

// The table for a spot with three or four board cards; the counts take the
// options given, one card after another. The first count that fails (a
// range left empty by the card is no failure: it has no deal, and is left
// out) gives its error.
std::variant<NextCardTable, EquityError, NextCardProblem> countNextCards(
    const EquitySpot& spot, const EquityOptions& options, EquityControl* control = nullptr);

}  // namespace korvana
