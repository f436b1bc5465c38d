#pragma once
// Money in a hand history: a whole number of hundredths of the file's unit
// (cents of a cash game, hundredths of a tournament chip), so that every sum
// the checks make is exact.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace korvana::history {

using Amount = std::int64_t;
inline constexpr Amount kAmountScale = 100;
// Far beyond any stack, and small enough that every amount of a hand (at most
// 5 000 lines of them) adds up in an Amount.
inline constexpr Amount kLargestAmount = Amount{100'000'000'000'000};

// The currency signs a room writes before an amount: "$", "€", "£" (none for chips).
// The sign at the start of text, or an empty view.
std::string_view currencySignAt(std::string_view text);

// Reads an amount at the start of text: an optional currency sign, digits
// (commas between thousands allowed) and at most two decimals. Sets used to
// the characters read. nullopt for anything else or beyond kLargestAmount.
std::optional<Amount> readAmount(std::string_view text, std::size_t& used);
// The whole text as an amount.
std::optional<Amount> parseAmount(std::string_view text);

// The amount in the file's unit, as a number (0.3 for 30).
inline double amountValue(Amount amount) {
    return static_cast<double>(amount) / static_cast<double>(kAmountScale);
}

// "1.50", "-0.25", or "1500" for whole chips when decimals is false; the sign
// is written before the currency: "-$0.25".
std::string amountText(Amount amount, std::string_view currency, bool decimals);

}  // namespace korvana::history
