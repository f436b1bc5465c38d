#include "tools/korvana_odds/text/json_text.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>

namespace korvana {

std::string jsonString(std::string_view text) {
    std::string quoted = "\"";
    for (const char ch : text) {
        const auto byte = static_cast<unsigned char>(ch);
        if (ch == '"' || ch == '\\') {
            quoted += '\\';
            quoted += ch;
        } else if (byte < 0x20 || byte == 0x7f) {  // DEL too: it may steer a terminal
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", byte);
            quoted += escape;
        } else {
            quoted += ch;  // UTF-8 passes through unchanged
        }
    }
    return quoted + '"';
}

std::string jsonNumber(double value) {
    char buffer[40];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

std::string jsonCount(double value) {
    if (value >= 0 && value < 0x1p63 && value == std::floor(value))
        return std::to_string(static_cast<std::uint64_t>(value));
    return jsonNumber(value);
}

std::string_view categoryId(Category category) {
    switch (category) {
        case Category::RoyalFlush: return "royal_flush";
        case Category::StraightFlush: return "straight_flush";
        case Category::FourOfAKind: return "four_of_a_kind";
        case Category::FullHouse: return "full_house";
        case Category::Flush: return "flush";
        case Category::Straight: return "straight";
        case Category::ThreeOfAKind: return "three_of_a_kind";
        case Category::TwoPairs: return "two_pairs";
        case Category::Pair: return "pair";
        case Category::HighCard: break;
    }
    return "high_card";
}

}  // namespace korvana
