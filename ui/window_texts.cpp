#include "window_texts.h"

#include <array>

#include "korvana_version.h"

namespace korvana::ui {
namespace {

struct Texts {
    const char* english;
    const char* russian;
};

// In the order of WindowText.
constexpr std::array<Texts, 17> kTexts{{
    {"Time passed", "Прошло времени"},
    {"Hands played", "Рук сыграно"},
    {"Transparency", "Прозрачность"},
    {"Font color", "Цвет шрифта"},
    {"Help", "Справка"},
    {"About", "О программе"},
    {"Tell a friend", "Рассказать другу"},
    {"Licence", "Лицензия"},
    {"Languages", "Языки"},
    {"Fold", "Сброс"},
    {"Odds to improve hand by the", "Шансы улучшить руку к"},
    {"pocket cards", "карманные карты"},
    {"flop", "флоп"},
    {"turn", "терн"},
    {"river", "ривер"},
    {"Automatically switch round", "Автоматически переключать раунд"},
    {"New version available", "Доступна новая версия"},
}};
static_assert(kTexts.size() == static_cast<size_t>(WindowText::NewVersionAvailable) + 1);

QString inLanguage(Language language, const Texts& texts) {
    return QString::fromUtf8(language == Language::Russian ? texts.russian : texts.english);
}

}  // namespace

QString windowText(Language language, WindowText text) {
    return inLanguage(language, kTexts[static_cast<size_t>(text)]);
}

QString panelLabel(Language language, WindowText text) {
    return windowText(language, text) + QStringLiteral(": ");
}

QString windowCaption(Language language) {
    return QStringLiteral("Korvana %1 - ").arg(QLatin1String(kProgramVersion)) +
           inLanguage(language, {"Poker hands analyzer, Texas Holdem odds calculator",
                                 "анализатор Покерных рук, калькулятор шансов Техас Холдем"});
}

QString licenceFileName(Language language) {
    return inLanguage(language, {"eula_eng.txt", "eula_rus.txt"});
}

QString languageName(Language language) {
    return inLanguage(language, {"English", "Русский"});
}

}  // namespace korvana::ui
