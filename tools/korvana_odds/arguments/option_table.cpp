#include "tools/korvana_odds/arguments/option_table.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdint>

#include "engine/cards/card_input.h"
#include "engine/equity/win_chance.h"
#include "engine/ranges/hand_range.h"
#include "engine/table/pot_odds.h"
#include "engine/text/string_table.h"
#include "tools/korvana_odds/arguments/batch_lines.h"
#include "tools/korvana_odds/report/equity_report.h"
#include "tools/korvana_odds/report/range_hits_report.h"
#include "tools/korvana_odds/text/terminal_text.h"

namespace korvana {
namespace {

using Problem = std::optional<std::string>;

template <typename Number>
std::optional<Number> numberOf(const std::string& text) {
    Number value{};
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

std::optional<std::uint64_t> wholeNumber(const std::string& value, std::uint64_t lowest,
                                         std::uint64_t highest) {
    const auto number = numberOf<std::uint64_t>(value);
    if (!number || *number < lowest || *number > highest) return std::nullopt;
    return number;
}

// "--samples needs a number of deals from 1 to 10^12, not 'x'"
std::string badValue(std::string_view option, Phrase needs, const std::string& value,
                     Language language) {
    return fillIn(phrase(language, Phrase::UsageBadValue),
                  {option, phrase(language, needs), quoted(value)});
}

Problem readRound(const std::string& value, CommandRequest& request, Language language) {
    if (value == "flop")
        request.options.round = Round::Flop;
    else if (value == "turn")
        request.options.round = Round::Turn;
    else if (value == "river")
        request.options.round = Round::River;
    else
        return fillIn(phrase(language, Phrase::UsageUnknownRound), {quoted(value)});
    request.roundGiven = true;
    return std::nullopt;
}

Problem readLanguage(const std::string& value, CommandRequest& request, Language language) {
    if (value == "en")
        request.options.language = Language::English;
    else if (value == "ru")
        request.options.language = Language::Russian;
    else
        return fillIn(phrase(language, Phrase::UsageUnknownLanguage), {quoted(value)});
    return std::nullopt;
}

Problem readVs(const std::string& value, CommandRequest& request, Language language) {
    const auto resolved = resolveNamedRanges(value, *request.library);
    if (const auto* error = std::get_if<RangeError>(&resolved))
        return rangeProblem("--vs", *error, value, language);
    auto range = parseHandRange(std::get<std::string>(resolved));
    if (const auto* error = std::get_if<RangeError>(&range))
        return rangeProblem("--vs", *error, value, language);
    request.options.equity.vs.push_back(value);
    request.options.equity.ranges.push_back(std::get<HandRange>(std::move(range)));
    return std::nullopt;
}

Problem readHero(const std::string& value, CommandRequest& request, Language language) {
    const auto resolved = resolveNamedRanges(value, *request.library);
    if (const auto* error = std::get_if<RangeError>(&resolved))
        return rangeProblem("--hero", *error, value, language);
    auto range = parseHandRange(std::get<std::string>(resolved));
    if (const auto* error = std::get_if<RangeError>(&range))
        return rangeProblem("--hero", *error, value, language);
    request.options.equity.heroText = value;
    request.options.equity.heroRange = std::get<HandRange>(std::move(range));
    return std::nullopt;
}

Problem readDead(const std::string& value, CommandRequest& request, Language language) {
    const TypedCards typed = parseCardsLeniently(value);
    std::vector<Card>& dead = request.options.equity.dead;
    const std::string in = fillIn(phrase(language, Phrase::UsageIn), {"--dead " + quoted(value)});
    if (typed.unreadable)
        return fillIn(phrase(language, Phrase::UsageUnknownCard), {quoted(*typed.unreadable), in});
    for (const TypedSlot& slot : typed.slots) {
        if (!slot.card)
            return fillIn(phrase(language, Phrase::UsageCardsOnly), {"--dead", quoted(slot.typed)});
        if (std::find(dead.begin(), dead.end(), *slot.card) != dead.end())
            return fillIn(phrase(language, Phrase::UsageCardTwice), {quoted(slot.typed), ""});
        dead.push_back(*slot.card);
    }
    return std::nullopt;
}

Problem readOpponents(const std::string& value, CommandRequest& request, Language language) {
    const auto count = wholeNumber(value, 1, kMaxOpponents);
    if (!count) return badValue("--opponents", Phrase::ValueOpponents, value, language);
    request.options.equity.opponents = static_cast<int>(*count);
    return std::nullopt;
}

Problem readSamples(const std::string& value, CommandRequest& request, Language language) {
    request.options.equity.samples = wholeNumber(value, 1, 1'000'000'000'000);
    if (!request.options.equity.samples)
        return badValue("--samples", Phrase::ValueSampleDeals, value, language);
    return std::nullopt;
}

Problem readPrecision(const std::string& value, CommandRequest& request, Language language) {
    const auto points = numberOf<double>(value);
    if (!points || !(*points > 0.0) || *points > 50.0)
        return badValue("--precision", Phrase::ValuePrecision, value, language);
    request.options.equity.precision = *points;
    return std::nullopt;
}

Problem readTimeLimit(const std::string& value, CommandRequest& request, Language language) {
    const auto seconds = numberOf<double>(value);
    if (!seconds || !(*seconds > 0.0) || *seconds > 1e6)
        return badValue("--time-limit", Phrase::ValueSeconds, value, language);
    request.options.equity.timeLimit = *seconds;
    return std::nullopt;
}

Problem readSeed(const std::string& value, CommandRequest& request, Language language) {
    request.options.equity.seed = numberOf<std::uint64_t>(value);
    if (!request.options.equity.seed)
        return badValue("--seed", Phrase::ValueWholeNumber, value, language);
    return std::nullopt;
}

Problem readThreads(const std::string& value, CommandRequest& request, Language language) {
    const auto threads = wholeNumber(value, 1, 256);
    if (!threads) return badValue("--threads", Phrase::ValueThreads, value, language);
    request.options.equity.threads = static_cast<int>(*threads);
    return std::nullopt;
}

Problem readMaxDeals(const std::string& value, CommandRequest& request, Language language) {
    request.options.equity.maxDeals = wholeNumber(value, 1, ~std::uint64_t{0});
    if (!request.options.equity.maxDeals)
        return badValue("--max-deals", Phrase::ValueDealLimit, value, language);
    return std::nullopt;
}

// "1,000": a thousand, or one? Both readings are named, neither is taken.
Problem commaProblem(std::string_view option, const std::string& value, Language language) {
    const auto readings = commaReadings(value);
    if (!readings) return std::nullopt;
    return fillIn(phrase(language, Phrase::UsageCommaReadings),
                  {option, quoted(value), readings->thousands, readings->decimal});
}

Problem readPot(const std::string& value, CommandRequest& request, Language language) {
    if (auto problem = commaProblem("--pot", value, language)) return problem;
    const auto chips = readChips(value);
    if (!chips) return badValue("--pot", Phrase::ValuePot, value, language);
    request.options.equity.pot = *chips;
    return std::nullopt;
}

Problem readCall(const std::string& value, CommandRequest& request, Language language) {
    if (auto problem = commaProblem("--call", value, language)) return problem;
    const auto chips = readChips(value);
    if (!chips || !(*chips > 0)) return badValue("--call", Phrase::ValueCall, value, language);
    request.options.equity.call = *chips;
    return std::nullopt;
}

Problem readRangeHitsOption(const std::string& value, CommandRequest& request, Language language) {
    auto hits = readRangeHits(value, *request.library, language);
    if (auto* problem = std::get_if<std::string>(&hits)) return *problem;
    request.options.rangeHits = std::get<RangeHitsRequest>(std::move(hits));
    return std::nullopt;
}

Problem readNarrow(const std::string& value, CommandRequest& request, Language language) {
    auto lines = readNarrowLines(value, language);
    if (auto* problem = std::get_if<std::string>(&lines)) return *problem;
    request.narrow = std::get<HitLines>(lines);
    return std::nullopt;
}

Problem readHistory(const std::string& value, CommandRequest& request, Language) {
    request.history = value;
    return std::nullopt;
}

// Most options that take no value only set a flag.
template <bool CommandRequest::*flag>
Problem setFlag(const std::string&, CommandRequest& request, Language) {
    request.*flag = true;
    return std::nullopt;
}

Problem setAuto(const std::string&, CommandRequest& request, Language) {
    request.autoSwitch = true;
    return std::nullopt;
}

Problem setNoAuto(const std::string&, CommandRequest& request, Language) {
    request.autoSwitch = false;
    return std::nullopt;
}

Problem setNextCard(const std::string&, CommandRequest& request, Language) {
    request.options.equity.nextCard = true;
    return std::nullopt;
}

Problem setDistribution(const std::string&, CommandRequest& request, Language) {
    request.options.equity.distribution = true;
    return std::nullopt;
}

// The exact chance before each row, and every deal counted for the win chances.
Problem setExact(const std::string&, CommandRequest& request, Language) {
    request.options.exact = request.options.equity.exact = true;
    return std::nullopt;
}

constexpr auto kOptions = std::to_array<OddsOption>({
    {"--round", "", "ROUND", OptionGroup::Rows,
     "round the odds refer to: flop, turn or river; a round given\n"
     "here stays fixed unless --auto is given too",
     readRound},
    {"--auto", "", "", OptionGroup::Rows,
     "let the round follow the number of known cards (the default);\n"
     "a line before the best hand names the round it moved to",
     setAuto},
    {"--no-auto", "", "", OptionGroup::Rows, "keep the round fixed: flop, or the one --round names",
     setNoAuto},
    {"--lang", "", "LANG", OptionGroup::Rows,
     "en (default) or ru: the rows, the win chances and errors", readLanguage, false, false},
    {"--exact", "", "", OptionGroup::Rows,
     "put the exact chance in percent before each row; with\n"
     "opponents, also count every deal (refused beyond --max-deals\n"
     "deals)",
     setExact},
    {"--json", "", "", OptionGroup::Rows,
     "print one JSON object instead of text, with the formula's odds,\n"
     "the exact chance (0..1) and the outs of every row",
     setFlag<&CommandRequest::json>, false, false},
    {"--batch", "", "", OptionGroup::Rows,
     "read one table per line from standard input (also: - alone)", setFlag<&CommandRequest::batch>,
     false, false},
    {"--vs", "", "RANGE", OptionGroup::Equity,
     "one opponent, once per opponent: random (or any), a hand\n"
     "(KdKc), a range: QQ, QQ+, 22-66, AKs, AKo, AK, A2s+, KTo+,\n"
     "T9s-65s, or a share of the strongest hands: 15% (or top 15%)\n"
     "is the strongest starting hands making up 15% of the 1 326\n"
     "two-card combinations; several of these with commas:\n"
     "--vs 'QQ+, AKs'; at most 10 000 characters; @name is the\n"
     "range of that name in the library of named ranges. A piece\n"
     "may carry a weight from 0 to 1, the share of its hands\n"
     "played so: 'AA, AQo:0.35', or in percent in brackets:\n"
     "'[50]AQs, AJs[/50]'; the later piece's weight holds where\n"
     "they overlap",
     readVs},
    {"--hero", "", "RANGE", OptionGroup::Equity,
     "give yourself a range instead of two cards, written as for\n"
     "--vs, with both pocket slots empty: - - Kc 8d 3s --hero\n"
     "'QQ+, AK' --vs 15%; each of your hands counts with the deals\n"
     "it leaves the others",
     readHero, true},
    {"--opponents", "", "N", OptionGroup::Equity,
     "N opponents (1 to 9); those not named with --vs hold random\n"
     "hands",
     readOpponents},
    {"--dead", "", "CARDS", OptionGroup::Equity, "cards nobody holds (folded or seen): --dead 7c2d",
     readDead, true, true, true},
    {"--max-deals", "", "N", OptionGroup::Equity,
     "the most deals --exact may count (default 10000000000)", readMaxDeals, true},
    {"--samples", "", "N", OptionGroup::Equity,
     "sample N random deals instead of counting every deal", readSamples, true},
    {"--precision", "", "P", OptionGroup::Equity,
     "sample until the standard error is P percentage points\n"
     "(default 0.05); every deal is counted when that is quick",
     readPrecision, true},
    {"--time-limit", "", "S", OptionGroup::Equity,
     "stop after S seconds (default 10; none with --exact) and show\n"
     "what was counted, with \"time limit reached\"",
     readTimeLimit, true},
    {"--seed", "", "S", OptionGroup::Equity,
     "the seed of the sample: the same seed gives the same sample", readSeed, true},
    {"--threads", "", "N", OptionGroup::Equity, "threads to work on (default: all cores)",
     readThreads, true},
    {"--pot", "", "P", OptionGroup::Equity,
     "the pot, with --call: a call of C into a pot of P needs the\n"
     "equity C / (P + C); a line after the win chances says whether\n"
     "yours is enough (in chips or any unit: --pot 100 --call 20)",
     readPot, true},
    {"--call", "", "C", OptionGroup::Equity, "the amount to call, with --pot", readCall, true},
    {"--next-card", "", "", OptionGroup::Equity,
     "on the flop or the turn, your equity for each card that can\n"
     "come next (each the count with that card dealt); + marks the\n"
     "cards that lift you above your equity now: your outs",
     setNextCard, true},
    {"--distribution", "", "", OptionGroup::Equity,
     "your equity against each hand of opponent 1's range (the\n"
     "others keep theirs), best for you first",
     setDistribution, true},
    {"--range-hits", "", "RANGE", OptionGroup::RangeHits,
     "how many of the range's combinations make each hand now,\n"
     "and the flush draws, open-ended straight draws and gutshots;\n"
     "those holding a known card (--dead ones too) are left out",
     readRangeHitsOption},
    {"--narrow", "", "LINES", OptionGroup::RangeHits,
     "keep only the combinations of --range-hits that make one of\n"
     "these, the JSON words with commas: pair,two_pairs,flush_draw\n"
     "(royal_flush ... high_card, flush_draw, open_ended, gutshot)",
     readNarrow},
    {"--history", "", "FILE", OptionGroup::History,
     "read the hands of a hand-history file (- for standard input):\n"
     "one block per hand with its number, the hero's cards, the\n"
     "board, his net and, when the money went in before the river\n"
     "with every hand shown, his all-in EV; then the totals. With\n"
     "--json one object per hand (JSON Lines). A hand that does not\n"
     "add up is named on stderr (with --json also by {\"hand\",\n"
     "\"line\", \"error\"}), the others are still read, and the exit\n"
     "status is 2",
     readHistory, false, false},
    {"--street-equity", "", "", OptionGroup::History,
     "with --history: the hero's equity on every street against\n"
     "each opponent's shown cards, or else a range that follows his\n"
     "preflop play (called or checked: any two; raised first: top\n"
     "20%; called a raise: 22%; re-raised: 7%; called a re-raise:\n"
     "10%)",
     setFlag<&CommandRequest::streetEquity>, false, false},
    {"--help", "-h", "", OptionGroup::Program, "show this help and exit",
     setFlag<&CommandRequest::help>, false, false},
    {"--version", "", "", OptionGroup::Program, "show the version and exit",
     setFlag<&CommandRequest::version>, false, false},
});

// What --help says before the options of each group.
std::string_view groupIntroduction(OptionGroup group) {
    switch (group) {
        case OptionGroup::Rows: return "";
        case OptionGroup::Equity:
            return "Win chances (equity) answer another question: how often your two pocket cards\n"
                   "win against other players once the board is complete. The rows and the exact\n"
                   "chance only look at your own cards; equity deals hands to the opponents too.\n"
                   "With --vs or --opponents, a block follows the rows: for you and each opponent\n"
                   "the share of deals won alone, the share split, and the equity (wins plus each\n"
                   "split pot's share), then whether every deal was counted or a sample was "
                   "taken.\n"
                   "A range may name ranges of the library, the window's too: @name reads the\n"
                   "line \"name = range\" of $XDG_CONFIG_HOME/korvana/ranges.txt (or\n"
                   "~/.config/korvana/ranges.txt), or a built-in range: open-utg, open-hj,\n"
                   "open-co, open-btn, open-sb, call-open, bb-defend, 3bet, 3bet-value,\n"
                   "call-3bet, 4bet (see korvana-odds(1)).\n";
        case OptionGroup::RangeHits:
            return "What an opponent's range holds on the board (from the flop on):\n";
        case OptionGroup::History:
            return "The hands you played, from a room's hand-history text files (Hold'em, cash\n"
                   "games and tournaments, several hands per file):\n";
        case OptionGroup::Program: return "";
    }
    return "";
}

constexpr std::string_view kIntroduction =
    "Usage: korvana-odds [OPTION ...] [SLOT ...]\n"
    "       korvana-odds [OPTION ...] - | --batch\n"
    "       korvana-odds [--json] [--street-equity] --history FILE\n"
    "Analyse a Texas Hold'em hand: for each of the ten hand categories, whether it is\n"
    "complete, impossible, or possible with the odds 1:x of completing it by the\n"
    "round.\n"
    "\n"
    "The odds 1:x come from quick counting formulas: roughly one success in x tries.\n"
    "They can be far off (a gutshot straight, two pairs with two cards to come, and\n"
    "every row with no card known). The exact chance counts every way the missing\n"
    "cards can fall, so it is the true probability of holding the hand by the round.\n"
    "\n"
    "SLOT is a card code (rank 23456789TJQKA or 10, suit cdhs or \u2663\u2666\u2665\u2660, "
    "in any letter\n"
    "case: Ah, td, 10\u2665) or - for an empty slot, in slot order: two pocket cards,\n"
    "three flop cards, turn, river. Several may be written together: AhKd, Ah,Kd.\n"
    "\n"
    "With - alone or --batch, the tables come from standard input, one per line of at\n"
    "most 65 536 bytes, written like the SLOT arguments (Ah Kh Qh - - 2c); # starts a\n"
    "comment, blank lines are skipped. Each table gives one line: its seven slots,\n"
    "then the lines of the usual text trimmed and joined by \" | \"; with --json one\n"
    "object per line (JSON Lines) with its input \"line\" number. A bad line is named\n"
    "on stderr with its line number (with --json also by {\"line\": N, \"error\":\n"
    "\"...\"}), the other lines still run, and the exit status is 2. The options\n"
    "apply to every line; a line may add its own after its slots, for itself alone\n"
    "(Ah Kh Qd 7c 2s --vs QQ+ --vs 15%, as Copy in the window writes a spot), all\n"
    "but --batch, --json, --lang, --help and --version.\n";

// "  --round ROUND  " padded to the help's column, or on a line of its own
// when longer.
std::string optionLines(const OddsOption& option) {
    constexpr size_t kHelpColumn = 17;
    std::string head = "  " + std::string(option.name);
    if (!option.value.empty()) head += " " + std::string(option.value);
    std::string text;
    std::string_view help = option.help;
    bool first = true;
    while (!help.empty() || first) {
        const size_t end = std::min(help.find('\n'), help.size());
        const std::string start = first ? head : std::string(kHelpColumn, ' ');
        if (first && start.size() + 1 > kHelpColumn)
            text += start + "\n" + std::string(kHelpColumn, ' ');
        else
            text += start + std::string(kHelpColumn - std::min(kHelpColumn, start.size()), ' ');
        text += std::string(help.substr(0, end)) + "\n";
        help = help.substr(std::min(end + 1, help.size()));
        first = false;
    }
    return text;
}

}  // namespace

std::span<const OddsOption> oddsOptions() {
    static_assert(kMaxTableLineBytes == 65'536, "--help names the longest batch line");
    static_assert(kMaxRangeCharacters == 10'000, "--help names the longest range");
    return kOptions;
}

const OddsOption* findOddsOption(std::string_view name) {
    for (const OddsOption& option : kOptions)
        if (option.name == name || (!option.alias.empty() && option.alias == name)) return &option;
    return nullptr;
}

std::string usageText() {
    std::string text(kIntroduction);
    for (const OptionGroup group : {OptionGroup::Rows, OptionGroup::Equity, OptionGroup::RangeHits,
                                    OptionGroup::History, OptionGroup::Program}) {
        const std::string_view introduction = groupIntroduction(group);
        if (group == OptionGroup::Rows || !introduction.empty()) text += "\n";
        text += introduction;
        if (group == OptionGroup::Equity) text += "\n";
        for (const OddsOption& option : kOptions)
            if (option.group == group) text += optionLines(option);
    }
    return text;
}

}  // namespace korvana
