#include "engine/equity/equity_tally.h"

#include <algorithm>
#include <cmath>

namespace korvana {

void EquityTally::add(const EquityTally& other) {
    deals += other.deals;
    weight += other.weight;
    squaredWeights += other.squaredWeights;
    observations += other.observations;
    for (size_t p = 0; p < wins.size(); ++p) {
        wins[p] += other.wins[p];
        ties[p] += other.ties[p];
        shares[p] += other.shares[p];
        squaredShares[p] += other.squaredShares[p];
    }
    for (size_t c = 0; c < heroFinal.size(); ++c) heroFinal[c] += other.heroFinal[c];
}

void EquityTally::addBatch(const EquityTally& batch) {
    if (batch.deals == 0) return;
    EquityTally one = batch;
    one.observations = 1;
    one.squaredWeights = batch.weight * batch.weight;
    const double n = batch.weight;
    for (size_t p = 0; p < shares.size(); ++p) {
        const double mean = batch.shares[p] / kPot / n;
        // Weighted by its deals, as 'deals' deals of the mean share each.
        one.squaredShares[p] = mean * mean * n;
    }
    add(one);
}

EquityResult EquityTally::result(int players) const {
    EquityResult result;
    result.deals = deals;
    result.weight = weight;
    result.heroFinal = heroFinal;
    const double n = weight;
    // As many observations of equal weight would tell as much as these:
    // their number when the weights are equal, fewer when they are not.
    const double observed =
        squaredWeights > 0 ? weight * weight / squaredWeights : static_cast<double>(observations);
    for (size_t p = 0; p < static_cast<size_t>(players); ++p) {
        PlayerEquity player{wins[p], ties[p], 0.0};
        if (deals > 0 && weight > 0) {
            player.equity = shares[p] / kPot / n;
            const double variance =
                std::max(0.0, squaredShares[p] / n - player.equity * player.equity);
            result.standardError =
                std::max(result.standardError, std::sqrt(variance / std::max(observed, 1.0)));
        }
        result.players.push_back(player);
    }
    return result;
}

}  // namespace korvana
