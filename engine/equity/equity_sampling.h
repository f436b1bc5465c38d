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
// fewer draws away when ranges overlap.
//
// Narrow ranges that overlap (nine players on the same few hands) would
// still throw nearly every draw away. When their deals are few, they are all
// listed, and each deal is drawn from the list, independent of the last.
// Otherwise the hands walk from one deal to the next, each step two moves:
// - two players' hands redrawn together among those that fit the others'
//   (two, not one: six players holding the only twelve cards of their
//   ranges could not change a single hand);
// - then, at every step (every eighth where hardly any draw fits), a whole
//   new deal drawn as above, kept when no two hands share a card, else the
//   walk stays where it is.
// Either move is as likely to lead from one deal to another as back, so each
// keeps every deal equally likely. Moving two hands cannot reach every deal:
// ranges whose only deals differ in three hands at once (AhAd KhKd QhQd
// against AdKh KdQh QdAh) never turn one into the other. The new deal can be
// any deal, whatever the walk holds now, so from wherever it stands the walk
// reaches every deal within a round of eight steps, and, run for a while,
// draws each equally often.
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
        std::uint32_t untilFreshDeal = 1;             // steps of the walk
    };
    // One step of the walk: the two moves below.
    void walkOn(Draw& draw, Held& held, Scratch& scratch) const;
    // Redraws two ranged opponents' hands together among the hands that fit
    // the others' cards.
    void redrawTwo(Draw& draw, Held& held, Scratch& scratch) const;
    // Draws every ranged hand anew, and keeps the deal if it is one.
    void tryFreshDeal(Draw& draw, Held& held) const;

    // Ranged opponents next to each other whose hands are drawn at once,
    // from every way to give them hands that share no card.
    struct DrawGroup {
        size_t first = 0;                // the first one's place among the opponents
        size_t players = 1;              // 1 to 3, or every ranged one when all deals are listed
        std::vector<PocketCards> hands;  // 'players' hands per way, in order
        std::vector<CardMask> cards;     // of each way
    };
    static std::vector<DrawGroup> drawGroups(const DealPlan& plan, size_t ranged);

    const DealPlan& plan_;
    size_t ranged_ = 0;
    std::vector<DrawGroup> groups_;
    bool walk_ = false;
    std::uint32_t freshDealEvery_ = 1;  // steps of the walk
    bool anyDeal_ = true;
    std::vector<PocketCards> start_;  // where the walk starts from
    CardMask deckCards_ = 0;
    std::vector<std::vector<CardMask>> masks_;  // of each ranged opponent's hands
};

}  // namespace korvana
