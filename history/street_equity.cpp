#include "history/street_equity.h"

#include <algorithm>
#include <variant>

#include "engine/equity/equity.h"

namespace korvana::history {

std::optional<EquitySpot> streetSpot(const PlayedHand& hand, std::size_t street,
                                     const PreflopRangeTable& table, const GivenRanges& given) {
    if (hand.hero < 0 || street >= hand.streets.size() || !hand.heroPlayer()->cards)
        return std::nullopt;
    const StreetRecord& record = hand.streets[street];
    const auto& in = record.playersIn;
    if (std::find(in.begin(), in.end(), hand.hero) == in.end()) return std::nullopt;
    EquitySpot spot;
    spot.hero = *hand.heroPlayer()->cards;
    spot.board = record.board;
    for (std::size_t i = 0; i < hand.players.size(); ++i) {
        const int player = static_cast<int>(i);
        const SeatedPlayer& seated = hand.players[i];
        if (player == hand.hero) continue;
        const bool stillIn = std::find(in.begin(), in.end(), player) != in.end();
        if (!stillIn) {
            // Cards a folded player showed are in nobody's hand.
            if (seated.cards)
                spot.dead.insert(spot.dead.end(), seated.cards->begin(), seated.cards->end());
            continue;
        }
        if (seated.cards)
            spot.opponents.push_back(
                HandRange({PocketCards::of((*seated.cards)[0], (*seated.cards)[1])}));
        else if (i < given.size() && given[i])
            spot.opponents.push_back(*given[i]);
        else
            spot.opponents.push_back(table.range(preflopLine(hand, player)));
    }
    if (spot.opponents.empty() || spot.opponents.size() > static_cast<std::size_t>(kMaxOpponents))
        return std::nullopt;
    return spot;
}

std::vector<std::optional<double>> streetEquities(const PlayedHand& hand,
                                                  const PreflopRangeTable& table,
                                                  const EquityOptions& options,
                                                  const GivenRanges& given) {
    std::vector<std::optional<double>> equities;
    for (std::size_t street = 0; street < hand.streets.size(); ++street) {
        std::optional<double> equity;
        if (const auto spot = streetSpot(hand, street, table, given)) {
            const auto result = computeEquity(*spot, options);
            if (const auto* counts = std::get_if<EquityResult>(&result);
                counts && counts->deals > 0)
                equity = counts->players[0].equity;
        }
        equities.push_back(equity);
    }
    return equities;
}

}  // namespace korvana::history
