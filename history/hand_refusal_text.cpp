// The reasons a hand is refused, in English and Russian.
#include <string>
#include <string_view>

#include "history/hand_refusal.h"

namespace korvana::history {
namespace {

struct Words {
    const char* english;
    const char* russian;
};

// %p the player, %c the card, %e the expected amount, %f the amount found.
Words wordsOf(HandProblem problem) {
    switch (problem) {
        case HandProblem::CutOff:
            return {"the hand stops before its summary (cut off)",
                    "раздача обрывается до итогов (файл неполный)"};
        case HandProblem::NotHoldem: return {"not a Hold'em hand", "это не раздача холдема"};
        case HandProblem::UnreadableLine:
            return {"this line cannot be read", "эту строку не прочесть"};
        case HandProblem::LineTooLong: return {"the line is too long", "строка слишком длинная"};
        case HandProblem::HandTooLong:
            return {"the hand has too many lines", "в раздаче слишком много строк"};
        case HandProblem::TooManyPlayers:
            return {"more than ten seats, or a seat twice",
                    "больше десяти мест или одно место дважды"};
        case HandProblem::CardTwice:
            return {"the card %c is seen twice", "карта %c встречается дважды"};
        case HandProblem::CardsChanged:
            return {"%p shows other cards than before", "%p показывает не те карты, что раньше"};
        case HandProblem::UnknownPlayer:
            return {"%p has no seat in this hand", "у %p нет места в этой раздаче"};
        case HandProblem::NotInHand:
            return {"%p acts but is not in the hand", "%p действует, но не участвует в раздаче"};
        case HandProblem::OutOfTurn:
            return {"%p acts out of turn", "%p действует не в свою очередь"};
        case HandProblem::BeyondStack:
            return {"%p puts in %f but has only %e left", "%p ставит %f, а у него осталось %e"};
        case HandProblem::WrongCheck:
            return {"%p checks facing a bet", "%p чекает, хотя перед ним ставка"};
        case HandProblem::WrongAmount:
            return {"%p puts in %f where the bet asks %e", "%p ставит %f, а ставка требует %e"};
        case HandProblem::AllInMismatch:
            return {"%p's all-in does not match his stack (%e left)",
                    "олл-ин %p не сходится со стеком (осталось %e)"};
        case HandProblem::WrongReturn:
            return {"%p gets back %f of an uncalled bet of %e",
                    "%p получает назад %f, а не уравнено %e"};
        case HandProblem::BoardMismatch:
            return {"the board does not match the cards dealt before",
                    "борд не совпадает с картами, сданными раньше"};
        case HandProblem::BettingNotOver:
            return {"the betting is not over", "торговля не закончена"};
        case HandProblem::NotEligible:
            return {"%p collects a pot he could not win",
                    "%p забирает банк, который не мог выиграть"};
        case HandProblem::TotalPotMismatch:
            return {"the total pot %f is not what went in (%e)",
                    "общий банк %f не равен поставленному (%e)"};
        case HandProblem::PayoutMismatch:
            return {"what was collected plus the rake (%f) is not the pot (%e)",
                    "выигрыши и рейк (%f) не равны банку (%e)"};
    }
    return {"this line cannot be read", "эту строку не прочесть"};
}

}  // namespace

std::string refusalText(const HandRefusal& refusal, Language language) {
    const Words words = wordsOf(refusal.problem);
    const std::string_view pattern = language == Language::Russian ? words.russian : words.english;
    std::string text;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] != '%' || i + 1 == pattern.size()) {
            text += pattern[i];
            continue;
        }
        switch (pattern[++i]) {
            case 'p': text += refusal.player; break;
            case 'c': text += cardCode(refusal.card); break;
            case 'e': text += amountText(refusal.expected, "", false); break;
            case 'f': text += amountText(refusal.found, "", false); break;
            default: text += pattern[i];
        }
    }
    return text;
}

}  // namespace korvana::history
