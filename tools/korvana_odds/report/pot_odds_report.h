#pragma once
// The pot odds korvana-odds prints after the win chances (--pot P --call C):
// the equity the call needs beside the hand's, and whether the call pays.
#include <string>
#include <string_view>

#include "engine/table/pot_odds.h"
#include "engine/text/language.h"

namespace korvana {

// "Pot odds: 20 to call into 100 needs 16.67% equity; yours is 46.21%: the call pays"
std::string potOddsText(const PotOdds& odds, double equity, Language language,
                        std::string_view decimalSeparator);

// The "pot_odds" member of the JSON object: "\"pot_odds\": {...}".
std::string potOddsJson(const PotOdds& odds, double equity);

}  // namespace korvana
