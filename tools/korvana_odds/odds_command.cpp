#include "odds_command.h"

#include <cstdio>
#include <optional>
#include <ostream>
#include <sstream>

#include "analysis.h"
#include "card.h"
#include "hand.h"
#include "row_text.h"
#include "string_table.h"

namespace korvana {
namespace {

constexpr const char* kUsage =
    "Usage: korvana-odds [--round flop|turn|river] [--auto] [--lang en|ru] [--json] [SLOT ...]\n"
    "Analyse a Texas Hold'em hand: for each of the ten hand categories, whether it is\n"
    "complete, impossible, or possible with the odds 1:x of completing it by the round.\n"
    "\n"
    "SLOT is a card code (rank 23456789TJQKA, suit cdhs: Ah, Td, 2c) or - for an empty\n"
    "slot, in slot order: two pocket cards, three flop cards, turn, river.\n"
    "\n"
    "  --round ROUND  round the odds refer to: flop (default), turn or river\n"
    "  --auto         let the round follow the number of known cards\n"
    "  --lang LANG    en (default) or ru\n"
    "  --json         print one JSON object instead of text\n"
    "  --help         show this help and exit\n"
    "  --version      show the version and exit\n";

struct Request {
    Hand hand;
    Round round = Round::Flop;
    bool autoSwitch = false;
    Language language = Language::English;
    bool json = false;
    bool help = false;
    bool version = false;
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

// Parses the arguments; a problem comes back as the one line to print.
std::optional<UsageError> parse(const std::vector<std::string>& args, Request& request) {
    size_t slot = 0;
    bool optionsEnded = false;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (!optionsEnded && arg.size() > 1 && arg[0] == '-') {
            if (arg == "--") { optionsEnded = true; continue; }
            std::string name = arg, value;
            bool hasValue = false;
            if (const auto eq = arg.find('='); eq != std::string::npos && arg.rfind("--", 0) == 0) {
                name = arg.substr(0, eq);
                value = arg.substr(eq + 1);
                hasValue = true;
            }
            const auto takeValue = [&]() -> std::optional<UsageError> {
                if (hasValue) return std::nullopt;
                if (i + 1 >= args.size()) return UsageError{"option '" + name + "' needs a value"};
                value = args[++i];
                return std::nullopt;
            };
            if (name == "--round") {
                if (auto e = takeValue()) return e;
                const auto round = parseRound(value);
                if (!round) return UsageError{"unknown round '" + value + "' (use flop, turn or river)"};
                request.round = *round;
            } else if (name == "--lang") {
                if (auto e = takeValue()) return e;
                const auto language = parseLanguage(value);
                if (!language) return UsageError{"unknown language '" + value + "' (use en or ru)"};
                request.language = *language;
            } else if (hasValue) {
                return UsageError{"option '" + name + "' takes no value"};
            } else if (name == "--auto") {
                request.autoSwitch = true;
            } else if (name == "--json") {
                request.json = true;
            } else if (name == "--help" || name == "-h") {
                request.help = true;
            } else if (name == "--version") {
                request.version = true;
            } else {
                return UsageError{"unknown option '" + arg + "'"};
            }
            continue;
        }
        if (slot >= static_cast<size_t>(kSlotCount))
            return UsageError{"too many slots at '" + arg + "': a hand has at most seven"};
        if (arg != "-") {
            const auto card = parseCardCode(arg);
            if (!card)
                return UsageError{"unknown card code '" + arg +
                                  "' (rank 23456789TJQKA then suit cdhs, e.g. Ah)"};
            if (!request.hand.place(static_cast<int>(slot) + 1, *card))
                return UsageError{"card '" + arg + "' is given twice"};
        }
        ++slot;
    }
    return std::nullopt;
}

std::string jsonString(std::string_view text) {
    std::string quoted = "\"";
    for (const char ch : text) {
        const auto byte = static_cast<unsigned char>(ch);
        if (ch == '"' || ch == '\\') {
            quoted += '\\';
            quoted += ch;
        } else if (byte < 0x20) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", byte);
            quoted += escape;
        } else {
            quoted += ch;  // UTF-8 passes through unchanged
        }
    }
    return quoted + '"';
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

std::string_view ansiColour(RowState state) {
    switch (state) {
        case RowState::Complete: return "\x1b[32m";
        case RowState::Possible: return "\x1b[33m";
        case RowState::Impossible: break;
    }
    return "\x1b[31m";
}

}  // namespace

int runOddsCommand(const std::vector<std::string>& args, const OddsCommandEnvironment& env,
                   std::ostream& out, std::ostream& err) {
    Request request;
    if (const auto error = parse(args, request)) {
        err << "korvana-odds: " << error->message << " (see korvana-odds --help)\n";
        return 2;
    }
    if (request.help) {
        out << kUsage;
        return 0;
    }
    if (request.version) {
        out << "korvana-odds " << programVersion() << "\n";
        return 0;
    }

    const Analysis analysis = analyse(request.hand, request.round, request.autoSwitch, std::nullopt);
    const auto rows = rowTexts(analysis, request.language, env.decimalSeparator);
    const std::string best = bestHandText(request.language, analysis.best);

    std::ostringstream text;
    if (request.json) {
        text << "{\"round\": " << jsonString(roundName(analysis.round)) << ", \"rows\": [";
        for (size_t i = 0; i < rows.size(); ++i) {
            text << (i ? ", " : "") << "{\"text\": " << jsonString(rows[i])
                 << ", \"light\": " << jsonString(lightName(analysis.rows[i].state)) << "}";
        }
        text << "], \"best_hand\": " << jsonString(best) << "}\n";
    } else {
        for (size_t i = 0; i < rows.size(); ++i) {
            if (env.colourOutput)
                text << ansiColour(analysis.rows[i].state) << rows[i] << "\x1b[0m\n";
            else
                text << rows[i] << "\n";
        }
        text << best << "\n";
    }
    out << text.str();
    return 0;
}

}  // namespace korvana
