#include "ui/replay/replay_spot.h"

#include <algorithm>
#include <cstdio>

namespace korvana::ui {

using history::Amount;

namespace {

// "20%", "2.5%"; any two cards write no range at all.
std::string shareText(double percent) {
    if (percent >= 100) return "random";
    char text[32];
    std::snprintf(text, sizeof text, "%g%%", percent);
    return text;
}

}  // namespace

std::optional<ReplaySpot> replaySpot(const history::PlayedHand& hand, const TableAtStep& table,
                                     const history::PreflopRangeTable& ranges) {
    const history::SeatedPlayer* hero = hand.heroPlayer();
    if (!hero || !hero->cards) return std::nullopt;
    const auto heroIndex = static_cast<std::size_t>(hand.hero);
    if (table.seats[heroIndex].folded && !table.decision) return std::nullopt;

    std::vector<std::string> opponents;
    for (std::size_t p = 0; p < hand.players.size(); ++p) {
        if (p == heroIndex || table.seats[p].folded) continue;
        const history::SeatedPlayer& player = hand.players[p];
        if (player.cards && table.seats[p].cardsShown)
            opponents.push_back(cardCode((*player.cards)[0]) + cardCode((*player.cards)[1]));
        else
            opponents.push_back(shareText(ranges.topPercent[static_cast<std::size_t>(
                history::preflopLine(hand, static_cast<int>(p)))]));
    }
    if (opponents.empty()) return std::nullopt;

    ReplaySpot spot;
    for (Card card : *hero->cards) spot.text += cardCode(card) + ' ';
    for (std::size_t slot = 0; slot < 5; ++slot)
        spot.text += (slot < table.board.size() ? cardCode(table.board[slot]) : "-") + ' ';
    spot.text += "--opponents " + std::to_string(opponents.size());
    for (const std::string& range : opponents) spot.text += " --vs " + range;

    if (table.decision) {
        // The step is his answer to a bet: the price as it was put to him.
        const history::Decision& decision = hand.decisions[*table.decision];
        spot.pot = decision.pot;
        spot.toCall = decision.toCall;
    } else {
        Amount highest = 0;
        spot.pot = table.pot;
        for (const SeatAtStep& seat : table.seats) {
            spot.pot += seat.bet;
            highest = std::max(highest, seat.bet);
        }
        const SeatAtStep& mine = table.seats[heroIndex];
        spot.toCall = std::min(highest - mine.bet, mine.stack);
    }
    return spot;
}

}  // namespace korvana::ui
