#include "string_table.h"

#include <array>
#include <cassert>

#include "korvana_version.h"

namespace korvana {
namespace {

using Row = std::array<std::string_view, kStringCount>;

constexpr Row kEnglish = {
    "eula_eng.txt", "High card", "Pair", "Two Pairs", "Three of a kind", "Straight", "Flash",
    "Full house", "Four of a kind", "Straight Flash", "Royal Flash", "complete", "impossible",
    "no", "and", "odds", "Time passed", "Hands played", "Best hand", "Transparency",
    "Font color", "Help", "About", "Tell a friend", "Licence", "Languages", "Fold",
    "Odds to improve hand by the", "pocket cards", "flop", "turn", "river",
    "Automatically switch round", "New version available",
};

constexpr Row kRussian = {
    "eula_rus.txt", "Высшая карта", "Пара", "Две пары", "Сет", "Стрейт", "Флеш", "Фул Хаус",
    "Каре", "Стрейт Флеш", "Роял Флеш", "завершен", "невозможен", "нет", "и", "шансы",
    "Прошло времени", "Рук сыграно", "Лучшая рука", "Прозрачность", "Цвет шрифта", "Справка",
    "О программе", "Рассказать другу", "Лицензия", "Языки", "Сброс", "Шансы улучшить руку к",
    "карманные карты", "флоп", "терн", "ривер", "Автоматически переключать раунд",
    "Доступна новая версия",
};

}  // namespace

std::string_view text(Language language, int k) {
    assert(k >= 0 && k < kStringCount);
    const Row& row = language == Language::Russian ? kRussian : kEnglish;
    return row[static_cast<size_t>(k)];
}

std::string windowCaption(Language language) {
    std::string caption = "Korvana ";
    caption += programVersion();
    caption += language == Language::Russian
                   ? " - анализатор Покерных рук, калькулятор шансов Техас Холдем"
                   : " - Poker hands analyzer, Texas Holdem odds calculator";
    return caption;
}

std::string_view programVersion() { return KORVANA_VERSION; }

}  // namespace korvana
