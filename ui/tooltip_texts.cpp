#include "tooltip_texts.h"

namespace korvana::ui {
namespace {

struct Texts {
    const char* english;
    const char* russian;
};

Texts textsOf(TooltipControl control) {
    switch (control) {
        case TooltipControl::PickerCard:
            return {"Click to put this card on the table; click again to take it off",
                    "Щелчок кладёт карту на стол, повторный щелчок убирает её"};
        case TooltipControl::PocketCardSlot:
            return {"Your pocket card. Click to take it off the table",
                    "Ваша карта на руках. Щелчок убирает её со стола"};
        case TooltipControl::FlopCardSlot:
            return {"A flop card. Click to take it off the table",
                    "Карта флопа. Щелчок убирает её со стола"};
        case TooltipControl::TurnSlot:
            return {"The turn card. Click to take it off the table",
                    "Карта тёрна. Щелчок убирает её со стола"};
        case TooltipControl::RiverSlot:
            return {"The river card. Click to take it off the table",
                    "Карта ривера. Щелчок убирает её со стола"};
        case TooltipControl::RoundSelector:
            return {"The round by which the odds count: how many cards will be known then",
                    "Раунд, к которому считаются шансы: сколько карт будет известно к нему"};
        case TooltipControl::AutoSwitch:
            return {
                "Let the round follow the cards on the table: flop below five cards, turn with "
                "five, "
                "river with six or seven",
                "Раунд следует за картами на столе: флоп при меньше чем пяти картах, тёрн при "
                "пяти, "
                "ривер при шести или семи"};
        case TooltipControl::OddsList:
            return {
                "Each hand: complete, impossible, or possible with the odds 1:x of making it by "
                "the round",
                "Каждая комбинация: собрана, невозможна или возможна с шансами 1:x собрать её к "
                "раунду"};
        case TooltipControl::TransparencySlider:
            return {"How much of the desktop shows through the window",
                    "Насколько окно просвечивает"};
        case TooltipControl::FontColourSlider:
            return {"Text colour of the odds list, from dark to white",
                    "Цвет текста в списке шансов, от тёмного до белого"};
        case TooltipControl::TimePassedPanel:
            return {"Time since Korvana started, in hours and minutes",
                    "Время с запуска Korvana, в часах и минутах"};
        case TooltipControl::HandsPlayedPanel:
            return {"Folds with at least two cards on the table since start",
                    "Сбросы хотя бы двух карт со стола с момента запуска"};
        case TooltipControl::BestHandPanel:
            return {"The best hand completed since start",
                    "Лучшая комбинация, собранная с момента запуска"};
        case TooltipControl::Fold:
            return {"Clear the table for the next hand (Ctrl+N)",
                    "Очистить стол для следующей раздачи (Ctrl+N)"};
        case TooltipControl::KeyboardEntry:
            return {
                "Type a card: rank 2-9, T or 10, J, Q, K, A, then suit c, d, h, s. Backspace takes "
                "the last "
                "card off, Escape clears a half-typed card",
                "Наберите карту: ранг 2-9, T или 10, J, Q, K, A, затем масть c, d, h, s. Backspace "
                "снимает "
                "последнюю карту, Escape отменяет начатую"};
        case TooltipControl::Undo:
            return {
                "Take back the last change of cards, fold, round or auto-switch (Ctrl+Z)",
                "Отменить последнее изменение карт, сброс, раунд или автопереключение (Ctrl+Z)"};
        case TooltipControl::Redo:
            return {"Make the change you took back again (Ctrl+Shift+Z or Ctrl+Y)",
                    "Вернуть отменённое изменение (Ctrl+Shift+Z или Ctrl+Y)"};
        case TooltipControl::HelpEntry:
            return {"Open the Korvana help pages in your web browser",
                    "Открыть справку Korvana в браузере"};
        case TooltipControl::AboutEntry:
            return {"Show what Korvana is and which version this is",
                    "Показать, что такое Korvana и какая это версия"};
        case TooltipControl::TellAFriendEntry:
            return {"Open a page in your web browser to tell a friend about Korvana",
                    "Открыть в браузере страницу, чтобы рассказать другу о Korvana"};
        case TooltipControl::LicenceEntry:
            return {"Read the terms under which Korvana may be used",
                    "Прочитать условия, на которых можно пользоваться Korvana"};
        case TooltipControl::LanguageEntry:
            return {"Show every text of the window in this language; the choice is remembered",
                    "Показывать все тексты окна на этом языке; выбор запоминается"};
        case TooltipControl::ExactChancesEntry:
            return {
                "Show the exact chance of each hand under the odds list, with its outs on the "
                "cards",
                "Показывать под списком точный шанс каждой комбинации и её ауты на картах"};
        case TooltipControl::HighContrastLights: break;
    }
    return {
        "Lights that colour-blind players tell apart, with readable text and a symbol for each "
        "state",
        "Цвета, различимые при дальтонизме, с читаемым текстом и значком состояния"};
}

}  // namespace

QString tooltipText(Language language, TooltipControl control) {
    const Texts texts = textsOf(control);
    return QString::fromUtf8(language == Language::English ? texts.english : texts.russian);
}

QString menuEntryText(Language language, MenuEntry entry) {
    const bool english = language == Language::English;
    switch (entry) {
        case MenuEntry::TypingCards:
            return english ? QStringLiteral("Typing cards...")
                           : QStringLiteral("Ввод карт с клавиатуры...");
        case MenuEntry::Undo: return english ? QStringLiteral("Undo") : QStringLiteral("Отменить");
        case MenuEntry::Redo: return english ? QStringLiteral("Redo") : QStringLiteral("Повторить");
        case MenuEntry::HighContrastLights: break;
    }
    return english ? QStringLiteral("High-contrast lights")
                   : QStringLiteral("Контрастная подсветка");
}

QString cardName(Language language, Card card) {
    static constexpr const char* kEnglishRanks[] = {"Two",   "Three", "Four", "Five", "Six",
                                                    "Seven", "Eight", "Nine", "Ten",  "Jack",
                                                    "Queen", "King",  "Ace"};
    static constexpr const char* kEnglishSuits[] = {"clubs", "diamonds", "hearts", "spades"};
    static constexpr const char* kRussianRanks[] = {
        "Двойка",  "Тройка",  "Четвёрка", "Пятёрка", "Шестёрка", "Семёрка", "Восьмёрка",
        "Девятка", "Десятка", "Валет",    "Дама",    "Король",   "Туз"};
    static constexpr const char* kRussianSuits[] = {"треф", "бубён", "червей", "пик"};
    const auto rank = static_cast<size_t>(card.rank - 2);
    const auto suit = suitIndex(card.suit);
    if (language == Language::English)
        return QStringLiteral("%1 of %2")
            .arg(QLatin1String(kEnglishRanks[rank]), QLatin1String(kEnglishSuits[suit]));
    return QStringLiteral("%1 %2").arg(QString::fromUtf8(kRussianRanks[rank]),
                                       QString::fromUtf8(kRussianSuits[suit]));
}

QString pickerCardTooltip(Language language, Card card) {
    return cardName(language, card) + QStringLiteral(". ") +
           tooltipText(language, TooltipControl::PickerCard);
}

}  // namespace korvana::ui
