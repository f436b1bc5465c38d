#pragma once
// Deals drawn at random, in numbered blocks. A block's deals depend on nothing
// but the seed and its number, so a sample is the same however threads share
// out the blocks.
#include <array>
#include <atomic>
#include <cstdint>
#include <vector>

#include "engine/equity/deal_plan.h"
#include "engine/equity/equity_tally.h"

namespace korvana {

inline constexpr std::uint64_t kDealsPerBlock = 4096;

// Draws the deals of one plan; made once and shared by the threads.
//
// Opponents on ranges get their hands drawn together, drawn again when two
// share a card, as long as that mostly works. Up to three at a time are drawn
// from every way to give them hands that share no card, which throws far
// fewer draws away when ranges overlap. Narrow ranges that overlap
// (nine players on the same few hands) would still throw nearly every draw away:
// their hands then walk from one deal to the next, two players' hands
// redrawn together among those that fit the others' (two, not one: six
// players holding the only twelve cards of their ranges could not change
// a single hand). Each step leaves every deal of the ranges equally likely,
// so the walk, started from one deal and run for a while, draws them all
// equally often. Of weighted ranges, each deal drawn counts with its weight:
// throwing deals away in proportion would cost a draw and a walk's step each.
class DealSampler {
public:
    explicit DealSampler(const DealPlan& plan);

    // False when the search found that the ranges have no deal at all.
    bool anyDeal() const { return anyDeal_; }

    // 'deals' deals (at most kDealsPerBlock). Stops early, with what it has,
    // once 'stop' is set.
    EquityTally block(std::uint64_t seed, std::uint64_t block, std::uint64_t deals,
                      const std::atomic<bool>& stop) const;

private:
    class Draw;
    struct Scratch {
        std::vector<std::uint16_t> first, second;  // room for every hand of a range
    };
    // The opponents' hands of a deal, the ranged ones first.
    struct Held {
        std::array<PocketCards, kMaxOpponents> hands{};
        std::array<CardMask, kMaxOpponents> masks{};  // of the ranged hands
        CardMask used = 0;                            // every ranged hand's cards
    };
    // Redraws two ranged opponents' hands together among the hands that fit
    // the others' cards.
    void redrawTwo(Draw& draw, Held& held, Scratch& scratch) const;

    // Ranged opponents next to each other whose hands are drawn at once,
    // from every way to give them hands that share no card.
    struct DrawGroup {
        size_t first = 0;                // the first one's place among the opponents
        size_t players = 1;              // 1 to 3
        std::vector<PocketCards> hands;  // 'players' hands per way, in order
        std::vector<CardMask> cards;     // of each way
    };
    static std::vector<DrawGroup> drawGroups(const DealPlan& plan, size_t ranged);

    const DealPlan& plan_;
    size_t ranged_ = 0;
    std::vector<DrawGroup> groups_;
    bool walk_ = false;
    bool anyDeal_ = true;
    std::vector<PocketCards> start_;  // where the walk starts from
    CardMask deckCards_ = 0;
    std::vector<std::vector<CardMask>> masks_;  // of each ranged opponent's hands
    // Of each ranged opponent's hands by number, when some range is weighted.
    std::vector<std::vector<double>> weightOf_;
    // The weight of a deal of these hands: 1 when no range is weighted.
    double weightOf(const std::array<PocketCards, kMaxOpponents>& held) const;
};

}  // namespace korvana
