#include "engine/text/decimal_text.h"

#include <cmath>

#include <charconv>

namespace korvana {

std::string withDecimalSeparator(std::string text, std::string_view decimalSeparator) {
    if (const auto point = text.find('.'); point != std::string::npos)
        text.replace(point, 1, decimalSeparator);
    return text;
}

std::string decimalText(double value, int decimals, std::string_view decimalSeparator) {
    char buffer[64];
    const auto end =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals)
            .ptr;
    return withDecimalSeparator(std::string(buffer, end), decimalSeparator);
}

std::string percentOf(double fraction, int decimals, std::string_view decimalSeparator) {
    return decimalText(fraction * 100.0, decimals, decimalSeparator) + "%";
}

std::string comboCountText(double count, std::string_view decimalSeparator) {
    const double whole = std::round(count);
    if (std::abs(count - whole) < 1e-9) return decimalText(whole, 0, decimalSeparator);
    return decimalText(count, count < 0.1 ? 2 : 1, decimalSeparator);
}

}  // namespace korvana
