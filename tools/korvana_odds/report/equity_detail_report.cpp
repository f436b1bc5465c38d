#include "tools/korvana_odds/report/equity_detail_report.h"

#include <algorithm>

#include "engine/cards/card_index.h"
#include "engine/text/decimal_text.h"
#include "engine/text/string_table.h"
#include "tools/korvana_odds/text/json_text.h"

namespace korvana {
namespace {

std::string percent(double fraction, std::string_view decimalSeparator) {
    return percentOf(fraction, 2, decimalSeparator);
}

// "AhKd", the higher rank first.
std::string handCode(const PocketCards& hand) {
    const Card low = cardAt(hand.low), high = cardAt(hand.high);
    return low.rank > high.rank ? cardCode(low) + cardCode(high) : cardCode(high) + cardCode(low);
}

// Four cards of a rank a line, from the ace down: "Ac 61.20%+  Ad 61.20%+  Ah -  As 60.10%".
std::string nextCardText(const NextCardTable& table, Language language,
                         std::string_view decimalSeparator) {
    std::string text = fillIn(phrase(language, Phrase::NextCardHeading),
                              {percent(table.equityNow, decimalSeparator)}) +
                       "\n";
    for (int rank = 12; rank >= 0; --rank) {
        std::string line = " ";
        for (int suit = 0; suit < 4; ++suit) {
            const int index = suit * 13 + rank;
            const auto found = std::find_if(
                table.cards.begin(), table.cards.end(),
                [&](const NextCardEquity& next) { return cardIndex(next.card) == index; });
            line += " " + cardCode(cardAt(index)) + " ";
            if (found == table.cards.end()) {
                line += "-         ";
                continue;
            }
            const std::string figure = percent(found->equity, decimalSeparator);
            line += figure + (table.isOut(*found) ? "+" : " ");
            line.append(9 - std::min<size_t>(9, figure.size()), ' ');
        }
        while (!line.empty() && line.back() == ' ') line.pop_back();
        text += line + "\n";
    }
    return text;
}

// Six hands a line: "QcQh 18.20%  KcKh 20.10%  ...".
std::string distributionText(const std::vector<HandEquity>& spread, Language language,
                             std::string_view decimalSeparator) {
    std::string text =
        fillIn(phrase(language, Phrase::DistributionHeading), {std::to_string(spread.size())}) +
        "\n";
    constexpr size_t kPerLine = 6;
    for (size_t i = 0; i < spread.size(); ++i) {
        text += "  " + handCode(spread[i].hand) + " " + percent(spread[i].equity, decimalSeparator);
        if (i % kPerLine == kPerLine - 1 || i + 1 == spread.size()) text += "\n";
    }
    return text;
}

}  // namespace

std::variant<EquityDetail, std::string> runEquityDetail(const EquityRequest& request,
                                                        const EquityReport& report) {
    EquityDetail detail;
    if (request.nextCard) {
        auto table = countNextCards(report.spot, report.options);
        if (std::holds_alternative<NextCardProblem>(table))
            return std::string("--next-card needs the flop or the turn: three or four board cards");
        if (std::holds_alternative<EquityError>(table))
            return std::string("--next-card: the spot has no deal");
        detail.nextCard = std::get<NextCardTable>(std::move(table));
    }
    if (request.distribution) {
        auto spread = countEquityDistribution(report.spot, report.options);
        if (std::holds_alternative<EquityError>(spread))
            return std::string("--distribution: no hand of opponent 1's range can be dealt");
        detail.distribution = std::get<std::vector<HandEquity>>(std::move(spread));
    }
    return detail;
}

std::string equityDetailText(const EquityDetail& detail, Language language,
                             std::string_view decimalSeparator) {
    std::string text;
    if (detail.nextCard) text += nextCardText(*detail.nextCard, language, decimalSeparator);
    if (detail.distribution)
        text += distributionText(*detail.distribution, language, decimalSeparator);
    return text;
}

std::string equityDetailJson(const EquityDetail& detail) {
    std::string json;
    if (detail.nextCard) {
        json += "\"next_card\": [";
        for (size_t i = 0; i < detail.nextCard->cards.size(); ++i) {
            const NextCardEquity& next = detail.nextCard->cards[i];
            json += (i ? ", " : "") + std::string("{\"card\": ") + jsonString(cardCode(next.card)) +
                    ", \"equity\": " + jsonNumber(next.equity) +
                    ", \"out\": " + (detail.nextCard->isOut(next) ? "true" : "false") + "}";
        }
        json += "]";
    }
    if (detail.distribution) {
        if (!json.empty()) json += ", ";
        json += "\"distribution\": [";
        for (size_t i = 0; i < detail.distribution->size(); ++i) {
            const HandEquity& entry = (*detail.distribution)[i];
            json += (i ? ", " : "") + std::string("{\"hand\": ") +
                    jsonString(handCode(entry.hand)) + ", \"equity\": " + jsonNumber(entry.equity) +
                    "}";
        }
        json += "]";
    }
    return json;
}

}  // namespace korvana
