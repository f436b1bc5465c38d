#pragma once
// What one korvana-odds command line asks for, as its options and slots are
// read.
#include <optional>
#include <string>

#include "tools/korvana_odds/table_cards.h"
#include "tools/korvana_odds/table_report.h"

namespace korvana {

struct CommandRequest {
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
    // --history: the hand-history file to read ("-" for standard input).
    std::optional<std::string> history;
    bool streetEquity = false;
    int slotArguments = 0;
    // The first option that only means something with opponents.
    std::optional<std::string> equityDetail;
    // The first that means something with opponents or range hits.
    std::optional<std::string> knownCardsDetail;
};

}  // namespace korvana
