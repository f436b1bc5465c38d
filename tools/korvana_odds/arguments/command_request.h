#pragma once
// What one korvana-odds command line asks for, as its options and slots are
// read.
#include <memory>
#include <optional>
#include <string>

#include "engine/ranges/range_hits.h"
#include "engine/ranges/range_library.h"
#include "tools/korvana_odds/arguments/table_cards.h"
#include "tools/korvana_odds/report/table_report.h"

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
    // --narrow's lines, for --range-hits wherever it stands.
    std::optional<HitLines> narrow;
    // The named ranges "@name" reads: the built-in ones, and the library
    // file's once a range may name one. Shared by every batch line.
    std::shared_ptr<const RangeLibrary> library = std::make_shared<const RangeLibrary>();
};

}  // namespace korvana
