#pragma once
// korvana-odds --range-hits: what an opponent's range holds on the table's
// board, as a text block and as the "range_hits" member of the JSON object.
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "engine/cards/hand.h"
#include "engine/ranges/hand_range.h"
#include "engine/ranges/range_hits.h"
#include "engine/text/language.h"

namespace korvana {

struct RangeHitsRequest {
    std::string text;  // as given
    HandRange range = HandRange::anyTwoCards();
};

// The range of --range-hits, or the problem as the one line to print.
std::variant<RangeHitsRequest, std::string> readRangeHits(const std::string& value,
                                                          Language language);

// The counts on the hand's board (slots 3 to 7), leaving out the combinations
// that hold the hero's cards, the board's or the dead ones; a problem before
// the flop.
std::variant<RangeHits, std::string> runRangeHits(const RangeHitsRequest& request, const Hand& hand,
                                                  const std::vector<Card>& dead);

// A heading, then a line per category in list order and per draw:
// the combinations and their share of the range.
std::string rangeHitsText(const RangeHitsRequest& request, const RangeHits& hits, Language language,
                          std::string_view decimalSeparator);

// "\"range_hits\": {...}"
std::string rangeHitsJson(const RangeHitsRequest& request, const RangeHits& hits);

}  // namespace korvana
