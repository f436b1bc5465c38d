#include "engine/cards/card.h"

namespace korvana {
namespace {
constexpr std::string_view kRankLetters = "23456789TJQKA";
constexpr std::string_view kSuitLetters = "cdhs";
}  // namespace

std::optional<Card> parseCardCode(std::string_view code) {
    if (code.size() != 2) return std::nullopt;
    const auto rank = kRankLetters.find(code[0]);
    const auto suit = kSuitLetters.find(code[1]);
    if (rank == std::string_view::npos || suit == std::string_view::npos) return std::nullopt;
    return Card{static_cast<int>(rank) + 2, kSuits[suit]};
}

std::string cardCode(Card card) {
    return {kRankLetters[static_cast<size_t>(card.rank - 2)], kSuitLetters[suitIndex(card.suit)]};
}

std::string_view rankText(int rank) {
    return kRankLetters.substr(static_cast<size_t>(rank - 2), 1);
}

const std::array<std::string, kCardCount>& allCardCodes() {
    static const std::array<std::string, kCardCount> codes = [] {
        std::array<std::string, kCardCount> all;
        for (int index = 0; index < kCardCount; ++index)
            all[static_cast<size_t>(index)] = cardCode(cardAt(index));
        return all;
    }();
    return codes;
}

}  // namespace korvana
