#include "history/pots.h"

#include <algorithm>

namespace korvana::history {

std::vector<Pot> splitPots(const std::vector<SeatedPlayer>& players) {
    std::vector<Amount> levels;
    for (const SeatedPlayer& player : players)
        if (!player.folded && player.dealtIn && player.put > 0) levels.push_back(player.put);
    std::sort(levels.begin(), levels.end());
    levels.erase(std::unique(levels.begin(), levels.end()), levels.end());
    std::vector<Pot> pots;
    Amount below = 0;
    for (const Amount level : levels) {
        Pot pot;
        for (std::size_t i = 0; i < players.size(); ++i) {
            const SeatedPlayer& player = players[i];
            pot.amount += std::clamp(player.put - below, Amount{0}, level - below);
            if (!player.folded && player.dealtIn && player.put >= level)
                pot.players.push_back(static_cast<int>(i));
        }
        pots.push_back(std::move(pot));
        below = level;
    }
    // Folded chips above every level still in (a dead blind, say) go to the last pot.
    Amount above = 0;
    for (const SeatedPlayer& player : players) above += std::max(Amount{0}, player.put - below);
    if (above > 0) {
        if (pots.empty()) pots.push_back({});
        pots.back().amount += above;
    }
    return pots;
}

}  // namespace korvana::history
