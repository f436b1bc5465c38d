#pragma once
// What a set of deals came to, in sums that merge by plain addition, so that
// threads and pieces of the work can be added up in any order.
#include <array>
#include <bit>
#include <cstdint>

#include "engine/cards/category.h"
#include "engine/equity/equity_count.h"

namespace korvana {

inline constexpr int kMaxPlayers = kMaxOpponents + 1;

// Players by number, 0 for the hero.
class PlayerSet {
public:
    static PlayerSet only(int player) { return PlayerSet(bit(player), 1); }
    // The set and a player not in it yet.
    PlayerSet with(int player) const { return PlayerSet(bits_ | bit(player), size_ + 1); }
    int size() const { return size_; }
    friend bool operator==(PlayerSet, PlayerSet) = default;
    template <typename Visit>
    void forEach(Visit visit) const {
        for (unsigned rest = bits_; rest != 0; rest &= rest - 1) visit(std::countr_zero(rest));
    }

private:
    static std::uint16_t bit(int player) { return static_cast<std::uint16_t>(1u << player); }
    PlayerSet(std::uint16_t bits, int size) : bits_(bits), size_(size) {}
    std::uint16_t bits_ = 0;
    int size_ = 0;
};

struct EquityTally {
    // A pot in units that 1..kMaxPlayers players split without a remainder.
    static constexpr double kPot = 2520;
    // A split pot's share, by the number of players splitting it: a look-up,
    // as a division would cost more than the rest of a sampled deal's count.
    static constexpr std::array<double, kMaxPlayers + 1> kShare = [] {
        std::array<double, kMaxPlayers + 1> shares{};
        for (size_t n = 1; n < shares.size(); ++n) shares[n] = kPot / static_cast<double>(n);
        return shares;
    }();
    // The square of a split pot's share, by the number of players splitting it.
    static constexpr std::array<double, kMaxPlayers + 1> kSquaredShare = [] {
        std::array<double, kMaxPlayers + 1> squares{};
        for (size_t n = 1; n < squares.size(); ++n) squares[n] = 1.0 / static_cast<double>(n * n);
        return squares;
    }();

    // Each deal counts with its weight, the product of the weights of the
    // hands dealt from weighted ranges (1 for every deal when none is):
    // 'deals' counts them, 'weight' and the sums below add their weights.
    // Whole numbers stay exact as doubles far beyond any count's reach.
    std::uint64_t deals = 0;
    double weight = 0;
    std::array<double, kMaxPlayers> wins{}, ties{}, shares{};
    // Sums of the squared shares (in pots), for a sample's standard error:
    // of each deal, or of each batch of deals as one (see addBatch).
    std::array<double, kMaxPlayers> squaredShares{};
    std::uint64_t observations = 0;  // deals, or batches of them
    // Of the observations' weights, their squares: deals of unequal weights
    // tell less than as many of one weight (see result()).
    double squaredWeights = 0;
    std::array<double, 10> heroFinal{};  // list order

    // 'count' deals of total weight 'weighing' in which the players of
    // 'best' share the pot and the hero ends with 'heroCategory'.
    void add(PlayerSet best, Category heroCategory, std::uint64_t count, double weighing) {
        if (count == 0) return;
        deals += count;
        weight += weighing;
        observations += count;
        // Only samples, one deal at a time, need the spread of the weights.
        if (count == 1) squaredWeights += weighing * weighing;
        heroFinal[static_cast<size_t>(listIndex(heroCategory))] += weighing;
        const int sharing = best.size();
        const double share = kShare[static_cast<size_t>(sharing)] * weighing;
        const double squared = weighing * kSquaredShare[static_cast<size_t>(sharing)];
        best.forEach([&](int player) {
            const auto p = static_cast<size_t>(player);
            (sharing == 1 ? wins : ties)[p] += weighing;
            shares[p] += share;
            squaredShares[p] += squared;
        });
    }
    // 'count' deals of full weight.
    void add(PlayerSet best, Category heroCategory, std::uint64_t count) {
        add(best, heroCategory, count, static_cast<double>(count));
    }

    void add(const EquityTally& other);
    // The deals of 'batch' as one observation of their mean share: deals that
    // follow from each other (a walk) vary less from deal to deal than they
    // do over the whole sample, and batches of them show how much.
    void addBatch(const EquityTally& batch);
    // The figures of 'players' players (the hero included); standard errors
    // only mean something for a sample.
    EquityResult result(int players) const;
};

}  // namespace korvana
