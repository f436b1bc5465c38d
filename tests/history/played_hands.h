#pragma once
// A hand written by hand for the tests: three players, a raise and a re-raise
// before the flop, all in on the flop with a side pot, a dollar of rake, a
// chat line quoting an action, and names with a blank and in Cyrillic.
namespace korvana::history::test {

inline constexpr const char* kSidePotHand =
    R"(PokerStars Hand #1001:  Hold'em No Limit ($0.05/$0.10 USD) - 2026/01/02 10:00:00 ET
Table 'Test' 6-max Seat #5 is the button
Seat 1: Hero ($10.00 in chips)
Seat 3: Villain One ($4.00 in chips)
Seat 5: Иван ($20.00 in chips)
Hero: posts small blind $0.05
Villain One: posts big blind $0.10
*** HOLE CARDS ***
Dealt to Hero [Ah Kh]
Иван: raises $0.20 to $0.30
Hero: raises $0.60 to $0.90
Villain One: calls $0.80
Иван said, "Hero: folds"
Иван: calls $0.60
*** FLOP *** [Kd 7c 2h]
Hero: bets $2.00
Villain One: calls $2.00
Иван: raises $7.10 to $9.10
Hero: calls $7.10 and is all-in
Villain One: calls $1.10 and is all-in
Villain One is disconnected
*** TURN *** [Kd 7c 2h] [5s]
*** RIVER *** [Kd 7c 2h 5s] [9d]
*** SHOW DOWN ***
Hero: shows [Ah Kh] (a pair of Kings)
Villain One: shows [7d 7h] (three of a kind, Sevens)
Иван: shows [Qc Qd] (a pair of Queens)
Hero collected $11.50 from side pot
Villain One collected $11.50 from main pot
*** SUMMARY ***
Total pot $24.00 Main pot $12.00. Side pot $12.00. | Rake $1.00
Board [Kd 7c 2h 5s 9d]
Seat 1: Hero (small blind) showed [Ah Kh] and won ($11.50) with a pair of Kings
Seat 3: Villain One (big blind) showed [7d 7h] and won ($11.50) with three of a kind, Sevens
Seat 5: Иван (button) showed [Qc Qd] and lost with a pair of Queens
)";

}  // namespace korvana::history::test
