#include "tools/korvana_odds/odds_command.h"

#include <algorithm>
#include <fstream>
#include <memory>
#include <optional>
#include <ostream>
#include <sstream>
#include <variant>

#include "engine/rows/analysis.h"
#include "engine/text/string_table.h"
#include "tools/korvana_odds/arguments/argument_reading.h"
#include "tools/korvana_odds/arguments/command_request.h"
#include "tools/korvana_odds/arguments/option_table.h"
#include "tools/korvana_odds/arguments/range_library_reading.h"
#include "tools/korvana_odds/arguments/table_cards.h"
#include "tools/korvana_odds/batch/batch_run.h"
#include "tools/korvana_odds/report/history_report.h"
#include "tools/korvana_odds/report/table_report.h"
#include "tools/korvana_odds/text/command_output.h"
#include "tools/korvana_odds/text/terminal_text.h"

namespace korvana {
namespace {

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
    // The file is read only when a range may name one, and its bad lines
    // told then: a range of the command line, or of a batch line.
    const auto mayName = [](const std::string& arg) {
        return arg.find('@') != std::string::npos || arg == "-" || arg == "--batch";
    };
    if (std::any_of(args.begin(), args.end(), mayName))
        request.library = std::make_shared<const RangeLibrary>(
            readRangeLibrary(env.rangeLibraryPath, language, err));
    if (const auto error = readCommandLine(args, request, language)) {
        err << "korvana-odds: " << oneLine(*error) << " " << phrase(language, Phrase::UsageSeeHelp)
            << "\n";
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
        return runBatch(env.input ? *env.input : nothing, request, layout, env, out, err);
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
