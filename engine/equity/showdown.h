#pragma once
// One showdown on a complete board: the hands turned over one after the
// other, and who takes the pot so far, the best hand and the players who
// share it. Counting every deal and sampling them both show down this way.
#include "engine/equity/deal_plan.h"
#include "engine/equity/equity_tally.h"

namespace korvana {

struct Showdown {
    HandRank hero;                           // the hero's hand, shown first
    HandRank best = hero;                    // the best hand shown so far
    PlayerSet sharing = PlayerSet::only(0);  // the players holding it

    // The hero's and the known opponents' hands on 'board', each ranked by
    // 'rank' (a ranking of the evaluator's, of seven cards). Inlined: it is
    // all there is to a known hands' board, counted millions of times.
    template <typename Rank>
    [[gnu::always_inline]] static Showdown ofKnownHands(const DealPlan& plan,
                                                        const PartialHand& board, Rank rank) {
        Showdown showdown{rank(board + plan.hero)};
        for (const auto& known : plan.knownOpponents)
            showdown.show(rank(board + known.cards), known.player);
        return showdown;
    }

    // The same, each hand ranked in full.
    [[gnu::always_inline]] static Showdown ofKnownHands(const DealPlan& plan,
                                                        const PartialHand& board,
                                                        const HandEvaluator& evaluator) {
        return ofKnownHands(plan, board,
                            [&](const PartialHand& seven) { return evaluator.rank(seven); });
    }

    // One more player's hand.
    void show(HandRank rank, int player) {
        if (rank > best) {
            best = rank;
            sharing = PlayerSet::only(player);
        } else if (rank == best) {
            sharing = sharing.with(player);
        }
    }
};

}  // namespace korvana
