#include "tools/korvana_odds/odds_command.h"

#include <fstream>
#include <optional>
#include <ostream>
#include <sstream>
#include <variant>

#include "engine/rows/analysis.h"
#include "engine/text/string_table.h"
#include "tools/korvana_odds/batch/batch_run.h"
#include "tools/korvana_odds/command_output.h"
#include "tools/korvana_odds/command_request.h"
#include "tools/korvana_odds/history_report.h"
#include "tools/korvana_odds/option_table.h"
#include "tools/korvana_odds/table_cards.h"
#include "tools/korvana_odds/table_report.h"
#include "tools/korvana_odds/terminal_text.h"

namespace korvana {
namespace {

struct UsageError {
    std::string message;
};

// Options are long ("--round") or a dash and a letter ("-h"); any other
// argument that starts with a dash is slots, such as "-,-,Ah".
bool isOption(const std::string& arg) {
    if (arg.size() < 2 || arg[0] != '-') return false;
    const char next = arg[1];
    return next == '-' || (next >= 'a' && next <= 'z') || (next >= 'A' && next <= 'Z');
}

// The language errors are told in: the last --lang that names one, so that
// a problem before it, or with another option, is told in that language too.
Language languageAsked(const std::vector<std::string>& args) {
    Language language = Language::English;
    for (size_t i = 0; i < args.size() && args[i] != "--"; ++i) {
        std::string value;
        if (args[i] == "--lang" && i + 1 < args.size())
            value = args[i + 1];
        else if (args[i].rfind("--lang=", 0) == 0)
            value = args[i].substr(7);
        if (value == "ru")
            language = Language::Russian;
        else if (value == "en")
            language = Language::English;
    }
    return language;
}

// Parses the arguments; a problem comes back as the one line to print.
std::optional<UsageError> parse(const std::vector<std::string>& args, CommandRequest& request,
                                Language language) {
    const auto say = [language](Phrase pattern, std::string_view value) {
        return UsageError{fillIn(phrase(language, pattern), {value})};
    };
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
            const OddsOption* option = findOddsOption(name);
            if (!option) return say(Phrase::UsageUnknownOption, quoted(arg));
            if (option->value.empty() && hasValue)
                return say(Phrase::UsageTakesNoValue, quoted(name));
            if (!option->value.empty() && !hasValue) {
                if (i + 1 >= args.size()) return say(Phrase::UsageNeedsValue, quoted(name));
                value = args[++i];
            }
            if (auto problem = option->read(value, request, language)) return UsageError{*problem};
            auto& detail = option->rangeHitsToo ? request.knownCardsDetail : request.equityDetail;
            if (option->needsOpponents && !detail) detail = name;
            continue;
        }
        // After "--" a "-" is always a slot: the way to ask for an empty table.
        if (++request.slotArguments == 1 && !optionsEnded) firstSlotArgument = arg;
        if (auto problem = readSlots(arg, request.cards, language)) return UsageError{*problem};
    }
    if (request.equityDetail && !request.options.equity.asked())
        return say(Phrase::UsageNeedsOpponents, quoted(*request.equityDetail));
    // Range hits leave dead cards out too.
    if (request.knownCardsDetail && !request.options.equity.asked() && !request.options.rangeHits)
        return say(Phrase::UsageNeedsOpponentsOrHits, quoted(*request.knownCardsDetail));
    if (request.options.equity.pot.has_value() != request.options.equity.call.has_value())
        return say(Phrase::UsagePotWithCall, "");
    // "-" alone is no table of one empty slot but the sign to read tables from
    // standard input; among other slots it stays an empty slot.
    const bool loneDash = request.slotArguments == 1 && firstSlotArgument == "-";
    if (request.batch && request.slotArguments > 0 && !loneDash)
        return say(Phrase::UsageBatchWithCards, "");
    if (request.history && (request.slotArguments > 0 || request.batch))
        return say(Phrase::UsageHistoryWithCards, "");
    if (request.streetEquity && !request.history)
        return say(Phrase::UsageNeedsHistory, quoted("--street-equity"));
    if (loneDash) {
        request.batch = true;
        request.cards = {};
    }
    request.options.autoSwitch = request.autoSwitch.value_or(!request.roundGiven);
    return std::nullopt;
}

// The hands of the file, or of standard input for "-".
int runHistoryFile(const std::string& path, const CommandRequest& request,
                   const OddsCommandEnvironment& env, std::ostream& out, std::ostream& err) {
    HistoryRequest history;
    history.json = request.json;
    history.streetEquity = request.streetEquity;
    history.language = request.options.language;
    history.threads = request.options.equity.threads.value_or(env.threads);
    history.decimalSeparator = env.decimalSeparator;
    if (path == "-") {
        std::istringstream nothing;
        return runHistory(env.input ? *env.input : nothing, history, out, err);
    }
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        err << "korvana-odds: "
            << fillIn(phrase(history.language, Phrase::UsageCannotOpen), {quoted(path)}) << "\n";
        return 2;
    }
    return runHistory(file, history, out, err);
}

}  // namespace

int runOddsCommand(const std::vector<std::string>& args, const OddsCommandEnvironment& env,
                   std::ostream& out, std::ostream& err) {
    CommandRequest request;
    const Language language = languageAsked(args);
    if (const auto error = parse(args, request, language)) {
        err << "korvana-odds: " << oneLine(error->message) << " "
            << phrase(language, Phrase::UsageSeeHelp) << "\n";
        return 2;
    }
    if (request.help) return written(out, err, usageText());
    if (request.version)
        return written(out, err, "korvana-odds " + std::string(programVersion()) + "\n");

    if (request.history) return runHistoryFile(*request.history, request, env, out, err);

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
        err << "korvana-odds: " << oneLine(problem->message) << " "
            << phrase(request.options.language, Phrase::UsageSeeHelp) << "\n";
        return 2;
    }
    return written(out, err, std::get<std::string>(output));
}

}  // namespace korvana
