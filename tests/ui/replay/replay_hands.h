#pragma once
// Hands written by hand for the replay's tests: a cash game where the hero
// calls a raise on the flop and a bet on the turn and wins at the showdown,
// and a tournament hand with antes where three go all in before the flop
// and the hero loses the main pot and the side pot to two others; then a
// hand cut off in the middle, which the window must refuse.
namespace korvana::ui::test {

inline constexpr const char* kCashHand =
    R"(PokerStars Hand #2201: Hold'em No Limit ($0.25/$0.50 USD) - 2026/03/04 21:15:00 ET
Table 'Lyra II' 6-max Seat #4 is the button
Seat 1: Marta K ($52.10 in chips)
Seat 2: Hero ($50.00 in chips)
Seat 4: fish_77 ($38.45 in chips)
Seat 5: Ольга ($61.00 in chips)
Seat 6: Dusty ($50.00 in chips)
Ольга: posts small blind $0.25
Dusty: posts big blind $0.50
*** HOLE CARDS ***
Dealt to Hero [Qs Js]
Marta K: folds
Hero: raises $1 to $1.50
fish_77: calls $1.50
Ольга: folds
Dusty: calls $1
*** FLOP *** [Jh 8s 3s]
Dusty: checks
Hero: bets $3
fish_77: raises $6 to $9
Dusty: folds
Hero: calls $6
*** TURN *** [Jh 8s 3s] [2c]
Hero: checks
fish_77: bets $12
Hero: calls $12
*** RIVER *** [Jh 8s 3s 2c] [Kd]
Hero: checks
fish_77: bets $15.95 and is all-in
Hero: calls $15.95
*** SHOW DOWN ***
fish_77: shows [Jd Tc] (a pair of Jacks)
Hero: shows [Qs Js] (a pair of Jacks)
Hero collected $76.55 from pot
*** SUMMARY ***
Total pot $78.65 | Rake $2.10
Board [Jh 8s 3s 2c Kd]
Seat 1: Marta K folded before Flop (didn't bet)
Seat 2: Hero showed [Qs Js] and won ($76.55) with a pair of Jacks
Seat 4: fish_77 (button) showed [Jd Tc] and lost with a pair of Jacks
Seat 5: Ольга (small blind) folded before Flop
Seat 6: Dusty (big blind) folded on the Flop
)";

inline constexpr const char* kTournamentHand =
    R"(PokerStars Hand #2301: Tournament #88001, $5+$0.50 USD Hold'em No Limit - Level V (100/200) - 2026/03/05 19:02:11 ET
Table '88001 3' 9-max Seat #2 is the button
Seat 1: Hero (4200 in chips)
Seat 2: river.rat (1650 in chips)
Seat 3: Жора (7300 in chips)
Seat 4: Kim Lee (3100 in chips)
Hero: posts the ante 25
river.rat: posts the ante 25
Жора: posts the ante 25
Kim Lee: posts the ante 25
Жора: posts small blind 100
Kim Lee: posts big blind 200
*** HOLE CARDS ***
Dealt to Hero [Ad Qd]
Hero: raises 400 to 600
river.rat: raises 1025 to 1625 and is all-in
Жора: folds
Kim Lee: calls 1425
Hero: raises 2550 to 4175 and is all-in
Kim Lee: calls 1450 and is all-in
Uncalled bet (1100) returned to Hero
*** FLOP *** [Qc 7h 4s]
*** TURN *** [Qc 7h 4s] [Kd]
*** RIVER *** [Qc 7h 4s Kd] [2h]
*** SHOW DOWN ***
Hero: shows [Ad Qd] (a pair of Queens)
river.rat: shows [7c 7d] (three of a kind, Sevens)
Kim Lee: shows [Ah Kh] (a pair of Kings)
Kim Lee collected 2900 from side pot
river.rat collected 5075 from main pot
*** SUMMARY ***
Total pot 7975 Main pot 5075. Side pot 2900. | Rake 0
Board [Qc 7h 4s Kd 2h]
Seat 1: Hero showed [Ad Qd] and lost with a pair of Queens
Seat 2: river.rat (button) showed [7c 7d] and won (5075) with three of a kind, Sevens
Seat 3: Жора (small blind) folded before Flop
Seat 4: Kim Lee (big blind) showed [Ah Kh] and won (2900) with a pair of Kings
)";

inline constexpr const char* kCutOffHand =
    R"(PokerStars Hand #2401: Hold'em No Limit ($0.25/$0.50 USD) - 2026/03/04 21:20:00 ET
Table 'Lyra II' 6-max Seat #5 is the button
Seat 2: Hero ($75.55 in chips)
Seat 5: Ольга ($60.75 in chips)
Hero: posts small blind $0.25
Ольга: posts big blind $0.50
*** HOLE CARDS ***
Dealt to Hero [9c 9d]
Hero: raises $1 to $1.50
)";

}  // namespace korvana::ui::test
