#pragma once
// korvana-odds' options in one table: each one's name, what its value is, how
// the value is read and its lines in --help. The command line's parser and
// the usage text are both made from it, so they cannot drift apart.
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "engine/text/language.h"
#include "tools/korvana_odds/arguments/command_request.h"

namespace korvana {

// The part of --help an option is listed in.
enum class OptionGroup {
    Rows,       // the odds rows and the program's output
    Equity,     // win chances against opponents
    RangeHits,  // what a range holds on the board
    History,    // the hands of a hand-history file
    Program,    // help and version
};

struct OddsOption {
    std::string_view name;   // "--round"
    std::string_view alias;  // "-h", or empty
    std::string_view value;  // the value's name in --help ("ROUND"); empty: takes none
    OptionGroup group;
    // Its lines in --help after the name, '\n' between them.
    std::string_view help;
    // Reads the option (and its value, empty when it takes none) into the
    // request; a problem comes back as the one line to print, in the language.
    std::optional<std::string> (*read)(const std::string& value, CommandRequest& request,
                                       Language language);
    // Only means something with --vs or --opponents (see rangeHitsToo).
    bool needsOpponents = false;
    // May be given on a batch line, for that line alone; else it shapes the
    // whole run and belongs on the command line.
    bool onABatchLine = true;
    // Only means something with --vs, --opponents or --range-hits.
    bool rangeHitsToo = false;
};

// Every option, in the order --help lists them within their group.
std::span<const OddsOption> oddsOptions();

// The option of that name or alias ("--round", "-h"), if there is one.
const OddsOption* findOddsOption(std::string_view name);

// The whole of --help.
std::string usageText();

}  // namespace korvana
