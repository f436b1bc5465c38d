#include "card.h"

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
    return Card{static_cast<int>(rank) + 2, static_cast<int>(suit) + 1};
}

std::string cardCode(Card card) {
    return {kRankLetters[static_cast<size_t>(card.rank - 2)],
            kSuitLetters[static_cast<size_t>(card.suit - 1)]};
}

std::string_view rankText(int rank) {
    return kRankLetters.substr(static_cast<size_t>(rank - 2), 1);
}

const std::array<std::string, 52>& allCardCodes() {
    static const std::array<std::string, 52> codes = [] {
        std::array<std::string, 52> all;
        for (int suit = 1; suit <= 4; ++suit)
            for (int rank = 2; rank <= 14; ++rank)
                all[static_cast<size_t>((suit - 1) * 13 + rank - 2)] = cardCode({rank, suit});
        return all;
    }();
    return codes;
}

}  // namespace korvana
