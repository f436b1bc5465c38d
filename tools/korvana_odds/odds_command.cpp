#include "odds_command.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <optional>
#include <ostream>
#include <sstream>

#include "analysis.h"
#include "card.h"
#include "card_input.h"
#include "equity_report.h"
#include "exact_chance.h"
#include "exact_text.h"
#include "hand.h"
#include "json_text.h"
#include "odds_math.h"
#include "row_text.h"
#include "string_table.h"
#include "terminal_text.h"

namespace korvana {
namespace {

constexpr const char* kUsage =
    "Usage: korvana-odds [--round flop|turn|river] [--auto|--no-auto] [--lang en|ru] [--exact]\n"
    "                    [--json] [--vs RANGE]... [--opponents N] [--dead CARDS]\n"
    "                    [--samples N] [--precision P] [--seed S] [--threads N]\n"
    "                    [--max-deals N] [SLOT ...]\n"
    "Analyse a Texas Hold'em hand: for each of the ten hand categories, whether it is\n"
    "complete, impossible, or possible with the odds 1:x of completing it by the round.\n"
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
    "  --round ROUND  round the odds refer to: flop, turn or river; a round given\n"
    "                 here stays fixed unless --auto is given too\n"
    "  --auto         let the round follow the number of known cards (the default)\n"
    "  --no-auto      keep the round fixed: flop, or the one --round names\n"
    "  --lang LANG    en (default) or ru\n"
    "  --exact        put the exact chance in percent before each row\n"
    "  --json         print one JSON object instead of text, with the formula's odds,\n"
    "                 the exact chance (0..1) and the outs of every row\n"
    "\n"
    "Win chances (equity) answer another question: how often your two pocket cards\n"
    "win against other players once the board is complete. The rows and the exact\n"
    "chance only look at your own cards; equity deals hands to the opponents too.\n"
    "With --vs or --opponents, a block follows the rows: for you and each opponent\n"
    "the share of deals won alone, the share split, and the equity (wins plus each\n"
    "split pot's share), then whether every deal was counted or a sample was taken.\n"
    "\n"
    "  --vs RANGE     one opponent, once per opponent: random (or any), a hand (KdKc)\n"
    "                 or a range: QQ, QQ+, 22-66, AKs, AKo, AK, A2s+, KTo+, T9s-65s,\n"
    "                 or several of these with commas: --vs 'QQ+, AKs'\n"
    "  --opponents N  N opponents (1 to 9); those not named with --vs hold random\n"
    "                 hands\n"
    "  --dead CARDS   cards nobody holds (folded or seen): --dead 7c2d\n"
    "  --exact        also: count every deal (refused beyond --max-deals deals)\n"
    "  --max-deals N  the most deals --exact may count (default 10000000000)\n"
    "  --samples N    sample N random deals instead of counting every deal\n"
    "  --precision P  sample until the standard error is P percentage points\n"
    "                 (default 0.05); every deal is counted when that is quick\n"
    "  --seed S       the seed of the sample: the same seed gives the same sample\n"
    "  --threads N    threads to work on (default: all cores)\n"
    "  --help         show this help and exit\n"
    "  --version      show the version and exit\n";

struct Request {
    Hand hand;
    Round round = Round::Flop;
    // Auto-switch is on by default, as at a first start of the window. An
    // explicit round means the player wants that round, so it turns auto-switch
    // off unless --auto is asked for as well.
    std::optional<bool> autoSwitch;
    bool roundGiven = false;
    Language language = Language::English;
    bool json = false;
    bool exact = false;
    bool help = false;
    bool version = false;
    EquityRequest equity;
    // The first option that only means something with opponents.
    std::optional<std::string> equityDetail;
};

struct UsageError {
    std::string message;
};

std::optional<Round> parseRound(const std::string& name) {
    if (name == "flop") return Round::Flop;
    if (name == "turn") return Round::Turn;
    if (name == "river") return Round::River;
    return std::nullopt;
}

std::optional<Language> parseLanguage(const std::string& name) {
    if (name == "en") return Language::English;
    if (name == "ru") return Language::Russian;
    return std::nullopt;
}

// Options are long ("--round") or a dash and a letter ("-h"); any other
// argument that starts with a dash is slots, such as "-,-,Ah".
bool isOption(const std::string& arg) {
    if (arg.size() < 2 || arg[0] != '-') return false;
    const char next = arg[1];
    return next == '-' || (next >= 'a' && next <= 'z') || (next >= 'A' && next <= 'Z');
}

// Parses the arguments; a problem comes back as the one line to print.
std::optional<UsageError> parse(const std::vector<std::string>& args, Request& request) {
    size_t slot = 0;
    bool optionsEnded = false;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (!optionsEnded && isOption(arg)) {
            if (arg == "--") {
                optionsEnded = true;
                continue;
            }
            std::string name = arg, value;
            bool hasValue = false;
            if (const auto eq = arg.find('='); eq != std::string::npos && arg.rfind("--", 0) == 0) {
                name = arg.substr(0, eq);
                value = arg.substr(eq + 1);
                hasValue = true;
            }
            const auto takeValue = [&]() -> std::optional<UsageError> {
                if (hasValue) return std::nullopt;
                if (i + 1 >= args.size())
                    return UsageError{"option " + quoted(name) + " needs a value"};
                value = args[++i];
                return std::nullopt;
            };
            if (name == "--round") {
                if (auto e = takeValue()) return e;
                const auto round = parseRound(value);
                if (!round)
                    return UsageError{"unknown round " + quoted(value) +
                                      " (use flop, turn or river)"};
                request.round = *round;
                request.roundGiven = true;
            } else if (name == "--lang") {
                if (auto e = takeValue()) return e;
                const auto language = parseLanguage(value);
                if (!language)
                    return UsageError{"unknown language " + quoted(value) + " (use en or ru)"};
                request.language = *language;
            } else if (isEquityOption(name)) {
                if (auto e = takeValue()) return e;
                if (auto problem = readEquityOption(name, value, request.equity))
                    return UsageError{*problem};
                if (name != "--vs" && name != "--opponents" && !request.equityDetail)
                    request.equityDetail = name;
            } else if (hasValue) {
                return UsageError{"option " + quoted(name) + " takes no value"};
            } else if (name == "--auto") {
                request.autoSwitch = true;
            } else if (name == "--no-auto") {
                request.autoSwitch = false;
            } else if (name == "--exact") {
                request.exact = true;
                request.equity.exact = true;
            } else if (name == "--json") {
                request.json = true;
            } else if (name == "--help" || name == "-h") {
                request.help = true;
            } else if (name == "--version") {
                request.version = true;
            } else {
                return UsageError{"unknown option " + quoted(arg)};
            }
            continue;
        }
        const TypedCards typed = parseCardsLeniently(arg);
        const std::string within =
            typed.slots.size() == 1 && !typed.unreadable ? std::string() : " in " + quoted(arg);
        for (const TypedSlot& piece : typed.slots) {
            if (slot >= static_cast<size_t>(kSlotCount))
                return UsageError{"too many slots at " + quoted(piece.typed) + within +
                                  ": a hand has at most seven"};
            if (piece.card && !request.hand.place(static_cast<int>(slot) + 1, *piece.card))
                return UsageError{"card " + quoted(piece.typed) + within + " is given twice"};
            ++slot;
        }
        if (typed.unreadable || typed.slots.empty()) {
            const std::string bad = typed.unreadable ? *typed.unreadable : arg;
            return UsageError{
                "unknown card code " + quoted(bad) + (bad == arg ? "" : " in " + quoted(arg)) +
                " (rank 23456789TJQKA or 10, then suit cdhs or \u2663\u2666\u2665\u2660, e.g. Ah)"};
        }
    }
    if (request.equityDetail && !request.equity.asked())
        return UsageError{"option " + quoted(*request.equityDetail) + " needs --vs or --opponents"};
    return std::nullopt;
}

// Rows are lit like the odds list: impossible red, possible yellow, complete green.
std::string_view lightName(RowState state) {
    switch (state) {
        case RowState::Complete: return "green";
        case RowState::Possible: return "yellow";
        case RowState::Impossible: break;
    }
    return "red";
}

std::string_view stateName(RowState state) {
    switch (state) {
        case RowState::Complete: return "complete";
        case RowState::Possible: return "possible";
        case RowState::Impossible: break;
    }
    return "impossible";
}

// The x of "1:x" as the row writes it, rounded to a tenth.
std::string jsonOdds(const OddsRow& row) {
    if (!row.odds) return "null";
    char buffer[40];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, roundToTenth(*row.odds),
                                      std::chars_format::general, 15);
    return std::string(buffer, result.ptr);
}

std::string jsonOuts(const std::vector<Card>& outs) {
    std::string list = "[";
    for (size_t i = 0; i < outs.size(); ++i)
        (list += i ? ", " : "") += jsonString(cardCode(outs[i]));
    return list + "]";
}

// Characters on screen: UTF-8 continuation bytes take no column.
size_t columns(std::string_view text) {
    size_t count = 0;
    for (const char ch : text)
        if ((static_cast<unsigned char>(ch) & 0xC0) != 0x80) ++count;
    return count;
}

std::string_view ansiColour(RowState state) {
    switch (state) {
        case RowState::Complete: return "\x1b[32m";
        case RowState::Possible: return "\x1b[33m";
        case RowState::Impossible: break;
    }
    return "\x1b[31m";
}

// The text goes out whole or the command fails: a closed or full output must
// not look like a clean run to a script.
int written(std::ostream& out, std::ostream& err, const std::string& text) {
    out << text;
    out.flush();
    if (out) return 0;
    err << "korvana-odds: cannot write the output\n";
    return 1;
}

}  // namespace

int runOddsCommand(const std::vector<std::string>& args, const OddsCommandEnvironment& env,
                   std::ostream& out, std::ostream& err) {
    Request request;
    if (const auto error = parse(args, request)) {
        err << "korvana-odds: " << oneLine(error->message) << " (see korvana-odds --help)\n";
        return 2;
    }
    if (request.help) return written(out, err, kUsage);
    if (request.version)
        return written(out, err, "korvana-odds " + std::string(programVersion()) + "\n");

    const bool autoSwitch = request.autoSwitch.value_or(!request.roundGiven);
    const Analysis analysis = analyse(request.hand, request.round, autoSwitch, std::nullopt);
    const auto rows = rowTexts(analysis, request.language, env.decimalSeparator);
    const std::string best = bestHandText(request.language, analysis.best);
    // The same cards the rows count, completed up to the final round's card count.
    const ExactChances exact = exactChances(analysis.countedCards, targetOf(analysis.round));
    std::optional<EquityReport> equity;
    if (request.equity.asked()) {
        auto outcome = runEquity(request.equity, request.hand, {env.threads, env.progress});
        if (const auto* problem = std::get_if<std::string>(&outcome)) {
            err << "korvana-odds: " << oneLine(*problem) << " (see korvana-odds --help)\n";
            return 2;
        }
        equity = std::get<EquityReport>(std::move(outcome));
    }

    std::ostringstream text;
    if (request.json) {
        text << "{\"round\": " << jsonString(roundName(analysis.round)) << ", \"rows\": [";
        for (size_t i = 0; i < rows.size(); ++i) {
            const OddsRow& row = analysis.rows[i];
            const CategoryChance& chance = exact.rows[i];
            text << (i ? ", " : "") << "{\"text\": " << jsonString(rows[i])
                 << ", \"light\": " << jsonString(lightName(row.state))
                 << ", \"category\": " << jsonString(categoryId(row.category))
                 << ", \"state\": " << jsonString(stateName(row.state))
                 << ", \"odds\": " << jsonOdds(row)
                 << ", \"exact\": " << jsonNumber(chance.chance.probability)
                 << ", \"outs\": " << jsonOuts(chance.outs) << "}";
        }
        text << "], \"best_hand\": " << jsonString(best) << ", \"best_category\": "
             << (analysis.best ? jsonString(categoryId(*analysis.best)) : std::string("null"));
        if (equity) text << ", " << equityJson(*equity);
        text << "}\n";
    } else {
        for (size_t i = 0; i < rows.size(); ++i) {
            if (request.exact) {
                const std::string percent =
                    percentText(exact.rows[i].chance.probability, env.decimalSeparator);
                text << std::string(6 - std::min<size_t>(6, columns(percent)), ' ') << percent
                     << ' ';
            }
            if (env.colourOutput)
                text << ansiColour(analysis.rows[i].state) << rows[i] << "\x1b[0m\n";
            else
                text << rows[i] << "\n";
        }
        text << best << "\n";
        if (equity) text << equityText(*equity, request.language, env.decimalSeparator);
    }
    return written(out, err, text.str());
}

}  // namespace korvana
