#include "tools/korvana_odds/range_hits_report.h"

#include <algorithm>
#include <charconv>

#include "engine/text/decimal_text.h"
#include "engine/text/string_table.h"
#include "tools/korvana_odds/equity_report.h"
#include "tools/korvana_odds/json_text.h"
#include "tools/korvana_odds/terminal_text.h"

namespace korvana {
namespace {

// As wide as an opponent's range in the win chances.
constexpr size_t kShownRangeColumns = 40;

// "12.5%" with the language's decimal separator; "0.0%" for an empty range.
std::string share(int count, int of, std::string_view decimalSeparator) {
    return decimalText(of > 0 ? 100.0 * count / of : 0.0, 1, decimalSeparator) + "%";
}

}  // namespace

std::variant<RangeHitsRequest, std::string> readRangeHits(const std::string& value,
                                                          Language language) {
    auto range = parseHandRange(value);
    if (const auto* error = std::get_if<RangeError>(&range))
        return rangeProblem("--range-hits", *error, value, language);
    return RangeHitsRequest{value, std::get<HandRange>(std::move(range))};
}

std::variant<RangeHits, std::string> runRangeHits(const RangeHitsRequest& request, const Hand& hand,
                                                  const std::vector<Card>& dead) {
    std::vector<Card> board;
    for (int slot = 3; slot <= kSlotCount; ++slot)
        if (const auto card = hand.card(slot)) board.push_back(*card);
    CardMask known = 0;
    for (int slot = 1; slot <= 2; ++slot)
        if (const auto card = hand.card(slot)) known |= cardBit(*card);
    for (const Card card : dead) known |= cardBit(card);
    const auto hits = countRangeHits(request.range, board, known);
    if (!hits) return std::string("--range-hits needs the flop: at least three board cards");
    return *hits;
}

std::string rangeHitsText(const RangeHitsRequest& request, const RangeHits& hits, Language language,
                          std::string_view decimalSeparator) {
    std::vector<std::pair<std::string_view, int>> lines;
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
    std::string text =
        "\n" +
        fillIn(phrase(language, Phrase::RangeHitsHeading), {range, std::to_string(hits.combos)}) +
        "\n";
    for (const auto& [name, count] : lines) {
        const std::string number = std::to_string(count);
        const std::string percent = share(count, hits.combos, decimalSeparator);
        text += " " + std::string(name) + std::string(width - columns(name), ' ') +
                std::string(6 - std::min<size_t>(6, number.size()), ' ') + number +
                std::string(8 - std::min<size_t>(8, percent.size()), ' ') + percent + "\n";
    }
    return text;
}

std::string rangeHitsJson(const RangeHitsRequest& request, const RangeHits& hits) {
    std::string text = "\"range_hits\": {\"range\": " + jsonString(request.text) +
                       ", \"combos\": " + std::to_string(hits.combos) + ", \"categories\": {";
    bool first = true;
    for (const Category category : kCategoriesInListOrder) {
        if (!first) text += ", ";
        first = false;
        text += jsonString(categoryId(category)) + ": " +
                std::to_string(hits.categories[static_cast<size_t>(listIndex(category))]);
    }
    text += "}, \"draws\": {\"flush_draw\": " + std::to_string(hits.flushDraws) +
            ", \"open_ended\": " + std::to_string(hits.openEnded) +
            ", \"gutshot\": " + std::to_string(hits.gutshots) + "}}";
    return text;
}

}  // namespace korvana
