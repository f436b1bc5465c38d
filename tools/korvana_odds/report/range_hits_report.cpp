#include "tools/korvana_odds/report/range_hits_report.h"

#include <algorithm>
#include <charconv>
#include <tuple>

#include "engine/ranges/range_grid.h"
#include "engine/text/decimal_text.h"
#include "engine/text/string_table.h"
#include "tools/korvana_odds/report/equity_report.h"
#include "tools/korvana_odds/text/json_text.h"
#include "tools/korvana_odds/text/terminal_text.h"

namespace korvana {
namespace {

// As wide as an opponent's range in the win chances.
constexpr size_t kShownRangeColumns = 40;

// "12.5%" with the language's decimal separator; "0.0%" for an empty range.
std::string share(double count, double of, std::string_view decimalSeparator) {
    return decimalText(of > 0 ? 100.0 * count / of : 0.0, 1, decimalSeparator) + "%";
}

}  // namespace

std::variant<RangeHitsRequest, std::string> readRangeHits(const std::string& value,
                                                          const RangeLibrary& library,
                                                          Language language) {
    const auto resolved = resolveNamedRanges(value, library);
    if (const auto* error = std::get_if<RangeError>(&resolved))
        return rangeProblem("--range-hits", *error, value, language);
    auto range = parseHandRange(std::get<std::string>(resolved));
    if (const auto* error = std::get_if<RangeError>(&range))
        return rangeProblem("--range-hits", *error, value, language);
    return RangeHitsRequest{value, std::get<HandRange>(std::move(range)), std::nullopt};
}

std::variant<HitLines, std::string> readNarrowLines(const std::string& value, Language language) {
    HitLines lines;
    size_t start = 0;
    while (start <= value.size()) {
        const size_t comma = std::min(value.find(',', start), value.size());
        std::string word = value.substr(start, comma - start);
        start = comma + 1;
        word.erase(0, word.find_first_not_of(' '));
        word.erase(word.find_last_not_of(' ') + 1);
        std::optional<int> line;
        for (const Category category : kCategoriesInListOrder)
            if (word == categoryId(category)) line = hitLineOf(category);
        if (word == "flush_draw") line = kFlushDrawLine;
        if (word == "open_ended") line = kOpenEndedLine;
        if (word == "gutshot") line = kGutshotLine;
        if (!line) return fillIn(phrase(language, Phrase::UsageUnknownHitLine), {quoted(word)});
        lines.set(static_cast<size_t>(*line));
    }
    return lines;
}

std::variant<RangeHitsOutcome, std::string> runRangeHits(const RangeHitsRequest& request,
                                                         const Hand& hand,
                                                         const std::vector<Card>& dead) {
    std::vector<Card> board;
    for (int slot = 3; slot <= kSlotCount; ++slot)
        if (const auto card = hand.card(slot)) board.push_back(*card);
    std::vector<Card> pocket;
    for (int slot = 1; slot <= 2; ++slot)
        if (const auto card = hand.card(slot)) pocket.push_back(*card);
    const CardMask known = maskOf(pocket) | maskOf(dead);
    const auto hits = countRangeHits(request.range, board, known);
    if (!hits) return std::string("--range-hits needs the flop: at least three board cards");
    RangeHitsOutcome outcome{*hits, std::nullopt, {}};
    if (request.narrow) {
        outcome.narrowed = narrowRange(request.range, board, known, *request.narrow);
        HandSet kept;
        for (const PocketCards cards : *outcome.narrowed)
            kept.set(static_cast<size_t>(cards.number()));
        // As players write it: the hands a known card takes count as kept.
        outcome.narrowedText = shortestRangeText(filledWithKnownCards(kept, known | maskOf(board)));
        if (outcome.narrowedText.empty() && kept.any()) outcome.narrowedText = "random";
    }
    return outcome;
}

std::string rangeHitsText(const RangeHitsRequest& request, const RangeHitsOutcome& outcome,
                          Language language, std::string_view decimalSeparator) {
    const RangeHits& hits = outcome.hits;
    std::vector<std::pair<std::string_view, double>> lines;
    for (const Category category : kCategoriesInListOrder)
        lines.emplace_back(categoryName(language, category),
                           hits.categories[static_cast<size_t>(listIndex(category))]);
    lines.emplace_back(phrase(language, Phrase::FlushDraw), hits.flushDraws);
    lines.emplace_back(phrase(language, Phrase::OpenEndedDraw), hits.openEnded);
    lines.emplace_back(phrase(language, Phrase::Gutshot), hits.gutshots);
    size_t width = 0;
    for (const auto& [name, count] : lines) width = std::max(width, columns(name));

    // The range as given may be long, and may hold anything a shell lets through.
    const std::string range = oneLine(clipped(request.text, kShownRangeColumns));
    if (hits.combos == 0)
        return "\n" + fillIn(phrase(language, Phrase::RangeHitsNone), {range}) + "\n";
    std::string text = "\n" +
                       fillIn(phrase(language, Phrase::RangeHitsHeading),
                              {range, comboCountText(hits.combos, decimalSeparator)}) +
                       "\n";
    for (const auto& [name, count] : lines) {
        const std::string number = comboCountText(count, decimalSeparator);
        const std::string percent = share(count, hits.combos, decimalSeparator);
        text += " " + std::string(name) + std::string(width - columns(name), ' ') +
                std::string(6 - std::min<size_t>(6, number.size()), ' ') + number +
                std::string(8 - std::min<size_t>(8, percent.size()), ' ') + percent + "\n";
    }
    if (outcome.narrowed)
        text += fillIn(phrase(language, Phrase::RangeNarrowed),
                       {std::to_string(outcome.narrowed->size()),
                        outcome.narrowed->empty() ? std::string("-") : outcome.narrowedText}) +
                "\n";
    return text;
}

std::string rangeHitsJson(const RangeHitsRequest& request, const RangeHitsOutcome& outcome) {
    const RangeHits& hits = outcome.hits;
    std::string text = "\"range_hits\": {\"range\": " + jsonString(request.text) +
                       ", \"combos\": " + jsonCount(hits.combos) + ", \"categories\": {";
    bool first = true;
    for (const Category category : kCategoriesInListOrder) {
        if (!first) text += ", ";
        first = false;
        text += jsonString(categoryId(category)) + ": " +
                jsonCount(hits.categories[static_cast<size_t>(listIndex(category))]);
    }
    text += "}, \"draws\": {\"flush_draw\": " + jsonCount(hits.flushDraws) +
            ", \"open_ended\": " + jsonCount(hits.openEnded) +
            ", \"gutshot\": " + jsonCount(hits.gutshots) + "}";
    if (outcome.narrowed) {
        // Strongest ranks first, as the range text lists them.
        std::vector<std::pair<Card, Card>> hands;
        for (const PocketCards cards : *outcome.narrowed) {
            Card first = cardAt(cards.high), second = cardAt(cards.low);
            if (first.rank < second.rank) std::swap(first, second);
            hands.emplace_back(first, second);
        }
        const auto order = [](const std::pair<Card, Card>& hand) {
            return std::tuple(-hand.first.rank, -hand.second.rank, suitIndex(hand.first.suit),
                              suitIndex(hand.second.suit));
        };
        std::sort(hands.begin(), hands.end(),
                  [&order](const auto& a, const auto& b) { return order(a) < order(b); });
        text +=
            ", \"narrowed\": {\"range\": " + jsonString(outcome.narrowedText) + ", \"combos\": [";
        for (size_t i = 0; i < hands.size(); ++i)
            text +=
                (i ? ", \"" : "\"") + cardCode(hands[i].first) + cardCode(hands[i].second) + "\"";
        text += "]}";
    }
    return text + "}";
}

}  // namespace korvana
