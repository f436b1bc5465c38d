#include "string_table.h"

#include <array>
#include <cassert>

#include "korvana_version.h"

namespace korvana {
namespace {

using Row = std::array<std::string_view, kStringCount>;

constexpr Row kEnglish = {
    "High card",
    "Pair",
    "Two Pairs",
    "Three of a kind",
    "Straight",
    "Flash",
    "Full house",
    "Four of a kind",
    "Straight Flash",
    "Royal Flash",
    "complete",
    "impossible",
    "no",
    "and",
    "odds",
    "Best hand",
};

constexpr Row kRussian = {
    "Высшая карта", "Пара", "Две пары",    "Сет",         "Стрейт",   "Флеш",
    "Фул Хаус",     "Каре", "Стрейт Флеш", "Роял Флеш",   "завершен", "невозможен",
    "нет",          "и",    "шансы",       "Лучшая рука",
};

}  // namespace

std::string_view text(Language language, int k) {
    assert(k >= 0 && k < kStringCount);
    const Row& row = language == Language::Russian ? kRussian : kEnglish;
    return row[static_cast<size_t>(k)];
}

std::string_view categoryName(Language language, Category category) {
    switch (category) {
        case Category::Pair: return text(language, entry::Pair);
        case Category::TwoPairs: return text(language, entry::TwoPairs);
        case Category::ThreeOfAKind: return text(language, entry::ThreeOfAKind);
        case Category::Straight: return text(language, entry::Straight);
        case Category::Flush: return text(language, entry::Flush);
        case Category::FullHouse: return text(language, entry::FullHouse);
        case Category::FourOfAKind: return text(language, entry::FourOfAKind);
        case Category::StraightFlush: return text(language, entry::StraightFlush);
        case Category::RoyalFlush: return text(language, entry::RoyalFlush);
        case Category::HighCard: break;
    }
    return text(language, entry::HighCard);
}

std::string_view programVersion() {
    return KORVANA_VERSION;
}

}  // namespace korvana
