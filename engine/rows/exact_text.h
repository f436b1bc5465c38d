#pragma once
// Texts of the exact chances beside the odds list: the percentage, "1 in x",
// the panel heading, card names with suit symbols and the explanation of one
// row. The formula's odds stay in the list as they are; these texts only add
// the exact figures next to them.
#include <span>
#include <string>
#include <string_view>

#include "engine/rows/analysis.h"
#include "engine/rows/exact_chance.h"
#include "engine/text/string_table.h"

namespace korvana {

// One decimal with a percent sign: "8.5%". "<0.1%" and ">99.9%" where the
// rounding would hide that the chance is neither nil nor certain; "0%" and
// "100%" only for exactly 0 and 1.
std::string percentText(double probability, std::string_view decimalSeparator = ".");

// "1 in 11.8" (Russian "1 из 11,8"); "1 in 1" for a certainty, empty for a nil chance.
std::string oneInText(double probability, Language language,
                      std::string_view decimalSeparator = ".");

// "Exact chance by the flop" / "... turn" / "... river".
std::string exactHeading(Language language, Round round);

// How far apart the list's formula and the exact chance may be before a row is
// marked: more than this factor either way.
inline constexpr double kDisagreementFactor = 1.5;

// Whether the formula's row and the exact chance disagree by more than the
// factor: possible rows by the ratio of their chances, an impossible row whose
// hand can still come, or a row that counts odds for a hand that cannot come.
bool formulaDisagrees(const OddsRow& row, double exact);

// A card as players write it: rank then suit symbol, "J♣", "T♥".
std::string cardName(Card card);

// Several lines explaining one row: what the list's "1:x" means, the exact
// chance, a note when the two disagree, and the outs by name. unseenCards is
// the number of cards not counted (52 minus the counted cards).
std::string rowExplanation(const OddsRow& row, const CategoryChance& chance, Round round,
                           int unseenCards, Language language,
                           std::string_view decimalSeparator = ".");

// Whether the outs are every card not counted, so that naming them tells nothing.
inline bool outsAreEveryUnseenCard(const CategoryChance& chance, int unseenCards) {
    return !chance.outs.empty() && static_cast<int>(chance.outs.size()) == unseenCards;
}

}  // namespace korvana
