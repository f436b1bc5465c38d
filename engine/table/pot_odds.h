#pragma once
// Pot odds: the price of a call against the chance to win. A call of C into a
// pot of P risks C to win P + C, so it pays in the long run when the hand's
// equity (its share of the pot over all deals) is at least C / (P + C).
#include <optional>
#include <string>
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
// a negative amount included, and for a comma that may separate thousands
// as well as decimals (see commaReadings).
std::optional<double> readChips(std::string_view text);

// "1,000" is a thousand where a comma separates thousands, and one where it
// separates decimals: a comma after one to three digits and before exactly
// three has both readings, and the player must choose. The two ways to
// write the amount plainly, nullopt when the text has no such comma.
struct CommaReadings {
    std::string thousands;  // "1000"
    std::string decimal;    // "1.000"
};
std::optional<CommaReadings> commaReadings(std::string_view text);

}  // namespace korvana
