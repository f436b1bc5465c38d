#pragma once
// korvana-odds --range-hits: what an opponent's range holds on the table's
// board, as a text block and as the "range_hits" member of the JSON object;
// with --narrow, the range kept to the combinations that make chosen hands
// and draws.
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "engine/cards/hand.h"
#include "engine/ranges/hand_range.h"
#include "engine/ranges/range_hits.h"
#include "engine/ranges/range_library.h"
#include "engine/text/language.h"

namespace korvana {

struct RangeHitsRequest {
    std::string text;  // as given
    HandRange range = HandRange::anyTwoCards();
    std::optional<HitLines> narrow;  // --narrow's lines
};

// The range of --range-hits ("@name" read from the library), or the problem
// as the one line to print.
std::variant<RangeHitsRequest, std::string> readRangeHits(const std::string& value,
                                                          const RangeLibrary& library,
                                                          Language language);

// The lines of --narrow, the JSON words with commas between them
// ("pair,three_of_a_kind,flush_draw"), or the problem as the one line to print.
std::variant<HitLines, std::string> readNarrowLines(const std::string& value, Language language);

struct RangeHitsOutcome {
    RangeHits hits;
    // With --narrow: the combinations the known cards leave that make a
    // line kept, and the range they read as.
    std::optional<std::vector<PocketCards>> narrowed;
    std::string narrowedText;
};

// The counts on the hand's board (slots 3 to 7), leaving out the combinations
// that hold the hero's cards, the board's or the dead ones; a problem before
// the flop.
std::variant<RangeHitsOutcome, std::string> runRangeHits(const RangeHitsRequest& request,
                                                         const Hand& hand,
                                                         const std::vector<Card>& dead);

// A heading, then a line per category in list order and per draw:
// the combinations and their share of the range; then the narrowed range.
std::string rangeHitsText(const RangeHitsRequest& request, const RangeHitsOutcome& outcome,
                          Language language, std::string_view decimalSeparator);

// "\"range_hits\": {...}", with "narrowed": {"range": "...", "combos": [...]}.
std::string rangeHitsJson(const RangeHitsRequest& request, const RangeHitsOutcome& outcome);

}  // namespace korvana
