#pragma once
// One hand as it was played, read from a hand history and worked out: who sat
// where with what, every action in order, the board, the pots and who could
// win each, what everyone put in, got back and won, and the prices the hero
// was offered. Every amount is in hundredths of the file's unit (see amount.h).
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "engine/cards/card.h"
#include "history/amount.h"

namespace korvana::history {

enum class Street { Preflop, Flop, Turn, River };
enum class BettingLimit { NoLimit, PotLimit, FixedLimit };

// "preflop", "flop", "turn", "river".
const char* streetId(Street street);

struct SeatedPlayer {
    int seat = 0;  // 1..10
    std::string name;
    Amount stack = 0;  // at the start of the hand
    // False for a player sitting out of a cash game: no cards, no actions.
    bool dealtIn = true;
    std::optional<std::array<Card, 2>> cards;  // the hero's, and any shown or mucked face up
    Amount put = 0;                            // everything that went in, less what came back
    Amount returned = 0;                       // uncalled bets given back
    Amount collected = 0;                      // won from the pots
    bool folded = false;
    bool allIn = false;  // put his whole stack in

    Amount net() const { return collected - put; }
};

enum class ActionKind {
    Ante,
    SmallBlind,
    BigBlind,
    DeadBlinds,  // small and big blind posted together; the small blind's part is dead
    Straddle,
    Fold,
    Check,
    Call,
    Bet,
    Raise,
    Returned,  // an uncalled bet given back
};

// "ante", "small_blind", ..., "raise", "returned".
const char* actionId(ActionKind kind);
// A voluntary action: one that is taken in turn (fold, check, call, bet, raise).
bool isVoluntary(ActionKind kind);

struct HandAction {
    Street street = Street::Preflop;
    int player = 0;  // index into PlayedHand::players
    ActionKind kind = ActionKind::Fold;
    Amount amount = 0;    // the chips this action put in (or, for Returned, gave back)
    Amount raisedTo = 0;  // for a raise: the player's whole bet on the street after it
    bool allIn = false;
    int line = 0;  // the line of the file
};

struct StreetRecord {
    Street street = Street::Preflop;
    std::vector<Card> board;  // the board once this street is dealt
    // Every chip in the middle when the street is dealt (preflop: after the
    // antes and blinds).
    Amount pot = 0;
    std::vector<int> playersIn;   // not folded when the street is dealt, by seat order
    std::size_t firstAction = 0;  // index of its first action in PlayedHand::actions
};

struct Pot {
    Amount amount = 0;         // before the rake
    std::vector<int> players;  // who could win it: still in, and in for its whole level
    friend bool operator==(const Pot&, const Pot&) = default;
};

// A decision of the hero facing a bet.
struct Decision {
    Street street = Street::Preflop;
    Amount toCall = 0;       // what calling costs (at most what he has left)
    Amount pot = 0;          // every chip in the middle at that moment, bets in front included
    std::size_t action = 0;  // index of what he did in PlayedHand::actions

    // The share of the pot a call needs to break even: toCall / (pot + toCall).
    double needs() const { return static_cast<double>(toCall) / static_cast<double>(pot + toCall); }
};

// The moment the money went in for good before the river: the betting is over
// on this street, at least two players are in and all but at most one are all in.
struct AllInMoment {
    Street street = Street::Preflop;
    std::vector<Card> board;   // as it was then
    std::vector<int> players;  // still in
};

struct PlayedHand {
    std::string number;                     // the hand's number as the file writes it
    int line = 0;                           // the line of its first line in the file
    std::optional<std::string> tournament;  // the tournament's number
    std::string table;
    BettingLimit limit = BettingLimit::NoLimit;
    std::string currency;   // "$", "€", "£", or empty for chips
    bool decimals = false;  // amounts are written with cents
    Amount smallBlind = 0, bigBlind = 0;
    int buttonSeat = 0;

    std::vector<SeatedPlayer> players;  // in seat order
    int hero = -1;                      // index into players; -1 when no cards were dealt to anyone
    std::vector<HandAction> actions;
    std::vector<StreetRecord> streets;  // preflop first, each street dealt
    std::vector<Card> board;            // the whole board (the first one when run twice)
    std::vector<Card> secondBoard;      // the second board when the hand was run twice
    std::vector<Pot> pots;              // the main pot first, then the side pots
    Amount totalPot = 0;
    Amount rake = 0;  // everything the room took
    std::vector<Decision> decisions;
    std::optional<AllInMoment> allIn;

    const SeatedPlayer* heroPlayer() const {
        return hero >= 0 ? &players[static_cast<std::size_t>(hero)] : nullptr;
    }
    Amount heroNet() const { return hero >= 0 ? heroPlayer()->net() : 0; }
};

}  // namespace korvana::history
