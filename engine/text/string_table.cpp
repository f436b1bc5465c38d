#include "engine/text/string_table.h"

#include <array>

#include "korvana_version.h"

namespace korvana {
namespace {

// A new language takes the next column, here and in every entry below.
constexpr size_t kLanguageCount = 2;

// The column of a language in the table.
constexpr size_t columnOf(Language language) {
    switch (language) {
        case Language::English: return 0;
        case Language::Russian: return 1;
    }
    return 0;
}

struct Entry {
    Phrase phrase;
    std::array<std::string_view, kLanguageCount> texts;  // in column order
};

// In the order of Phrase. The odds list has always written "Flash" for a
// flush; players know its rows by those words, so they stay.
constexpr Entry kEntries[] = {
    {Phrase::HighCard, {"High card", "Высшая карта"}},
    {Phrase::Pair, {"Pair", "Пара"}},
    {Phrase::TwoPairs, {"Two Pairs", "Две пары"}},
    {Phrase::ThreeOfAKind, {"Three of a kind", "Сет"}},
    {Phrase::Straight, {"Straight", "Стрейт"}},
    {Phrase::Flush, {"Flash", "Флеш"}},
    {Phrase::FullHouse, {"Full house", "Фул Хаус"}},
    {Phrase::FourOfAKind, {"Four of a kind", "Каре"}},
    {Phrase::StraightFlush, {"Straight Flash", "Стрейт Флеш"}},
    {Phrase::RoyalFlush, {"Royal Flash", "Роял Флеш"}},
    {Phrase::Complete, {"complete", "завершен"}},
    {Phrase::Impossible, {"impossible", "невозможен"}},
    {Phrase::No, {"no", "нет"}},
    {Phrase::And, {"and", "и"}},
    {Phrase::Odds, {"odds", "шансы"}},
    {Phrase::BestHand, {"Best hand", "Лучшая рука"}},
    {Phrase::OneIn, {"1 in %1", "1 из %1"}},
    {Phrase::ExactChanceByFlop, {"Exact chance by the flop", "Точный шанс к флопу"}},
    {Phrase::ExactChanceByTurn, {"Exact chance by the turn", "Точный шанс к терну"}},
    {Phrase::ExactChanceByRiver, {"Exact chance by the river", "Точный шанс к риверу"}},
    {Phrase::ListedOdds,
     {"1:%1 in the list: the formula's odds, one success in %1 tries (%2).",
      "1:%1 в списке: шансы по формуле, в среднем одна удача на %1 попыток (%2)."}},
    {Phrase::ListedImpossible,
     {"In the list: the formula finds no way to this hand.",
      "В списке: по формуле эта комбинация невозможна."}},
    {Phrase::ListedComplete,
     {"In the list: the hand is complete.", "В списке: комбинация собрана."}},
    {Phrase::CannotCome, {", this hand cannot come.", ", эта комбинация не соберётся."}},
    {Phrase::FormulaDiffers,
     {"The formula and the exact chance differ by more than %1 times.",
      "Формула расходится с точным шансом больше чем в %1 раза."}},
    {Phrase::NoOuts,
     {"No outs: no single next card makes this hand.",
      "Аутов нет: ни одна следующая карта не собирает комбинацию."}},
    {Phrase::EveryCardIsAnOut,
     {"Outs: any card not on the table.", "Ауты: любая карта, которой нет на столе."}},
    {Phrase::Outs, {"Outs (%1):", "Ауты (%1):"}},
    {Phrase::RangeHitsHeading,
     {"Range %1 on this board, %2 combinations:", "Диапазон %1 на этой доске, комбинаций: %2"}},
    {Phrase::RangeHitsNone,
     {"Range %1 on this board: the known cards leave none of its combinations",
      "Диапазон %1 на этой доске: известные карты не оставляют ни одной его комбинации"}},
    {Phrase::FlushDraw, {"Flush draw", "Флеш-дро"}},
    {Phrase::OpenEndedDraw, {"Open-ended straight draw", "Двустороннее стрит-дро"}},
    {Phrase::Gutshot, {"Gutshot", "Гатшот"}},
    {Phrase::RoundSwitchedFlop,
     {"Odds by the flop (round switched automatically)",
      "Шансы к флопу (раунд переключён автоматически)"}},
    {Phrase::RoundSwitchedTurn,
     {"Odds by the turn (round switched automatically)",
      "Шансы к терну (раунд переключён автоматически)"}},
    {Phrase::RoundSwitchedRiver,
     {"Odds by the river (round switched automatically)",
      "Шансы к риверу (раунд переключён автоматически)"}},
    {Phrase::WinChancesAgainstOne,
     {"Win chances against %1 opponent:", "Шансы против %1 соперника:"}},
    {Phrase::WinChancesAgainstMany,
     {"Win chances against %1 opponents:", "Шансы против %1 соперников:"}},
    {Phrase::Win, {"win", "выигрыш"}},
    {Phrase::Tie, {"tie", "ничья"}},
    {Phrase::Equity, {"equity", "доля банка"}},
    {Phrase::TheOnlyBoard, {"the only board", "единственная доска"}},
    {Phrase::TheOnlyDeal, {"the only deal", "единственная раздача"}},
    {Phrase::AllBoards, {"all %1 boards", "все доски: %1"}},
    {Phrase::AllDeals, {"all %1 deals", "все раздачи: %1"}},
    {Phrase::DealsCounted, {"%1 of all %2 deals counted", "посчитано раздач: %1 из %2"}},
    {Phrase::OneSampledDeal,
     {"%1 sampled deal, too few to estimate the error",
      "случайных раздач: %1, слишком мало для оценки погрешности"}},
    {Phrase::TooFewSampled,
     {"%1 sampled deals, too few to estimate the error",
      "случайных раздач: %1, слишком мало для оценки погрешности"}},
    {Phrase::SampledDeals, {"%1 sampled deals, \u00b1%2", "случайных раздач: %1, \u00b1%2"}},
    {Phrase::TimeLimitReached, {"(time limit reached)", "(время вышло)"}},
    {Phrase::PotOdds,
     {"Pot odds: %1 to call into %2 needs %3 equity; yours is %4: %5",
      "Шансы банка: колл %1 в банк %2 требует доли банка %3; у вас %4: %5"}},
    {Phrase::CallPays, {"the call pays", "колл окупается"}},
    {Phrase::CallDoesNotPay, {"the call does not pay", "колл не окупается"}},
    {Phrase::NextCardHeading,
     {"Your equity by the next card (now %1; + lifts you above it):",
      "Ваша доля банка по следующей карте (сейчас %1; + поднимает её):"}},
    {Phrase::DistributionHeading,
     {"Your equity against each of the %1 hands of opponent 1, best for you first:",
      "Ваша доля банка против каждой из %1 рук соперника 1, от лучшей для вас:"}},
    {Phrase::UsageUnknownOption, {"unknown option %1", "неизвестный параметр %1"}},
    {Phrase::UsageNeedsValue, {"option %1 needs a value", "параметру %1 нужно значение"}},
    {Phrase::UsageTakesNoValue, {"option %1 takes no value", "параметр %1 пишется без значения"}},
    {Phrase::UsageBadValue, {"%1 needs %2, not %3", "%1: нужно %2, а не %3"}},
    {Phrase::UsageNeedsOpponents,
     {"option %1 needs --vs or --opponents",
      "параметр %1 действует только с --vs или --opponents"}},
    {Phrase::UsageNeedsOpponentsOrHits,
     {"option %1 needs --vs, --opponents or --range-hits",
      "параметр %1 действует только с --vs, --opponents или --range-hits"}},
    {Phrase::UsageCommaReadings,
     {"%1 %2: a comma before three digits may separate thousands or decimals; write %3 or %4",
      "%1 %2: запятая перед тремя цифрами может отделять тысячи или дробную часть; напишите %3 "
      "или %4"}},
    {Phrase::UsagePotWithCall,
     {"--pot and --call go together: the pot and the amount to call",
      "--pot и --call задаются вместе: банк и сумма колла"}},
    {Phrase::UsageBatchWithCards,
     {"with - or --batch the tables come from standard input, one per line: give no cards as "
      "arguments",
      "с - или --batch столы читаются со стандартного ввода, по одному в строке: не указывайте "
      "карты в аргументах"}},
    {Phrase::UsageNotOnABatchLine,
     {"option %1 shapes the whole run: give it on the command line, not on a table's line",
      "параметр %1 действует на весь запуск: укажите его в командной строке, а не в строке "
      "стола"}},
    {Phrase::UsageUnknownRound,
     {"unknown round %1 (use flop, turn or river)",
      "неизвестный раунд %1 (укажите flop, turn или river)"}},
    {Phrase::UsageUnknownLanguage,
     {"unknown language %1 (use en or ru)", "неизвестный язык %1 (укажите en или ru)"}},
    {Phrase::UsageIn, {" in %1", " в %1"}},
    {Phrase::UsageUnknownCard,
     {"unknown card code %1%2 (rank 23456789TJQKA or 10, then suit cdhs or "
      "\u2663\u2666\u2665\u2660, "
      "e.g. Ah)",
      "неизвестный код карты %1%2 (ранг 23456789TJQKA или 10, затем масть cdhs или "
      "\u2663\u2666\u2665\u2660, например Ah)"}},
    {Phrase::UsageCardTwice, {"card %1%2 is given twice", "карта %1%2 указана дважды"}},
    {Phrase::UsageTooManySlots,
     {"too many slots at %1%2: a hand has at most seven",
      "лишняя ячейка %1%2: в руке не больше семи"}},
    {Phrase::UsageCardsOnly, {"%1 takes cards only, not %2", "%1 принимает только карты, а не %2"}},
    {Phrase::UsageSeeHelp, {"(see korvana-odds --help)", "(см. korvana-odds --help)"}},
    {Phrase::ValueOpponents, {"a number of opponents from 1 to 9", "число соперников от 1 до 9"}},
    {Phrase::ValueSampleDeals, {"a number of deals from 1 to 10^12", "число раздач от 1 до 10^12"}},
    {Phrase::ValuePrecision,
     {"percentage points above 0, e.g. 0.1", "процентные пункты больше 0, например 0.1"}},
    {Phrase::ValueSeconds,
     {"seconds above 0, at most 1000000, e.g. 30",
      "секунды больше 0, не больше 1000000, например 30"}},
    {Phrase::ValueWholeNumber, {"a whole number", "целое число"}},
    {Phrase::ValueThreads, {"a number of threads from 1 to 256", "число потоков от 1 до 256"}},
    {Phrase::ValueDealLimit, {"a number of deals", "число раздач"}},
    {Phrase::ValuePot, {"an amount of chips, e.g. 150", "сумма фишек, например 150"}},
    {Phrase::ValueCall,
     {"an amount of chips above 0, e.g. 20", "сумма фишек больше 0, например 20"}},
    {Phrase::QuotedPiece, {"\"%1\"", "«%1»"}},
    {Phrase::RangeHoldsNoHands, {"The range holds no hands.", "В диапазоне нет ни одной руки."}},
    {Phrase::RangeNotAHand,
     {"%1 is not a hand (e.g. QQ, QQ+, 22-66, AKs, AKo, AK, A2s+, T9s-65s, AhKh, 15%, random).",
      "%1 — не рука (например, QQ, QQ+, 22-66, AKs, AKo, AK, A2s+, T9s-65s, AhKh, 15%, "
      "random)."}},
    {Phrase::RangeSuitedPair,
     {"%1: a pair is neither suited nor offsuit.",
      "%1: пара не бывает ни одномастной, ни разномастной."}},
    {Phrase::RangeUnmatchedEnds,
     {"%1: both ends must be pairs, or both two ranks of the same kind with the same first rank "
      "or the same gap (T9s-65s, A5s-A2s).",
      "%1: оба конца должны быть парами либо двумя рангами одного вида с одинаковым старшим "
      "рангом или одинаковым разрывом (T9s-65s, A5s-A2s)."}},
    {Phrase::RangeSameCardTwice, {"%1 holds one card twice.", "В %1 одна карта указана дважды."}},
    {Phrase::RangePlusOnOneHand,
     {"%1: + follows a pair or two ranks (QQ+, A2s+), not one hand.",
      "%1: «+» ставится после пары или двух рангов (QQ+, A2s+), а не после одной руки."}},
    {Phrase::RangeShareOutOfRange,
     {"%1: a share of hands is more than 0% and at most 100%.",
      "%1: доля рук — больше 0% и не больше 100%."}},
    {Phrase::RangeWeightOutOfRange,
     {"%1: a weight is from 0 to 1 (AQo:0.35), or from 0 to 100 in brackets ([35]AQo[/35]).",
      "%1: вес — от 0 до 1 (AQo:0.35) или от 0 до 100 в скобках ([35]AQo[/35])."}},
    {Phrase::RangeWeightNotANumber,
     {"%1: a weight is a number (AQo:0.35, [35]AQo[/35]).",
      "%1: вес — это число (AQo:0.35, [35]AQo[/35])."}},
    {Phrase::RangeUnclosedBracket,
     {"%1 opens a bracket that no [/…] closes before the next one or the end.",
      "%1 открывает скобку, которую не закрывает [/…] до следующей скобки или до конца."}},
    {Phrase::RangeTooLong,
     {"The range is longer than %1 characters.", "Диапазон длиннее %1 символов."}},
    {Phrase::HistoryHand, {"Hand %1 (line %2), table %3", "Раздача %1 (строка %2), стол %3"}},
    {Phrase::HistoryHero, {"Hero: %1", "Герой: %1"}},
    {Phrase::HistoryNoHero, {"Hero: no cards dealt", "Герой: карт не получил"}},
    {Phrase::HistoryBoard, {"Board: %1", "Борд: %1"}},
    {Phrase::HistoryNet, {"Net: %1", "Итог: %1"}},
    {Phrase::HistoryAllIn,
     {"All-in EV (%1): equity %2, EV %3, won %4 (%5 against EV)",
      "EV олл-ина (%1): эквити %2, EV %3, выиграно %4 (%5 к EV)"}},
    {Phrase::HistoryEquity, {"Equity: %1", "Эквити: %1"}},
    {Phrase::StreetPreflop, {"preflop", "префлоп"}},
    {Phrase::StreetFlop, {"flop", "флоп"}},
    {Phrase::StreetTurn, {"turn", "тёрн"}},
    {Phrase::StreetRiver, {"river", "ривер"}},
    {Phrase::HistoryHandsRead,
     {"Hands read: %1, refused: %2", "Прочитано раздач: %1, отклонено: %2"}},
    {Phrase::HistoryHeroNet, {"Hero's net: %1", "Итог героя: %1"}},
    {Phrase::HistoryAdjustedNet,
     {"All-in EV adjusted net: %1", "Итог с EV олл-инов вместо их исхода: %1"}},
    {Phrase::HistoryRefused, {"hand %1, line %2: %3", "раздача %1, строка %2: %3"}},
    {Phrase::UsageHistoryWithCards,
     {"with --history the hands come from the file: give no cards as arguments",
      "с --history раздачи берутся из файла: не указывайте карты в аргументах"}},
    {Phrase::UsageNeedsHistory, {"option %1 needs --history", "параметру %1 нужен --history"}},
    {Phrase::UsageCannotOpen, {"cannot open %1", "не удаётся открыть %1"}},
    {Phrase::RangeUnknownName,
     {"%1: the library holds no range of that name.",
      "%1: в библиотеке нет диапазона с таким именем."}},
    {Phrase::RangeLibraryLine, {"%1, line %2: %3", "%1, строка %2: %3"}},
    {Phrase::RangeLibraryNoEquals,
     {"write a name, \"=\" and a range, e.g. btn = 40%.",
      "нужны имя, «=» и диапазон, например btn = 40%."}},
    {Phrase::RangeLibraryBadName,
     {"a name is letters, digits, \"-\", \"_\", \".\" and \"/\".",
      "имя состоит из букв, цифр и знаков «-», «_», «.», «/»."}},
    {Phrase::RangeLibraryAbout,
     {"Named ranges for Korvana: one \"name = range\" a line, used as @name in any range.\n"
      "A \"#\" starts a comment. A name of your own takes the place of a built-in one.",
      "Именованные диапазоны Korvana: по одному «имя = диапазон» в строке, в любом диапазоне — "
      "@имя.\nЗнак «#» начинает комментарий. Своё имя заменяет встроенное."}},
    {Phrase::RangeOpenUtg,
     {"First in from under the gun, six seated: about 17% of hands.",
      "Первым с первой позиции за столом на шестерых: около 17% рук."}},
    {Phrase::RangeOpenHj,
     {"First in from the hijack, four to act behind: about 22%.",
      "Первым с хайджека, позади четверо: около 22%."}},
    {Phrase::RangeOpenCo,
     {"First in from the cutoff, three to act behind: about 28%.",
      "Первым с катоффа, позади трое: около 28%."}},
    {Phrase::RangeOpenBtn,
     {"First in from the button, only the blinds behind: about 44%.",
      "Первым с баттона, позади только блайнды: около 44%."}},
    {Phrase::RangeOpenSb,
     {"First in from the small blind against the big blind alone: about 37%.",
      "Первым с малого блайнда против одного большого: около 37%."}},
    {Phrase::RangeCallOpen,
     {"Calling a raise in position: pairs and suited hands that play well after the flop, "
      "about 10%.",
      "Колл рейза в позиции: пары и одномастные руки, удобные после флопа, около 10%."}},
    {Phrase::RangeBbDefend,
     {"The big blind calling a raise from the button, the re-raises left out: about 45%.",
      "Большой блайнд коллирует рейз с баттона, без ре-рейзов: около 45%."}},
    {Phrase::RangeThreeBet,
     {"Re-raising a late raise: strong hands and a few suited hands that block or connect, "
      "about 6.5%.",
      "Ре-рейз против позднего рейза: сильные руки и немного одномастных блокеров и связок, "
      "около 6,5%."}},
    {Phrase::RangeThreeBetValue,
     {"Re-raising a raise from early position with the strongest hands alone: about 2.6%.",
      "Ре-рейз против раннего рейза только сильнейшими руками: около 2,6%."}},
    {Phrase::RangeCallThreeBet,
     {"The raiser calling a re-raise in position: about 5.6%.",
      "Открывший коллирует ре-рейз в позиции: около 5,6%."}},
    {Phrase::RangeFourBet,
     {"Re-raising a re-raise: queens or better, ace-king and ace-five suited as a bluff, "
      "about 2.9%.",
      "Ре-рейз на ре-рейз: дамы и старше, туз-король и туз-пятёрка одномастные как блеф, "
      "около 2,9%."}},
    {Phrase::RangeNarrowed, {"Kept: %2 (%1 combinations)", "Оставлено: %2 (комбинаций: %1)"}},
    {Phrase::UsageUnknownHitLine,
     {"--narrow: %1 is no hand or draw of --range-hits (royal_flush, straight_flush, "
      "four_of_a_kind, full_house, flush, straight, three_of_a_kind, two_pairs, pair, high_card, "
      "flush_draw, open_ended, gutshot)",
      "--narrow: %1 — не рука и не дро из --range-hits (royal_flush, straight_flush, "
      "four_of_a_kind, full_house, flush, straight, three_of_a_kind, two_pairs, pair, high_card, "
      "flush_draw, open_ended, gutshot)"}},
    {Phrase::UsageNarrowNeedsRangeHits,
     {"--narrow needs --range-hits", "параметр --narrow действует только с --range-hits"}},
};

// Looking a phrase up by its position needs every phrase in its place.
constexpr bool inPhraseOrder() {
    size_t position = 0;
    for (const Entry& entry : kEntries)
        if (static_cast<size_t>(entry.phrase) != position++) return false;
    return position == static_cast<size_t>(kLastPhrase) + 1;
}
static_assert(inPhraseOrder(), "kEntries lists every Phrase once, in order");

Phrase phraseOf(Category category) {
    switch (category) {
        case Category::HighCard: return Phrase::HighCard;
        case Category::Pair: return Phrase::Pair;
        case Category::TwoPairs: return Phrase::TwoPairs;
        case Category::ThreeOfAKind: return Phrase::ThreeOfAKind;
        case Category::Straight: return Phrase::Straight;
        case Category::Flush: return Phrase::Flush;
        case Category::FullHouse: return Phrase::FullHouse;
        case Category::FourOfAKind: return Phrase::FourOfAKind;
        case Category::StraightFlush: return Phrase::StraightFlush;
        case Category::RoyalFlush: break;
    }
    return Phrase::RoyalFlush;
}

}  // namespace

std::string_view phrase(Language language, Phrase phrase) {
    return kEntries[static_cast<size_t>(phrase)].texts[columnOf(language)];
}

std::string_view categoryName(Language language, Category category) {
    return phrase(language, phraseOf(category));
}

std::string fillIn(std::string_view pattern, std::initializer_list<std::string_view> values) {
    std::string text;
    text.reserve(pattern.size());
    for (size_t i = 0; i < pattern.size(); ++i) {
        const char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
        const auto n = static_cast<size_t>(next - '1');
        if (pattern[i] == '%' && next >= '1' && next <= '9' && n < values.size()) {
            text += values.begin()[n];
            ++i;
        } else {
            text += pattern[i];
        }
    }
    return text;
}

std::string_view programVersion() {
    return KORVANA_VERSION;
}

}  // namespace korvana
