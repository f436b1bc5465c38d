#include "tools/korvana_odds/odds_command.h"

#include <optional>
#include <ostream>
#include <sstream>
#include <variant>

#include "engine/rows/analysis.h"
#include "engine/text/string_table.h"
#include "tools/korvana_odds/batch_run.h"
#include "tools/korvana_odds/command_output.h"
#include "tools/korvana_odds/equity_report.h"
#include "tools/korvana_odds/range_hits_report.h"
#include "tools/korvana_odds/table_cards.h"
#include "tools/korvana_odds/table_report.h"
#include "tools/korvana_odds/terminal_text.h"

namespace korvana {
namespace {

constexpr const char* kUsage =
    "Usage: korvana-odds [--round flop|turn|river] [--auto|--no-auto] [--lang en|ru] [--exact]\n"
    "                    [--json] [--vs RANGE]... [--opponents N] [--dead CARDS]\n"
    "                    [--samples N] [--precision P] [--seed S] [--threads N]\n"
    "                    [--max-deals N] [--time-limit S] [--pot P --call C]\n"
    "                    [--range-hits RANGE] [SLOT ...]\n"
    "       korvana-odds [OPTION ...] - | --batch\n"
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
    "With - alone or --batch, the tables come from standard input, one per line,\n"
    "written like the SLOT arguments (Ah Kh Qh - - 2c); # starts a comment, blank\n"
    "lines are skipped. Each table gives one line: its seven slots, then the lines\n"
    "of the usual text trimmed and joined by \" | \"; with --json one object per\n"
    "line (JSON Lines) with its input \"line\" number. A bad line is named on stderr\n"
    "with its line number (with --json also by {\"line\": N, \"error\": \"...\"}), the\n"
    "other lines still run, and the exit status is 2. All other options apply to\n"
    "every line.\n"
    "\n"
    "  --round ROUND  round the odds refer to: flop, turn or river; a round given\n"
    "                 here stays fixed unless --auto is given too\n"
    "  --auto         let the round follow the number of known cards (the default);\n"
    "                 a line before the best hand names the round it moved to\n"
    "  --no-auto      keep the round fixed: flop, or the one --round names\n"
    "  --lang LANG    en (default) or ru\n"
    "  --exact        put the exact chance in percent before each row\n"
    "  --json         print one JSON object instead of text, with the formula's odds,\n"
    "                 the exact chance (0..1) and the outs of every row\n"
    "  --batch        read one table per line from standard input (also: - alone)\n"
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
    "  --time-limit S stop after S seconds (default 10; none with --exact) and show\n"
    "                 what was counted, with \"time limit reached\"\n"
    "  --seed S       the seed of the sample: the same seed gives the same sample\n"
    "  --threads N    threads to work on (default: all cores)\n"
    "  --pot P --call C  pot odds: a call of C into a pot of P needs the equity\n"
    "                 C / (P + C); a line after the win chances says whether\n"
    "                 yours is enough (in chips or any unit: --pot 100 --call 20)\n"
    "\n"
    "What an opponent's range holds on the board (from the flop on):\n"
    "  --range-hits RANGE  how many of the range's combinations make each hand now,\n"
    "                 and the flush draws, open-ended straight draws and gutshots;\n"
    "                 those holding a known card are left out\n"
    "  --help         show this help and exit\n"
    "  --version      show the version and exit\n";

struct Request {
    OddsOptions options;
    TableCards cards;
    // Auto-switch is on by default, as at a first start of the window. An
    // explicit round means the player wants that round, so it turns auto-switch
    // off unless --auto is asked for as well.
    std::optional<bool> autoSwitch;
    bool roundGiven = false;
    bool json = false;
    bool batch = false;
    bool help = false;
    bool version = false;
    int slotArguments = 0;
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
    bool optionsEnded = false;
    std::string firstSlotArgument;
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
                request.options.round = *round;
                request.roundGiven = true;
            } else if (name == "--lang") {
                if (auto e = takeValue()) return e;
                const auto language = parseLanguage(value);
                if (!language)
                    return UsageError{"unknown language " + quoted(value) + " (use en or ru)"};
                request.options.language = *language;
            } else if (name == "--range-hits") {
                if (auto e = takeValue()) return e;
                auto hits = readRangeHits(value);
                if (auto* problem = std::get_if<std::string>(&hits)) return UsageError{*problem};
                request.options.rangeHits = std::get<RangeHitsRequest>(std::move(hits));
            } else if (isEquityOption(name)) {
                if (auto e = takeValue()) return e;
                if (auto problem = readEquityOption(name, value, request.options.equity))
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
                request.options.exact = true;
                request.options.equity.exact = true;
            } else if (name == "--json") {
                request.json = true;
            } else if (name == "--batch") {
                request.batch = true;
            } else if (name == "--help" || name == "-h") {
                request.help = true;
            } else if (name == "--version") {
                request.version = true;
            } else {
                return UsageError{"unknown option " + quoted(arg)};
            }
            continue;
        }
        // After "--" a "-" is always a slot: the way to ask for an empty table.
        if (++request.slotArguments == 1 && !optionsEnded) firstSlotArgument = arg;
        if (auto problem = readSlots(arg, request.cards)) return UsageError{*problem};
    }
    if (request.equityDetail && !request.options.equity.asked())
        return UsageError{"option " + quoted(*request.equityDetail) + " needs --vs or --opponents"};
    if (request.options.equity.pot.has_value() != request.options.equity.call.has_value())
        return UsageError{"--pot and --call go together: the pot and the amount to call"};
    // "-" alone is no table of one empty slot but the sign to read tables from
    // standard input; among other slots it stays an empty slot.
    const bool loneDash = request.slotArguments == 1 && firstSlotArgument == "-";
    if (request.batch && request.slotArguments > 0 && !loneDash)
        return UsageError{
            "with - or --batch the tables come from standard input, one per line: "
            "give no cards as arguments"};
    if (loneDash) {
        request.batch = true;
        request.cards = {};
    }
    request.options.autoSwitch = request.autoSwitch.value_or(!request.roundGiven);
    return std::nullopt;
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

    const TableLayout layout = request.json    ? TableLayout::Json
                               : request.batch ? TableLayout::Line
                                               : TableLayout::Block;
    if (request.batch) {
        std::istringstream nothing;
        return runBatch(env.input ? *env.input : nothing, request.options, layout, env, out, err);
    }
    if (request.slotArguments == 0 && env.inputIsPipe)
        err << "korvana-odds: note: no cards given, so the table is empty; give them as "
               "arguments (korvana-odds Ah Kh) or use - to read one table per line\n";
    auto output = tableOutput(request.cards.hand, request.options, layout, env);
    if (const auto* problem = std::get_if<TableProblem>(&output)) {
        err << "korvana-odds: " << oneLine(problem->message) << " (see korvana-odds --help)\n";
        return 2;
    }
    return written(out, err, std::get<std::string>(output));
}

}  // namespace korvana
