// Counting one entry of the strength order, for the program that writes the
// table and for the test that recounts it.
#include <chrono>
#include <variant>

#include "engine/equity/strength_count.h"

#include "engine/equity/equity.h"
#include "engine/ranges/strength_order.h"

namespace korvana {

std::uint64_t countEquityPoints(const StartingHand& hand, int threads) {
    const PocketCards cards = hand.hands().front();
    EquitySpot spot;
    spot.hero = {cardAt(cards.low), cardAt(cards.high)};
    spot.opponents = {HandRange::anyTwoCards()};
    EquityOptions options;
    options.method = EquityMethod::Enumerate;
    options.threads = threads;
    // Every deal, however long a busy machine takes: a count cut short by
    // the time budget would write a wrong entry.
    options.timeBudget = std::chrono::hours(24 * 365);
    const auto result = computeEquity(spot, options);
    const auto& hero = std::get<EquityResult>(result).players.front();
    return 2 * hero.wins + hero.ties;
}

bool breaksTieBefore(const StartingHand& a, const StartingHand& b) {
    if (a.suits != b.suits) return a.suits < b.suits;
    if (a.high != b.high) return a.high > b.high;
    return a.low > b.low;
}

}  // namespace korvana
