#include "tools/korvana_odds/report/table_report.h"

#include <algorithm>
#include <charconv>
#include <optional>
#include <sstream>

#include "engine/cards/card.h"
#include "engine/rows/exact_chance.h"
#include "engine/rows/exact_text.h"
#include "engine/rows/odds_math.h"
#include "engine/rows/row_text.h"
#include "engine/text/string_table.h"
#include "tools/korvana_odds/report/equity_detail_report.h"
#include "tools/korvana_odds/report/pot_odds_report.h"
#include "tools/korvana_odds/text/json_text.h"
#include "tools/korvana_odds/text/terminal_text.h"

namespace korvana {
namespace {

// Everything one table prints, worked out once for any layout.
struct TableFacts {
    Analysis analysis;
    std::array<std::string, 10> rows;
    std::string best;
    ExactChances exact;
    std::optional<EquityReport> equity;
    std::optional<PotOdds> potOdds;  // asked with the win chances
    std::optional<RangeHitsOutcome> rangeHits;
    std::optional<EquityDetail> equityDetail;  // --next-card, --distribution
    bool roundSwitched = false;
};

double heroEquity(const TableFacts& facts) {
    return facts.equity->result.players.front().equity;
}

// Rows are lit like the odds list: impossible red, possible yellow, complete green.
std::string_view lightName(RowState state) {
    switch (state) {
        case RowState::Complete: return "green";
        case RowState::Possible: return "yellow";
        case RowState::Impossible: break;
    }
    return "red";
}

std::string_view stateName(RowState state) {
    switch (state) {
        case RowState::Complete: return "complete";
        case RowState::Possible: return "possible";
        case RowState::Impossible: break;
    }
    return "impossible";
}

std::string_view ansiColour(RowState state) {
    switch (state) {
        case RowState::Complete: return "\x1b[32m";
        case RowState::Possible: return "\x1b[33m";
        case RowState::Impossible: break;
    }
    return "\x1b[31m";
}

// The player reads the round off the rows' odds, so a round he did not pick is named.
std::string roundLine(Language language, Round round) {
    switch (round) {
        case Round::Turn: return std::string(phrase(language, Phrase::RoundSwitchedTurn));
        case Round::River: return std::string(phrase(language, Phrase::RoundSwitchedRiver));
        case Round::Flop: break;
    }
    return std::string(phrase(language, Phrase::RoundSwitchedFlop));
}

// The x of "1:x" as the row writes it, rounded to a tenth.
std::string jsonOdds(const OddsRow& row) {
    if (!row.odds) return "null";
    char buffer[40];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, roundToTenth(*row.odds),
                                      std::chars_format::general, 15);
    return std::string(buffer, result.ptr);
}

std::string jsonOuts(const std::vector<Card>& outs) {
    std::string list = "[";
    for (size_t i = 0; i < outs.size(); ++i)
        (list += i ? ", " : "") += jsonString(cardCode(outs[i]));
    return list + "]";
}

std::string jsonSlots(const Hand& hand) {
    std::string list = "[";
    for (int slot = 1; slot <= kSlotCount; ++slot) {
        const auto card = hand.card(slot);
        (list += slot > 1 ? ", " : "") += card ? jsonString(cardCode(*card)) : "null";
    }
    return list + "]";
}

// The seven slots as one word each, "-" for an empty one: "Ah Kh - - - - -".
std::string slotsText(const Hand& hand) {
    std::string text;
    for (int slot = 1; slot <= kSlotCount; ++slot) {
        const auto card = hand.card(slot);
        (text += slot > 1 ? " " : "") += card ? cardCode(*card) : "-";
    }
    return text;
}

std::string_view trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::string json(const Hand& hand, const TableFacts& facts, const OddsOptions& options) {
    std::ostringstream text;
    text << "{\"round\": " << jsonString(roundName(facts.analysis.round)) << ", \"rows\": [";
    for (size_t i = 0; i < facts.rows.size(); ++i) {
        const OddsRow& row = facts.analysis.rows[i];
        const CategoryChance& chance = facts.exact.rows[i];
        text << (i ? ", " : "") << "{\"text\": " << jsonString(facts.rows[i])
             << ", \"light\": " << jsonString(lightName(row.state))
             << ", \"category\": " << jsonString(categoryId(row.category))
             << ", \"state\": " << jsonString(stateName(row.state))
             << ", \"odds\": " << jsonOdds(row)
             << ", \"exact\": " << jsonNumber(chance.chance.probability)
             << ", \"outs\": " << jsonOuts(chance.outs)
             << ", \"label\": " << jsonString(trimmed(facts.rows[i])) << "}";
    }
    const auto& best = facts.analysis.best;
    text << "], \"best_hand\": " << jsonString(facts.best)
         << ", \"best_category\": " << (best ? jsonString(categoryId(*best)) : std::string("null"));
    if (facts.equity) text << ", " << equityJson(*facts.equity);
    if (facts.equityDetail)
        if (const std::string detail = equityDetailJson(*facts.equityDetail); !detail.empty())
            text << ", " << detail;
    if (facts.potOdds) text << ", " << potOddsJson(*facts.potOdds, heroEquity(facts));
    if (facts.rangeHits) text << ", " << rangeHitsJson(*options.rangeHits, *facts.rangeHits);
    text << ", \"cards\": " << jsonSlots(hand) << "}\n";
    return text.str();
}

std::string rowLine(const TableFacts& facts, size_t i, bool trim, const OddsOptions& options,
                    const OddsCommandEnvironment& env) {
    std::string line;
    if (options.exact) {
        const std::string percent =
            percentText(facts.exact.rows[i].chance.probability, env.decimalSeparator);
        if (!trim) line.append(6 - std::min<size_t>(6, columns(percent)), ' ');
        line += percent + ' ';
    }
    const std::string_view row = trim ? trimmed(facts.rows[i]) : facts.rows[i];
    if (!env.colourOutput) return line += row;
    line += ansiColour(facts.analysis.rows[i].state);
    line += row;
    return line += "\x1b[0m";
}

std::string block(const TableFacts& facts, const OddsOptions& options,
                  const OddsCommandEnvironment& env) {
    std::string text;
    for (size_t i = 0; i < facts.rows.size(); ++i)
        text += rowLine(facts, i, false, options, env) + "\n";
    if (facts.roundSwitched) text += roundLine(options.language, facts.analysis.round) + "\n";
    text += facts.best + "\n";
    if (facts.equity) text += equityText(*facts.equity, options.language, env.decimalSeparator);
    if (facts.equityDetail)
        text += equityDetailText(*facts.equityDetail, options.language, env.decimalSeparator);
    if (facts.potOdds)
        text +=
            potOddsText(*facts.potOdds, heroEquity(facts), options.language, env.decimalSeparator) +
            "\n";
    if (facts.rangeHits)
        text += rangeHitsText(*options.rangeHits, *facts.rangeHits, options.language,
                              env.decimalSeparator);
    return text;
}

std::string line(const Hand& hand, const TableFacts& facts, const OddsOptions& options,
                 const OddsCommandEnvironment& env) {
    std::string text = slotsText(hand);
    for (size_t i = 0; i < facts.rows.size(); ++i)
        text += " | " + rowLine(facts, i, true, options, env);
    if (facts.roundSwitched) text += " | " + roundLine(options.language, facts.analysis.round);
    text += " | ";
    text += trimmed(facts.best);
    if (facts.equity) {
        std::istringstream equity(
            equityText(*facts.equity, options.language, env.decimalSeparator));
        for (std::string part; std::getline(equity, part);)
            if (!trimmed(part).empty()) (text += " | ") += trimmed(part);
    }
    if (facts.potOdds)
        (text += " | ") +=
            potOddsText(*facts.potOdds, heroEquity(facts), options.language, env.decimalSeparator);
    if (facts.rangeHits) {
        std::istringstream hits(rangeHitsText(*options.rangeHits, *facts.rangeHits,
                                              options.language, env.decimalSeparator));
        for (std::string part; std::getline(hits, part);)
            if (!trimmed(part).empty()) (text += " | ") += trimmed(part);
    }
    return text + "\n";
}

}  // namespace

std::variant<std::string, TableProblem> tableOutput(const Hand& hand, const OddsOptions& options,
                                                    TableLayout layout,
                                                    const OddsCommandEnvironment& env) {
    TableFacts facts;
    facts.analysis = analyse(hand, options.round, options.autoSwitch, std::nullopt);
    facts.roundSwitched = options.autoSwitch && facts.analysis.round != options.round;
    facts.rows = rowTexts(facts.analysis, options.language, env.decimalSeparator);
    facts.best = bestHandText(options.language, facts.analysis.best);
    // The same cards the rows count, completed up to the final round's card count.
    facts.exact = exactChances(facts.analysis.countedCards, targetOf(facts.analysis.round));
    if (options.equity.asked()) {
        auto outcome = runEquity(options.equity, hand, {env.threads, env.progress});
        if (auto* problem = std::get_if<std::string>(&outcome))
            return TableProblem{std::move(*problem)};
        facts.equity = std::get<EquityReport>(std::move(outcome));
        if (options.equity.nextCard || options.equity.distribution) {
            auto detail = runEquityDetail(options.equity, *facts.equity);
            if (auto* problem = std::get_if<std::string>(&detail))
                return TableProblem{std::move(*problem)};
            facts.equityDetail = std::get<EquityDetail>(std::move(detail));
        }
        if (options.equity.pot && options.equity.call)
            facts.potOdds = PotOdds{*options.equity.pot, *options.equity.call};
    }
    if (options.rangeHits) {
        auto outcome = runRangeHits(*options.rangeHits, hand, options.equity.dead);
        if (auto* problem = std::get_if<std::string>(&outcome))
            return TableProblem{std::move(*problem)};
        facts.rangeHits = std::get<RangeHitsOutcome>(std::move(outcome));
    }
    switch (layout) {
        case TableLayout::Json: return json(hand, facts, options);
        case TableLayout::Line: return line(hand, facts, options, env);
        case TableLayout::Block: break;
    }
    return block(facts, options, env);
}

}  // namespace korvana
