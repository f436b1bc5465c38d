#include "tools/korvana_odds/report/equity_report.h"

#include <algorithm>
#include <charconv>
#include <chrono>
#include <ostream>

#include "engine/cards/card_input.h"
#include "engine/equity/win_chance.h"
#include "engine/ranges/range_error_text.h"
#include "engine/table/pot_odds.h"
#include "engine/text/decimal_text.h"
#include "engine/text/string_table.h"
#include "tools/korvana_odds/text/json_text.h"
#include "tools/korvana_odds/text/progress_line.h"
#include "tools/korvana_odds/text/terminal_text.h"

namespace korvana {
namespace {

// Exact counting refuses, unless told otherwise, beyond this many deals (some
// seconds to a minute on a few cores).
constexpr std::uint64_t kDefaultMaxDeals = 10'000'000'000;
// A sample stops at this standard error unless told otherwise: 0.05 percentage points.
constexpr double kDefaultPrecision = 0.05;
// A run that is not --exact stops after this long, with what it has.
constexpr double kDefaultTimeLimit = 10;
// Progress shows once a run has taken this long.
constexpr auto kQuietTime = std::chrono::seconds(1);

// "1 712 304"
std::string grouped(std::uint64_t number) {
    const std::string digits = std::to_string(number);
    std::string text;
    for (size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) text += ' ';
        text += digits[i];
    }
    return text;
}

}  // namespace

std::string rangeProblem(std::string_view option, const RangeError& error, const std::string& text,
                         Language language) {
    constexpr size_t kShownPiece = 60;
    std::string sentence =
        rangeErrorText(language, error.problem, clipped(error.piece, kShownPiece));
    // The line goes on with a pointer to --help: a clause, not a sentence.
    if (sentence.ends_with('.')) sentence.pop_back();
    // A piece of a longer range is named with the option that gave it.
    if (error.piece == text) return sentence;
    return std::string(option) + " " + quoted(text) + ": " + sentence;
}

namespace {

// "64.21%"
std::string percent(double fraction, std::string_view decimalSeparator) {
    return percentOf(fraction, 2, decimalSeparator);
}

std::string padded(const std::string& text, size_t width) {
    return text + std::string(width - std::min(width, columns(text)), ' ');
}

// "4.5e+31": a number of deals too large to write out.
std::string scientific(double number) {
    char buffer[32];
    const auto end =
        std::to_chars(buffer, buffer + sizeof buffer, number, std::chars_format::scientific, 1).ptr;
    return std::string(buffer, end);
}

// "opponents 1, 2 and 3 ('QQ', 'QQ', 'QQ')"
std::string opponentsNamed(const std::vector<int>& opponents, const EquityReport& report) {
    std::string numbers, ranges;
    for (size_t i = 0; i < opponents.size(); ++i) {
        const char* before = i == 0 ? "" : i + 1 == opponents.size() ? " and " : ", ";
        numbers += before + std::to_string(opponents[i]);
        ranges += (i == 0 ? "" : ", ") +
                  quoted(report.opponentHands[static_cast<size_t>(opponents[i] - 1)]);
    }
    return (opponents.size() == 1 ? "opponent " : "opponents ") + numbers + " (" + ranges + ")";
}

// One deal of a sample says nothing of how far off the figures may be.
bool hasErrorEstimate(const EquityResult& result) {
    return !result.enumerated && result.deals >= 2;
}

// A player's name in the report: a --vs text may be a whole range, and may
// hold anything a shell lets through.
std::string shownName(const std::string& name) {
    constexpr size_t kNameColumns = 40;
    return oneLine(clipped(name, kNameColumns));
}

// Whether the known cards leave every opponent one hand (a range may be
// narrowed to one by the cards of the table and of the others' hands): a
// deal is then only a board.
bool onlyBoardsToDeal(const EquitySpot& spot) {
    CardMask known = knownCards(spot);
    std::vector<bool> settled(spot.opponents.size(), false);
    for (bool found = true; found;) {
        found = false;
        for (size_t i = 0; i < spot.opponents.size(); ++i) {
            if (settled[i]) continue;
            int left = 0;
            CardMask only = 0;
            for (const PocketCards& hand : spot.opponents[i].hands())
                if ((hand.mask() & known) == 0 && ++left == 1) only = hand.mask();
            if (left != 1) continue;
            known |= only;
            settled[i] = found = true;
        }
    }
    return std::all_of(settled.begin(), settled.end(), [](bool one) { return one; });
}

std::string problemText(const EquityError& error, const EquityReport& report,
                        std::uint64_t maxDeals) {
    using Problem = EquityError::Problem;
    switch (error.problem) {
        case Problem::OpponentCount: return "win chances need 1 to 9 opponents";
        case Problem::BoardSize: return "a board has at most five cards";
        case Problem::CardTwice: return "card '" + cardCode(error.card) + "' is given twice";
        case Problem::TooFewCards:
            return "not enough cards left to deal every opponent and the board";
        case Problem::RangeEmpty:
            if (error.opponent == 0)
                return "your range (" + quoted(report.hero) +
                       ") holds no hand without a card that is already known";
            return "opponent " + std::to_string(error.opponent) + " (" +
                   quoted(report.opponentHands[static_cast<size_t>(error.opponent - 1)]) +
                   ") holds no hand without a card that is already known";
        case Problem::TooManyDeals:
            return "--exact would count " +
                   (error.deals == ~std::uint64_t{0} ? "about " + scientific(error.dealsAbout)
                                                     : grouped(error.deals)) +
                   " deals, more than the limit of " + grouped(maxDeals) +
                   " (raise it with --max-deals, or leave out --exact to sample)";
        case Problem::NoDeal: break;
    }
    if (error.opponents.empty())
        return "the opponents' ranges leave no way to deal them their hands together";
    if (error.opponents.size() == 1)
        return "no way to deal: the range of " + opponentsNamed(error.opponents, report) +
               " holds no hand the others leave";
    return "no way to deal: the ranges of " + opponentsNamed(error.opponents, report) +
           " cannot all be dealt a hand together";
}

}  // namespace

std::variant<EquityReport, std::string> runEquity(const EquityRequest& request, const Hand& hand,
                                                  const EquityRunEnvironment& environment) {
    if (request.heroRange && (hand.card(1) || hand.card(2)))
        return std::string(
            "--hero gives you a range instead of two cards: leave both pocket "
            "slots empty (- -)");
    if (request.heroRange && (request.nextCard || request.distribution))
        return std::string("--next-card and --distribution need your two cards, not --hero");
    if (!request.heroRange && (!hand.card(1) || !hand.card(2)))
        return std::string("win chances need both pocket cards (or --hero with a range)");
    if (request.exact && request.samples)
        return std::string("--exact counts every deal: leave out --samples");
    const int opponents = request.opponents.value_or(static_cast<int>(request.vs.size()));
    if (opponents < static_cast<int>(request.vs.size()))
        return "--opponents " + std::to_string(opponents) + " is fewer than the " +
               std::to_string(request.vs.size()) + " opponents given with --vs";

    EquitySpot spot = *winChanceSpot(
        hand, request.ranges, request.dead,
        request.heroRange ? std::make_shared<const HandRange>(*request.heroRange) : nullptr);
    EquityReport report;
    report.hero =
        spot.heroRange ? *request.heroText : cardCode(spot.hero[0]) + cardCode(spot.hero[1]);
    report.opponentHands = request.vs;
    while (static_cast<int>(spot.opponents.size()) < opponents) {
        spot.opponents.push_back(HandRange::anyTwoCards());
        report.opponentHands.push_back("random");
    }
    report.boardsOnly = onlyBoardsToDeal(spot);

    EquityOptions options;
    options.method = request.exact     ? EquityMethod::Enumerate
                     : request.samples ? EquityMethod::Sample
                                       : EquityMethod::Automatic;
    options.threads = request.threads.value_or(environment.threads);
    options.enumerationDealLimit = request.maxDeals.value_or(kDefaultMaxDeals);
    options.sampleDeals = request.samples.value_or(0);
    options.targetStandardError = request.precision ? *request.precision / 100.0
                                  : request.samples ? 0.0
                                                    : kDefaultPrecision / 100.0;
    // Asked to count everything, it takes the time that needs unless told otherwise.
    const double seconds =
        request.timeLimit.value_or(request.exact ? 365.0 * 24 * 3600 : kDefaultTimeLimit);
    options.timeBudget = std::chrono::milliseconds(static_cast<std::int64_t>(seconds * 1000));
    options.seed = request.seed.value_or(1);

    EquityControl control;
    const auto start = std::chrono::steady_clock::now();
    bool shown = false;
    if (environment.progress)
        control.onProgress = [&](const EquityResult& soFar, double done) {
            if (std::chrono::steady_clock::now() - start < kQuietTime) return;
            shown = true;
            *environment.progress << '\r'
                                  << progressLine(soFar.enumerated, done,
                                                  std::chrono::steady_clock::now() - start)
                                  << "\x1b[K" << std::flush;
        };
    auto outcome = computeEquity(spot, options, &control);
    if (shown) *environment.progress << "\r\x1b[K" << std::flush;
    if (const auto* error = std::get_if<EquityError>(&outcome))
        return problemText(*error, report, options.enumerationDealLimit);
    report.result = std::get<EquityResult>(std::move(outcome));
    report.spot = std::move(spot);
    report.options = options;
    if (report.result.deals == 0)
        return report.result.timeLimitReached
                   ? std::string(
                         "time limit reached before a single deal was counted "
                         "(raise it with --time-limit)")
                   : std::string("cancelled before a single deal was counted");
    return report;
}

std::string equityText(const EquityReport& report, Language language,
                       std::string_view decimalSeparator) {
    const EquityResult& result = report.result;
    const size_t opponents = report.opponentHands.size();
    const auto say = [language](Phrase words, std::initializer_list<std::string_view> values) {
        return fillIn(phrase(language, words), values);
    };
    std::string text =
        "\n" +
        say(opponents == 1 ? Phrase::WinChancesAgainstOne : Phrase::WinChancesAgainstMany,
            {std::to_string(opponents)}) +
        "\n";
    std::vector<std::string> names = {report.hero};
    names.insert(names.end(), report.opponentHands.begin(), report.opponentHands.end());
    size_t width = 0;
    for (auto& name : names) {
        name = shownName(name);
        width = std::max(width, columns(name));
    }
    const double deals = result.weight > 0 ? result.weight : 1.0;
    const auto column = [&](const std::string& label, double fraction) {
        const std::string figure = percent(fraction, decimalSeparator);
        return "  " + label + " " + std::string(7 - std::min<size_t>(7, figure.size()), ' ') +
               figure;
    };
    for (size_t p = 0; p < names.size(); ++p) {
        const PlayerEquity& player = result.players[p];
        text += " " + padded(names[p], width) +
                column(std::string(phrase(language, Phrase::Win)), player.wins / deals) +
                column(std::string(phrase(language, Phrase::Tie)), player.ties / deals) +
                column(std::string(phrase(language, Phrase::Equity)), player.equity) + "\n";
    }
    const std::string counted = grouped(result.deals);
    if (result.enumerated && result.complete && result.deals == 1)
        text += say(report.boardsOnly ? Phrase::TheOnlyBoard : Phrase::TheOnlyDeal, {});
    else if (result.enumerated && result.complete)
        text += say(report.boardsOnly ? Phrase::AllBoards : Phrase::AllDeals, {counted});
    else if (result.enumerated)
        text += say(Phrase::DealsCounted, {counted, grouped(result.allDeals)});
    else if (!hasErrorEstimate(result))
        text += say(result.deals == 1 ? Phrase::OneSampledDeal : Phrase::TooFewSampled, {counted});
    else
        text += say(Phrase::SampledDeals,
                    {counted, percent(equityMargin(result).value_or(0.0), decimalSeparator)});
    if (result.timeLimitReached) text += " " + say(Phrase::TimeLimitReached, {});
    return text + "\n";
}

std::string equityJson(const EquityReport& report) {
    const EquityResult& result = report.result;
    std::string json = "\"equity\": {\"method\": ";
    json += result.enumerated ? "\"enumerated\"" : "\"sampled\"";
    json += ", \"deals\": " + std::to_string(result.deals);
    // Weighted ranges: what the deals weigh together, which the wins and ties are of.
    if (result.weight != static_cast<double>(result.deals))
        json += ", \"weight\": " + jsonNumber(result.weight);
    json += std::string(", \"std_error\": ") +
            (hasErrorEstimate(result) ? jsonNumber(result.standardError) : std::string("null")) +
            ", \"time_limit_reached\": " + (result.timeLimitReached ? "true" : "false") +
            ", \"players\": [";
    for (size_t p = 0; p < result.players.size(); ++p) {
        const PlayerEquity& player = result.players[p];
        json += (p ? ", " : "") + std::string("{\"spec\": ") +
                jsonString(p == 0 ? report.hero : report.opponentHands[p - 1]) +
                ", \"wins\": " + jsonCount(player.wins) + ", \"ties\": " + jsonCount(player.ties) +
                ", \"equity\": " + jsonNumber(player.equity) + "}";
    }
    json += "], \"hero_final\": {";
    for (size_t i = 0; i < kCategoriesInListOrder.size(); ++i)
        json += (i ? ", " : "") + jsonString(categoryId(kCategoriesInListOrder[i])) + ": " +
                jsonCount(result.heroFinal[i]);
    return json + "}}";
}

}  // namespace korvana
