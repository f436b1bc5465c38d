#include "engine/table/pot_odds.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>

namespace korvana {

std::optional<double> neededEquity(const PotOdds& odds) {
    if (!(odds.call > 0) || !(odds.pot >= 0) || !std::isfinite(odds.pot) ||
        !std::isfinite(odds.call))
        return std::nullopt;
    if (std::isfinite(odds.pot + odds.call)) return odds.call / (odds.pot + odds.call);
    // Each amount a number, their sum not: both as shares of the larger.
    const double larger = std::max(odds.pot, odds.call);
    const double call = odds.call / larger;
    return call / (odds.pot / larger + call);
}

bool callPays(double equity, double needed) {
    // Equal shares break even; rounding of a sum of shares must not tip that.
    return equity >= needed - 1e-12;
}

namespace {

std::string_view trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// The amount of 'text' with its one comma read as 'point'.
std::optional<double> readWithComma(std::string_view text, char point) {
    std::string number(trimmed(text));
    if (number.empty()) return std::nullopt;
    if (const auto comma = number.find(','); comma != std::string::npos) {
        if (point == 0)
            number.erase(comma, 1);
        else
            number[comma] = point;
    }
    // Digits and one point only: no sign, exponent, "inf" or "nan".
    if (number.find_first_not_of("0123456789.") != std::string::npos ||
        number.find_first_of("0123456789") == std::string::npos)
        return std::nullopt;
    double value = 0;
    const auto read = std::from_chars(number.data(), number.data() + number.size(), value);
    if (read.ec != std::errc() || read.ptr != number.data() + number.size()) return std::nullopt;
    return value;
}

}  // namespace

std::optional<double> readChips(std::string_view text) {
    if (commaReadings(text)) return std::nullopt;
    return readWithComma(text, '.');
}

std::optional<CommaReadings> commaReadings(std::string_view text) {
    const std::string_view number = trimmed(text);
    const auto comma = number.find(',');
    // Thousands take one to three digits before their comma and three after.
    if (comma == std::string_view::npos || comma == 0 || comma > 3 || number.size() - comma != 4)
        return std::nullopt;
    if (!readWithComma(number, 0) || number.find('.') != std::string_view::npos)
        return std::nullopt;
    CommaReadings readings{std::string(number), std::string(number)};
    readings.thousands.erase(comma, 1);
    readings.decimal[comma] = '.';
    return readings;
}

}  // namespace korvana
