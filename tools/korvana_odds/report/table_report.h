#pragma once
// One table's analysis as korvana-odds prints it: the rows as a block, the
// same on one line for batch mode, or one JSON object.
#include <optional>
#include <string>
#include <variant>

#include "engine/cards/hand.h"
#include "engine/rows/analysis.h"
#include "engine/text/language.h"
#include "tools/korvana_odds/report/equity_report.h"
#include "tools/korvana_odds/report/range_hits_report.h"
#include "tools/korvana_odds/text/command_environment.h"

namespace korvana {

// What the options ask of every table.
struct OddsOptions {
    Round round = Round::Flop;
    bool autoSwitch = true;
    Language language = Language::English;
    bool exact = false;  // the exact chance before each row
    EquityRequest equity;
    std::optional<RangeHitsRequest> rangeHits;
};

enum class TableLayout {
    Block,  // a row per line, then the best hand and the win chances
    Line,   // the cards, then the block's lines trimmed and joined by " | "
    Json,   // one object on one line
};

struct TableProblem {
    std::string message;
};

// The table's output, ending in a newline, or the problem that stopped it
// (the win chances can refuse a table the rows accept).
std::variant<std::string, TableProblem> tableOutput(const Hand& hand, const OddsOptions& options,
                                                    TableLayout layout,
                                                    const OddsCommandEnvironment& env);

}  // namespace korvana
