#include "history/amount.h"

#include <cstdlib>

namespace korvana::history {

std::string_view currencySignAt(std::string_view text) {
    for (const std::string_view sign : {"$", "\xE2\x82\xAC", "\xC2\xA3"})
        if (text.starts_with(sign)) return text.substr(0, sign.size());
    return {};
}

std::optional<Amount> readAmount(std::string_view text, std::size_t& used) {
    std::size_t at = currencySignAt(text).size();
    Amount whole = 0;
    int digits = 0;
    const auto isDigit = [&](std::size_t i) {
        return i < text.size() && text[i] >= '0' && text[i] <= '9';
    };
    while (at < text.size()) {
        if (isDigit(at)) {
            if (whole > kLargestAmount / 10) return std::nullopt;
            whole = whole * 10 + (text[at] - '0');
            ++digits;
            ++at;
        } else if (text[at] == ',' && digits > 0 && isDigit(at + 1) && isDigit(at + 2) &&
                   isDigit(at + 3) && !isDigit(at + 4)) {
            ++at;  // a thousands separator
        } else {
            break;
        }
    }
    if (digits == 0) return std::nullopt;
    Amount hundredths = 0;
    if (at < text.size() && text[at] == '.' && isDigit(at + 1)) {
        ++at;
        int decimals = 0;
        while (isDigit(at)) {
            if (++decimals > 2) return std::nullopt;
            hundredths = hundredths * 10 + (text[at] - '0');
            ++at;
        }
        if (decimals == 1) hundredths *= 10;
    }
    if (whole > kLargestAmount / kAmountScale) return std::nullopt;
    used = at;
    return whole * kAmountScale + hundredths;
}

std::optional<Amount> parseAmount(std::string_view text) {
    std::size_t used = 0;
    const auto amount = readAmount(text, used);
    if (!amount || used != text.size()) return std::nullopt;
    return amount;
}

std::string amountText(Amount amount, std::string_view currency, bool decimals) {
    std::string text = amount < 0 ? "-" : "";
    const Amount size = std::llabs(amount);
    text += currency;
    text += std::to_string(size / kAmountScale);
    const Amount cents = size % kAmountScale;
    if (decimals || cents != 0) {
        text += '.';
        text += static_cast<char>('0' + cents / 10);
        text += static_cast<char>('0' + cents % 10);
    }
    return text;
}

}  // namespace korvana::history
