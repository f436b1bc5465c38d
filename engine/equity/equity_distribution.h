#pragma once
// How the hero's equity spreads over the first opponent's range: his equity
// against each hand of it (the other opponents keep their ranges), strongest
// for the hero first. Players read the curve as how often they are far
// ahead, close, or far behind.
#include <variant>
#include <vector>

#include "engine/cards/pocket_cards.h"
#include "engine/equity/equity_count.h"

namespace korvana {

struct HandEquity {
    PocketCards hand;      // of the first opponent
    double equity = 0.0;   // the hero's against it
    bool complete = true;  // counted to the end
};

// Hands that hold a known card, or leave no deal, are left out.
std::variant<std::vector<HandEquity>, EquityError> countEquityDistribution(
    const EquitySpot& spot, const EquityOptions& options, EquityControl* control = nullptr);

}  // namespace korvana
