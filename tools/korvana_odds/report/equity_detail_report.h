#pragma once
// korvana-odds --next-card and --distribution: the counts behind the win
// chances (the hero's equity by the next card, and against each hand of the
// first opponent's range), as text and as members of the JSON object.
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "engine/equity/equity_distribution.h"
#include "engine/equity/next_card.h"
#include "engine/text/language.h"
#include "tools/korvana_odds/report/equity_report.h"

namespace korvana {

struct EquityDetail {
    std::optional<NextCardTable> nextCard;
    std::optional<std::vector<HandEquity>> distribution;
};

// Counts what the request asks for, on the spot and with the options of the
// report's count; a problem comes back as the one line to print.
std::variant<EquityDetail, std::string> runEquityDetail(const EquityRequest& request,
                                                        const EquityReport& report);

// A block per count asked for.
std::string equityDetailText(const EquityDetail& detail, Language language,
                             std::string_view decimalSeparator);
// "\"next_card\": [...], \"distribution\": [...]", those asked for; empty for none.
std::string equityDetailJson(const EquityDetail& detail);

}  // namespace korvana
