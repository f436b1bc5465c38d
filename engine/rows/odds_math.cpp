#include "engine/rows/odds_math.h"

#include <array>
#include <charconv>
#include <cmath>

namespace korvana {
namespace {

// Nearest integer with exact halves going to the even neighbour, in the type's
// own precision (std::round would send halves away from zero).
Extended roundHalfEven(Extended q) {
    using std::floor;
    const Extended down = floor(q);
    const Extended fraction = q - down;  // exact for every q >= 0
    if (fraction > Extended(0.5)) return down + Extended(1);
    if (fraction < Extended(0.5)) return down;
    const Extended half = down / Extended(2);
    return floor(half) == half ? down : down + Extended(1);
}

}  // namespace

namespace {
constexpr int kTabledFactorials = 53;  // a deck never needs more than 52!

constexpr double multipliedUp(int n) {
    double product = 1.0;
    for (int factor = 1; factor <= n; ++factor) product *= factor;
    return product;
}

// The same products, worked out once at compile time: every pass needs dozens.
constexpr auto kFactorials = [] {
    std::array<double, kTabledFactorials> table{};
    for (int n = 0; n < kTabledFactorials; ++n) table[static_cast<size_t>(n)] = multipliedUp(n);
    return table;
}();
}  // namespace

double factorial(int n) {
    return n >= 0 && n < kTabledFactorials ? kFactorials[static_cast<size_t>(n)] : multipliedUp(n);
}

double choose(int n, int k) {
    if (k >= n || k <= 0) return 1.0;
    const double a = factorial(k);
    const Extended b = Extended(factorial(n - k)) * Extended(a);
    return static_cast<double>(Extended(factorial(n)) / b);
}

double roundToTenth(double x) {
    constexpr double kTenth = 0.1;  // the double nearest 0.1, slightly above it
    const Extended tenths = roundHalfEven(Extended(x) / Extended(kTenth));
    return static_cast<double>(tenths * Extended(kTenth));
}

std::string oddsNumberText(double x, std::string_view decimalSeparator) {
    char buffer[64];
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, roundToTenth(x),
                                         std::chars_format::general, 15);
    std::string text;
    if (ec != std::errc()) return text;  // cannot happen for finite odds below 10^15
    for (const char* p = buffer; p != end; ++p) {
        if (*p == '.')
            text += decimalSeparator;
        else
            text += *p;
    }
    return text;
}

}  // namespace korvana
