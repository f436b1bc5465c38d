#include "history/all_in_ev.h"

#include <algorithm>
#include <variant>

#include "engine/equity/equity.h"

namespace korvana::history {
namespace {

HandRange knownHand(const std::array<Card, 2>& cards) {
    return HandRange({PocketCards::of(cards[0], cards[1])});
}

}  // namespace

std::optional<AllInEv> allInEv(const PlayedHand& hand, int threads) {
    if (!hand.allIn || hand.hero < 0) return std::nullopt;
    const AllInMoment& moment = *hand.allIn;
    if (std::find(moment.players.begin(), moment.players.end(), hand.hero) == moment.players.end())
        return std::nullopt;
    for (const int player : moment.players)
        if (!hand.players[static_cast<std::size_t>(player)].cards) return std::nullopt;
    const SeatedPlayer& hero = *hand.heroPlayer();

    AllInEv ev;
    ev.street = moment.street;
    ev.heroNet = hero.net();
    const double keep = hand.totalPot > 0 ? 1.0 - static_cast<double>(hand.rake) /
                                                      static_cast<double>(hand.totalPot)
                                          : 1.0;
    EquityOptions options;
    options.method = EquityMethod::Enumerate;
    options.threads = std::max(1, threads);
    options.countHeroFinal = false;  // only the equity is wanted
    options.timeBudget = std::chrono::hours(1);  // no limit: the count is small
    double inPots = 0, weighted = 0;
    for (const Pot& pot : hand.pots) {
        PotEquity counted;
        counted.amount = pot.amount;
        counted.paid = static_cast<double>(pot.amount) * keep;
        counted.players = pot.players;
        if (std::find(pot.players.begin(), pot.players.end(), hand.hero) != pot.players.end()) {
            EquitySpot spot;
            spot.hero = *hero.cards;
            spot.board = moment.board;
            for (const int player : moment.players) {
                if (player == hand.hero) continue;
                const auto& cards = *hand.players[static_cast<std::size_t>(player)].cards;
                if (std::find(pot.players.begin(), pot.players.end(), player) != pot.players.end())
                    spot.opponents.push_back(knownHand(cards));
                else
                    spot.dead.insert(spot.dead.end(), cards.begin(), cards.end());
            }
            double equity = 1.0;  // alone in the pot
            if (!spot.opponents.empty()) {
                const auto result = computeEquity(spot, options);
                const auto* counts = std::get_if<EquityResult>(&result);
                if (!counts || counts->players.empty()) return std::nullopt;
                equity = counts->players[0].equity;
                ev.exact = ev.exact && counts->enumerated && counts->complete;
            }
            counted.heroEquity = equity;
            ev.heroEv += equity * counted.paid;
            inPots += static_cast<double>(pot.amount);
            weighted += equity * static_cast<double>(pot.amount);
        }
        ev.pots.push_back(std::move(counted));
    }
    ev.heroEquity = inPots > 0 ? weighted / inPots : 0;
    ev.heroEv -= static_cast<double>(hero.put);
    return ev;
}

}  // namespace korvana::history
