#pragma once
// Pot odds: the price of a call against the chance to win. A call of C into a
// pot of P risks C to win P + C, so it pays in the long run when the hand's
// equity (its share of the pot over all deals) is at least C / (P + C).
#include <optional>
#include <string_view>

namespace korvana {

// In chips or any unit, the same for both.
struct PotOdds {
    double pot = 0;   // in the middle before the call, bets to call included
    double call = 0;  // what the player must put in
};

// The equity a call needs to break even, 0..1; nullopt without a call to make.
std::optional<double> neededEquity(const PotOdds& odds);

// A call pays when the equity is at least what it needs.
bool callPays(double equity, double needed);

// An amount as a player types it: digits with one decimal point or comma
// ("150", "2.5", "2,5"), blanks around it allowed. nullopt for anything else,
// a negative amount included.
std::optional<double> readChips(std::string_view text);

}  // namespace korvana
