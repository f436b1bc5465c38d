#include "engine/rows/exact_text.h"

#include <charconv>
#include <cmath>

#include "engine/rows/odds_math.h"
#include "engine/text/decimal_text.h"

namespace korvana {
namespace {

// One decimal, independent of the process locale.
std::string oneDecimal(double value) {
    return decimalText(value, 1, ".");
}

// Tries per success to a tenth, halves up, without a trailing ".0": "11.8", "1".
std::string tenthsText(double x, std::string_view decimalSeparator) {
    std::string text = oneDecimal(std::floor(x * 10.0 + 0.5) / 10.0);
    if (text.ends_with(".0")) text.resize(text.size() - 2);
    return withDecimalSeparator(text, decimalSeparator);
}

}  // namespace

std::string percentText(double probability, std::string_view decimalSeparator) {
    if (probability <= 0.0) return "0%";
    if (probability >= 1.0) return "100%";
    const std::string rounded = oneDecimal(probability * 100.0);
    if (rounded == "0.0") return "<" + withDecimalSeparator("0.1", decimalSeparator) + "%";
    if (rounded == "100.0") return ">" + withDecimalSeparator("99.9", decimalSeparator) + "%";
    return withDecimalSeparator(rounded, decimalSeparator) + "%";
}

std::string oneInText(double probability, Language language, std::string_view decimalSeparator) {
    if (probability <= 0.0) return {};
    return fillIn(phrase(language, Phrase::OneIn),
                  {tenthsText(1.0 / probability, decimalSeparator)});
}

std::string exactHeading(Language language, Round round) {
    switch (round) {
        case Round::Flop: return std::string(phrase(language, Phrase::ExactChanceByFlop));
        case Round::Turn: return std::string(phrase(language, Phrase::ExactChanceByTurn));
        case Round::River: break;
    }
    return std::string(phrase(language, Phrase::ExactChanceByRiver));
}

bool formulaDisagrees(const OddsRow& row, double exact) {
    switch (row.state) {
        case RowState::Complete: return exact < 1.0;
        case RowState::Impossible: return exact > 0.0;
        case RowState::Possible: break;
    }
    if (!row.odds || *row.odds <= 0.0 || exact <= 0.0) return true;
    const double ratio = exact * *row.odds;  // exact chance over the formula's chance
    return ratio > kDisagreementFactor || ratio * kDisagreementFactor < 1.0;
}

std::string cardName(Card card) {
    static constexpr std::string_view kSymbols[] = {"♣", "♦", "♥", "♠"};
    return std::string(rankText(card.rank)) + std::string(kSymbols[suitIndex(card.suit)]);
}

std::string rowExplanation(const OddsRow& row, const CategoryChance& chance, Round round,
                           int unseenCards, Language language, std::string_view separator) {
    const auto say = [language](Phrase what) { return phrase(language, what); };
    std::string text;
    switch (row.state) {
        case RowState::Possible: {
            const double odds = row.odds.value_or(0.0);
            const std::string x = oddsNumberText(odds, separator);
            const std::string formula = odds > 0.0 ? percentText(1.0 / odds, separator) : "0%";
            text = fillIn(say(Phrase::ListedOdds), {x, formula});
            break;
        }
        case RowState::Impossible: text = say(Phrase::ListedImpossible); break;
        case RowState::Complete: text = say(Phrase::ListedComplete); break;
    }

    const double exact = chance.chance.probability;
    text += '\n';
    text += exactHeading(language, round) + ": " + percentText(exact, separator);
    if (exact > 0.0 && exact < 1.0) text += " (" + oneInText(exact, language, separator) + ")";
    text += exact > 0.0 ? "." : say(Phrase::CannotCome);

    if (formulaDisagrees(row, exact)) {
        text += '\n';
        text += fillIn(say(Phrase::FormulaDiffers), {withDecimalSeparator("1.5", separator)});
    }

    // Outs only make sense while a card is still to come and the hand is not there yet.
    const bool cardToCome = chance.chance.completions > 1;
    const bool held = exact >= 1.0 && chance.outs.empty();
    if (cardToCome && !held) {
        text += '\n';
        if (chance.outs.empty()) {
            text += say(Phrase::NoOuts);
        } else if (outsAreEveryUnseenCard(chance, unseenCards)) {
            text += say(Phrase::EveryCardIsAnOut);
        } else {
            text += fillIn(say(Phrase::Outs), {std::to_string(chance.outs.size())});
            for (size_t i = 0; i < chance.outs.size(); ++i) {
                // Thirteen to a line, like a row of the picker, keeps a long list readable.
                text += i > 0 && i % 13 == 0 ? '\n' : ' ';
                text += cardName(chance.outs[i]);
            }
        }
    }
    return text;
}

}  // namespace korvana
