#include "tools/korvana_odds/report/pot_odds_report.h"

#include <charconv>

#include "engine/text/decimal_text.h"
#include "engine/text/string_table.h"

#include "tools/korvana_odds/text/json_text.h"

namespace korvana {
namespace {

// An amount as short as it reads: "100", "2.5".
std::string amount(double value, std::string_view decimalSeparator) {
    char buffer[40];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
    return withDecimalSeparator(std::string(buffer, end), decimalSeparator);
}

std::string percent(double fraction, std::string_view decimalSeparator) {
    return percentOf(fraction, 2, decimalSeparator);
}

}  // namespace

std::string potOddsText(const PotOdds& odds, double equity, Language language,
                        std::string_view decimalSeparator) {
    const double needed = neededEquity(odds).value_or(1.0);
    const bool pays = callPays(equity, needed);
    const std::string call = amount(odds.call, decimalSeparator);
    const std::string pot = amount(odds.pot, decimalSeparator);
    return fillIn(phrase(language, Phrase::PotOdds),
                  {call, pot, percent(needed, decimalSeparator), percent(equity, decimalSeparator),
                   phrase(language, pays ? Phrase::CallPays : Phrase::CallDoesNotPay)});
}

std::string potOddsJson(const PotOdds& odds, double equity) {
    const double needed = neededEquity(odds).value_or(1.0);
    return "\"pot_odds\": {\"pot\": " + jsonNumber(odds.pot) +
           ", \"call\": " + jsonNumber(odds.call) + ", \"needed_equity\": " + jsonNumber(needed) +
           ", \"equity\": " + jsonNumber(equity) +
           ", \"call_pays\": " + (callPays(equity, needed) ? "true" : "false") + "}";
}

}  // namespace korvana
