#pragma once
// The win chances of korvana-odds: the options that ask for them, the run,
// and its text and JSON.
#include <cstdint>
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "engine/cards/hand.h"
#include "engine/equity/equity.h"
#include "engine/ranges/hand_range.h"
#include "engine/text/language.h"

namespace korvana {

struct EquityRequest {
    std::vector<std::string> vs;  // --vs texts, one per opponent, in order
    std::vector<HandRange> ranges;
    std::optional<int> opponents;  // --opponents: the rest hold random hands
    std::vector<Card> dead;
    bool exact = false;
    std::optional<std::uint64_t> samples, maxDeals, seed;
    std::optional<double> precision;  // percentage points
    std::optional<double> timeLimit;  // seconds
    std::optional<int> threads;
    // --pot and --call: the price of a call, in chips; both or neither.
    std::optional<double> pot, call;
    // --next-card and --distribution: the counts behind the figure.
    bool nextCard = false, distribution = false;
    // --hero: the hero's range, his pocket slots left empty.
    std::optional<std::string> heroText;
    std::optional<HandRange> heroRange;

    bool asked() const { return !vs.empty() || opponents.has_value(); }
};

// What is wrong with the range text given with the option, as one line in
// the language: "--vs 'QQ, AKx': \"AKx\" is not a hand (e.g. ...)".
std::string rangeProblem(std::string_view option, const RangeError& error, const std::string& text,
                         Language language = Language::English);

struct EquityReport {
    EquityResult result;
    std::string hero;                        // "AhKh"
    std::vector<std::string> opponentHands;  // each opponent's hand or range as given
    bool boardsOnly = false;                 // every opponent's hand known: a deal is a board
    // What was counted, and how: the counts behind the figure take the same.
    EquitySpot spot;
    EquityOptions options;
};

// Where a long run shows how far it has come, and how many threads it gets.
struct EquityRunEnvironment {
    int threads = 1;
    std::ostream* progress = nullptr;  // a terminal, or nothing
};

// The win chances of the hand's pocket cards on its board cards (slots 3 to 7).
std::variant<EquityReport, std::string> runEquity(const EquityRequest& request, const Hand& hand,
                                                  const EquityRunEnvironment& environment);

// One line per player and the method line, after a heading.
std::string equityText(const EquityReport& report, Language language,
                       std::string_view decimalSeparator);
// The "equity" member of the JSON object: "\"equity\": {...}".
std::string equityJson(const EquityReport& report);

}  // namespace korvana
