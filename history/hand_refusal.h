#pragma once
// Why a hand of a history was not read: the problem, the hand's number and the
// line of the file where it shows, and the names and figures the reason needs.
// The words are made at the edge, in the player's language (refusalText).
#include <string>

#include "engine/cards/card.h"
#include "engine/text/language.h"
#include "history/amount.h"

namespace korvana::history {

enum class HandProblem {
    CutOff,            // the hand stops before its summary
    NotHoldem,         // another game than Hold'em
    UnreadableLine,    // a line the format has, written wrongly ("Seat 3: ...", a card, an amount)
    LineTooLong,       // longer than the reader keeps
    HandTooLong,       // more lines than any hand has
    TooManyPlayers,    // more than ten seats, or a seat twice
    CardTwice,         // the same card in two places
    CardsChanged,      // a player shows other cards than before
    UnknownPlayer,     // an action by a name that has no seat
    NotInHand,         // an action by a player sitting out or folded
    OutOfTurn,         // an action by a player whose turn it is not
    BeyondStack,       // more chips than he has left
    WrongCheck,        // a check facing a bet
    WrongAmount,       // a call or a raise that does not match the bet it faces
    AllInMismatch,     // "and is all-in" with chips left, or the reverse
    WrongReturn,       // an uncalled bet given back that was called, or of the wrong size
    BoardMismatch,     // a street's cards that contradict the board so far, or the summary's
    BettingNotOver,    // a street dealt, or the hand ended, with the betting still open
    NotEligible,       // a pot collected by a player who could not win it
    TotalPotMismatch,  // the summary's total pot against what went in
    PayoutMismatch,    // what was collected plus the rake against the total pot
};

struct HandRefusal {
    std::string hand;  // its number, or empty when even the first line is unreadable
    int line = 0;
    HandProblem problem = HandProblem::UnreadableLine;
    std::string player;  // the name concerned, if any
    Card card{};         // for CardTwice
    Amount expected = 0, found = 0;
};

// One line in the player's language, without the hand's number or line:
// "the call of 0.20 does not match the bet it faces (0.30)".
std::string refusalText(const HandRefusal& refusal, Language language);

}  // namespace korvana::history
