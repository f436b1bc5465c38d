#include "engine/equity/win_chance.h"

#include <algorithm>
#include <cctype>
#include <cmath>

namespace korvana {

std::variant<HandRange, RangeError> opponentRange(std::string_view text) {
    const bool blank =
        std::all_of(text.begin(), text.end(), [](unsigned char c) { return std::isspace(c) != 0; });
    if (blank) return HandRange::anyTwoCards();
    return parseHandRange(text);
}

std::variant<HandRange, RangeError> opponentRange(std::string_view text,
                                                  const RangeLibrary& library) {
    auto resolved = resolveNamedRanges(text, library);
    if (auto* error = std::get_if<RangeError>(&resolved)) return std::move(*error);
    return opponentRange(std::get<std::string>(resolved));
}

std::optional<EquitySpot> winChanceSpot(const Hand& hand, std::vector<HandRange> opponents,
                                        std::vector<Card> dead,
                                        std::shared_ptr<const HandRange> heroRange) {
    const std::optional<Card> first = hand.card(1), second = hand.card(2);
    EquitySpot spot;
    if (first && second)
        spot.hero = {*first, *second};
    else if (!first && !second && heroRange)
        spot.heroRange = std::move(heroRange);
    else
        return std::nullopt;
    for (int slot = 3; slot <= kSlotCount; ++slot)
        if (const std::optional<Card> card = hand.card(slot)) spot.board.push_back(*card);
    spot.dead = std::move(dead);
    spot.opponents = std::move(opponents);
    return spot;
}

std::vector<EquityOptions> winChancePasses(int threads) {
    // Small spots (a known board and one or two opponents) are counted whole
    // at once; the rest get a sample good to about a percent, cut short so it
    // shows at once even against nine ranged opponents.
    EquityOptions quick;
    quick.method = EquityMethod::Automatic;
    quick.threads = threads;
    quick.automaticEnumerationDeals = 2'000'000;
    quick.targetStandardError = 0.005;
    quick.timeBudget = std::chrono::milliseconds(60);
    // Then every deal where that takes a fraction of a second, else a sample
    // to about a tenth of a percent, which the time budget caps for the
    // slowest spots (nine opponents with narrow ranges).
    EquityOptions precise;
    precise.method = EquityMethod::Automatic;
    precise.threads = threads;
    precise.automaticEnumerationDeals = 200'000'000;
    precise.targetStandardError = 0.0005;
    precise.timeBudget = std::chrono::seconds(4);
    return {quick, precise};
}

EquityOptions winChanceExactPass(int threads) {
    EquityOptions exact;
    exact.method = EquityMethod::Enumerate;
    exact.threads = threads;
    exact.timeBudget = kExactCountBudget;
    return exact;
}

bool mayCountEveryDeal(const EquityResult& last) {
    return !isFinalCount(last) && last.allDeals > 0;
}

bool exactCountFits(double done, std::chrono::duration<double> elapsed,
                    std::chrono::milliseconds budget) {
    const std::chrono::duration<double> whole = budget;
    if (elapsed <= whole / 10) return true;
    return done > 0 && elapsed / done <= whole;
}

std::optional<WinChanceFigure> winChanceFigure(const EquityResult& result, size_t player,
                                               bool heroRange) {
    if (result.deals == 0 || result.weight <= 0 || player >= result.players.size())
        return std::nullopt;
    const PlayerEquity& shown = result.players[player];
    WinChanceFigure figure;
    figure.winPercent = 100.0 * shown.wins / result.weight;
    figure.tiePercent = 100.0 * shown.ties / result.weight;
    figure.equityPercent = 100.0 * shown.equity;
    figure.allBoards = result.enumerated && result.complete;
    figure.opponents = static_cast<int>(result.players.size()) - 1;
    figure.heroRange = heroRange;
    if (!figure.allBoards)
        figure.marginPercent =
            std::max(0.1, std::ceil(equityMargin(result).value_or(0.0) * 1000.0 - 1e-9) / 10.0);
    return figure;
}

std::optional<double> equityMargin(const EquityResult& result) {
    if ((result.enumerated && result.complete) || result.deals < 2) return std::nullopt;
    double standardError = result.standardError;
    if (standardError <= 0.0)
        for (const PlayerEquity& player : result.players)
            standardError =
                std::max(standardError, std::sqrt(player.equity * (1.0 - player.equity) /
                                                  static_cast<double>(result.deals)));
    return 1.96 * standardError;
}

bool isFinalCount(const EquityResult& result) {
    return result.enumerated && result.complete;
}

}  // namespace korvana
