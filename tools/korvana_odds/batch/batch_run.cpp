#include "tools/korvana_odds/batch/batch_run.h"

#include <algorithm>
#include <istream>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "tools/korvana_odds/arguments/argument_reading.h"
#include "tools/korvana_odds/arguments/batch_lines.h"
#include "tools/korvana_odds/batch/batch_json.h"
#include "tools/korvana_odds/text/command_output.h"
#include "tools/korvana_odds/text/terminal_text.h"

namespace korvana {
namespace {

// Blanks between words; the carriage return lets files written on Windows
// read the same.
constexpr std::string_view kBlanks = " \t\r\v\f";

// The words of a line as a shell splits them: quotes keep blanks in a word
// (--vs 'QQ+, AKs') and are dropped.
std::vector<std::string> wordsOf(std::string_view line) {
    std::vector<std::string> words;
    std::optional<std::string> word;
    char quote = 0;
    for (const char c : line) {
        if (quote != 0 && c == quote) {
            quote = 0;
        } else if (quote == 0 && (c == '\'' || c == '"')) {
            quote = c;
            word = word.value_or("");
        } else if (quote == 0 && kBlanks.find(c) != std::string_view::npos) {
            if (word) words.push_back(std::move(*word));
            word.reset();
        } else {
            word = word.value_or("") + c;
        }
    }
    if (word) words.push_back(std::move(*word));
    return words;
}

bool isBlank(std::string_view line) {
    line = line.substr(0, line.find('#'));
    return line.find_first_not_of(kBlanks) == std::string_view::npos;
}

}  // namespace

int runBatch(std::istream& input, const CommandRequest& request, TableLayout layout,
             const OddsCommandEnvironment& env, std::ostream& out, std::ostream& err) {
    bool refused = false;
    const bool json = layout == TableLayout::Json;
    // Named on err in any layout; in JSON also by an object in its place.
    const auto refuse = [&](long number, const std::string& problem) {
        err << "korvana-odds: line " << number << ": " << oneLine(problem) << "\n";
        refused = true;
        return json ? written(out, err, lineErrorObject(number, problem)) : 0;
    };
    BatchLines lines(input);
    while (const std::optional<BatchLine> line = lines.next()) {
        const long number = line->number;
        if (line->tooLong) {
            if (refuse(number, "too long for a table: more than " +
                                   std::to_string(kMaxTableLineBytes) + " bytes before any #") != 0)
                return 1;
            continue;
        }
        if (isBlank(line->table)) continue;
        CommandRequest table = request;
        const std::string text = line->table.substr(0, line->table.find('#'));
        if (const auto problem = readBatchLine(wordsOf(text), table, request.options.language)) {
            if (refuse(number, *problem) != 0) return 1;
            continue;
        }
        auto output = tableOutput(table.cards.hand, table.options, layout, env);
        if (const auto* problem = std::get_if<TableProblem>(&output)) {
            if (refuse(number, problem->message) != 0) return 1;
            continue;
        }
        const std::string& result = std::get<std::string>(output);
        if (written(out, err, json ? numberedObject(number, result) : result) != 0) return 1;
    }
    // A read that failed part way (an I/O error, a directory for a file) must
    // not pass for the end of the tables.
    if (input.bad()) {
        err << "korvana-odds: cannot read the standard input\n";
        return 1;
    }
    return refused ? 2 : 0;
}

}  // namespace korvana
