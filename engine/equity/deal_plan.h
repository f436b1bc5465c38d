#pragma once
// A spot made ready for dealing: the known cards put together, the cards left
// to deal, and each opponent's hands without those that hold a known card.
#include <cstdint>
#include <optional>
#include <variant>
#include <vector>

#include "engine/cards/card_index.h"
#include "engine/cards/pocket_cards.h"
#include "engine/equity/equity_count.h"
#include "engine/evaluator/hand_evaluator.h"

namespace korvana {

struct DealPlan {
    // An opponent whose hand varies from deal to deal.
    struct Opponent {
        int player = 1;  // 1.. in the order given
        std::vector<PocketCards> hands;
        bool anyTwoCards = false;
    };
    // An opponent whose range is one hand: his cards are as known as the board.
    struct KnownOpponent {
        int player = 1;
        PartialHand cards;
    };

    int players = 2;
    PartialHand hero;
    PartialHand board;  // the board cards given
    CardMask boardCards = 0;
    int boardToCome = 5;
    CardMask known = 0;     // hero, board, dead cards and the known opponents' hands
    std::vector<int> deck;  // every other card, by index
    std::vector<KnownOpponent> knownOpponents;
    // Ranges first, then those who may hold any two cards, so that the last
    // of these can be counted by ranks instead of hand by hand.
    std::vector<Opponent> opponents;

    // The number of deals: ways to give the varying opponents their hands,
    // times the ways to complete the board from what is left. Nullopt when
    // counting the ranges' combinations would take longer than 'effort' steps.
    // Beyond 64 bits (nine random hands) only the double is left.
    struct DealCount {
        std::optional<std::uint64_t> whole;  // nullopt beyond 64 bits
        double about = 0;
    };
    // Also nullopt as soon as they prove more than 'most'.
    std::optional<DealCount> deals(std::uint64_t effort, double most = 1e300) const;
    // An upper bound of the deals that costs nothing to work out.
    double dealsAtMost() const;
    // The opponents whose ranges cannot be dealt together, as players: a
    // group whose ranges hold fewer cards between them than their hands
    // need. Empty when every group has cards enough (which does not yet
    // prove that a deal exists).
    std::vector<int> crowdedRanges() const;
    // The ranged opponents' hands of one deal, in the order of 'opponents';
    // empty when there is none, nullopt when the search gave up after
    // 'effort' steps.
    std::optional<std::vector<PocketCards>> someRangedDeal(std::uint64_t effort) const;
    // Every ranged deal, rangedCount() hands each, in the order of
    // 'opponents', one deal after the other; nullopt when there are more than
    // 'most' or the search gave up after 'effort' steps.
    std::optional<std::vector<PocketCards>> everyRangedDeal(size_t most,
                                                            std::uint64_t effort) const;
    // The opponents with a range narrower than any two cards come first in
    // 'opponents'; this many.
    size_t rangedCount() const;
};

std::variant<DealPlan, EquityError> planDeals(const EquitySpot& spot);

// n choose k for the small numbers of dealing (n <= 52, k <= 5); 0 for k > n.
std::uint64_t chooseCards(int n, int k);

}  // namespace korvana
