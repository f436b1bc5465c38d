#include "engine/table/pot_odds.h"

#include <charconv>
#include <cmath>
#include <string>

namespace korvana {

std::optional<double> neededEquity(const PotOdds& odds) {
    if (!(odds.call > 0) || !(odds.pot >= 0) || !std::isfinite(odds.pot + odds.call))
        return std::nullopt;
    return odds.call / (odds.pot + odds.call);
}

bool callPays(double equity, double needed) {
    // Equal shares break even; rounding of a sum of shares must not tip that.
    return equity >= needed - 1e-12;
}

std::optional<double> readChips(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return std::nullopt;
    std::string number(text.substr(first, text.find_last_not_of(' ') - first + 1));
    if (const auto comma = number.find(','); comma != std::string::npos) number[comma] = '.';
    // Digits and one point only: no sign, exponent, "inf" or "nan".
    if (number.find_first_not_of("0123456789.") != std::string::npos ||
        number.find_first_of("0123456789") == std::string::npos)
        return std::nullopt;
    double value = 0;
    const auto read = std::from_chars(number.data(), number.data() + number.size(), value);
    if (read.ec != std::errc() || read.ptr != number.data() + number.size()) return std::nullopt;
    return value;
}

}  // namespace korvana
