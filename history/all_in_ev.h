#pragma once
// All-in EV: when the money went in before the river and every player still in
// showed his cards, what the hero could expect to win then. His equity in each
// pot he could win is counted over every way the board can be completed (a
// side pot among its own players, the others' cards dead); the pots pay out
// after the rake, taken from each in proportion to its size.
#include <optional>
#include <vector>

#include "history/played_hand.h"

namespace korvana::history {

struct PotEquity {
    Amount amount = 0;                 // before the rake
    double paid = 0;                   // after its share of the rake, in hundredths
    std::vector<int> players;          // who could win it
    std::optional<double> heroEquity;  // 0..1; nullopt when the hero is not in it
};

struct AllInEv {
    Street street = Street::Preflop;  // the street the money went in on
    std::vector<PotEquity> pots;
    double heroEquity = 0;  // over the pots he is in, weighted by their size
    double heroEv =
        0;  // expected net in hundredths: the equities times the pots paid, less what he put in
    Amount heroNet = 0;  // what he actually won, less what he put in
    bool exact = true;   // every board counted
};

// nullopt when the hand has no such moment, the hero was not in it, or a
// player's cards are unknown. Counts on `threads` threads.
std::optional<AllInEv> allInEv(const PlayedHand& hand, int threads = 1);

}  // namespace korvana::history
