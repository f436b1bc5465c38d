#pragma once
// Every text the engine writes: the odds rows, the best hand and the exact
// chances, one phrase per entry with its text in each language (UTF-8). The
// window's own texts go through Qt's translations; these are the ones
// korvana-odds prints too, so they live here, without Qt.
#include <initializer_list>
#include <string>
#include <string_view>

#include "engine/cards/category.h"
#include "engine/text/language.h"

namespace korvana {

enum class Phrase {
    // The category names.
    HighCard,
    Pair,
    TwoPairs,
    ThreeOfAKind,
    Straight,
    Flush,
    FullHouse,
    FourOfAKind,
    StraightFlush,
    RoyalFlush,
    // The words of the odds rows and the best-hand text.
    Complete,
    Impossible,
    No,
    And,
    Odds,
    BestHand,
    // The exact chances; %1, %2 stand for the values filled in.
    OneIn,  // "1 in %1"
    ExactChanceByFlop,
    ExactChanceByTurn,
    ExactChanceByRiver,
    ListedOdds,  // %1 the list's x, %2 the formula's chance in percent
    ListedImpossible,
    ListedComplete,
    CannotCome,
    FormulaDiffers,  // %1 the factor
    NoOuts,
    EveryCardIsAnOut,
    Outs,  // %1 the number of outs
    // What a range holds on the board (korvana-odds --range-hits).
    RangeHitsHeading,  // %1 the range as given, %2 its combinations left
    RangeHitsNone,     // %1 the range as given
    FlushDraw,
    OpenEndedDraw,
    Gutshot,
    // korvana-odds: the round it switched to, the win chances, the pot odds.
    RoundSwitchedFlop,
    RoundSwitchedTurn,
    RoundSwitchedRiver,
    WinChancesAgainstOne,   // %1 the number of opponents
    WinChancesAgainstMany,  // %1 the number of opponents
    Win,
    Tie,
    Equity,
    TheOnlyBoard,
    TheOnlyDeal,
    AllBoards,       // %1 the number of boards
    AllDeals,        // %1 the number of deals
    DealsCounted,    // %1 the deals counted, %2 all deals
    OneSampledDeal,  // %1 the number of deals (1)
    TooFewSampled,   // %1 the number of deals
    SampledDeals,    // %1 the number of deals, %2 the error
    TimeLimitReached,
    PotOdds,  // %1 the call, %2 the pot, %3 the equity needed, %4 the hand's, %5 the verdict
    CallPays,
    CallDoesNotPay,
    // korvana-odds --next-card and --distribution.
    NextCardHeading,      // %1 the equity now
    DistributionHeading,  // %1 the number of hands
    // korvana-odds' usage errors.
    UsageUnknownOption,         // %1 the argument
    UsageNeedsValue,            // %1 the option
    UsageTakesNoValue,          // %1 the option
    UsageBadValue,              // %1 the option, %2 what its value must be, %3 the value given
    UsageNeedsOpponents,        // %1 the option
    UsageNeedsOpponentsOrHits,  // %1 the option
    UsageCommaReadings,         // %1 the option, %2 the value, %3 read as thousands, %4 as decimals
    UsagePotWithCall,
    UsageBatchWithCards,
    UsageNotOnABatchLine,  // %1 the option
    UsageUnknownRound,     // %1 the value given
    UsageUnknownLanguage,  // %1 the value given
    UsageIn,               // %1 the argument a piece came in
    UsageUnknownCard,      // %1 the card code, %2 UsageIn or nothing
    UsageCardTwice,        // %1 the card, %2 UsageIn or nothing
    UsageTooManySlots,     // %1 the slot, %2 UsageIn or nothing
    UsageCardsOnly,        // %1 the option, %2 what was given
    UsageSeeHelp,
    // What an option's value must be, after UsageBadValue's "needs".
    ValueOpponents,
    ValueSampleDeals,
    ValuePrecision,
    ValueSeconds,
    ValueWholeNumber,
    ValueThreads,
    ValueDealLimit,
    ValuePot,
    ValueCall,
    // What is wrong with a range; %1 stands for the faulty piece, quoted.
    QuotedPiece,  // %1 the piece as shown
    RangeHoldsNoHands,
    RangeNotAHand,
    RangeSuitedPair,
    RangeUnmatchedEnds,
    RangeSameCardTwice,
    RangePlusOnOneHand,
    RangeShareOutOfRange,
    RangeWeightOutOfRange,
    RangeWeightNotANumber,
    RangeUnclosedBracket,
    RangeTooLong,  // %1 the most characters a range has
    // korvana-odds --history: a block per hand, the totals, refused hands.
    HistoryHand,    // %1 the hand's number, %2 its line, %3 the table
    HistoryHero,    // %1 the hero's cards
    HistoryNoHero,  // no cards were dealt to the hero
    HistoryBoard,   // %1 the board
    HistoryNet,     // %1 the hero's net
    HistoryAllIn,   // %1 the street, %2 the equity, %3 the EV, %4 the net, %5 the net less the EV
    HistoryEquity,  // %1 the equity on each street
    StreetPreflop,
    StreetFlop,
    StreetTurn,
    StreetRiver,
    HistoryHandsRead,    // %1 hands read, %2 refused
    HistoryHeroNet,      // %1 the hero's net over the hands
    HistoryAdjustedNet,  // %1 the same with all-in EV in place of all-in results
    HistoryRefused,      // %1 the hand's number, %2 the line, %3 the reason
    UsageHistoryWithCards,
    UsageNeedsHistory,  // %1 the option
    UsageCannotOpen,    // %1 the file
    RangeUnknownName,
    // The library of named ranges: a bad line of its file, what the file
    // says of itself, and what each built-in range is.
    RangeLibraryLine,  // %1 the file, %2 the line number, %3 what is wrong
    RangeLibraryNoEquals,
    RangeLibraryBadName,
    RangeLibraryAbout,
    RangeOpenUtg,
    RangeOpenHj,
    RangeOpenCo,
    RangeOpenBtn,
    RangeOpenSb,
    RangeCallOpen,
    RangeBbDefend,
    RangeThreeBet,
    RangeThreeBetValue,
    RangeCallThreeBet,
    RangeFourBet,
    // korvana-odds --narrow.
    RangeNarrowed,        // %1 the combinations kept, %2 the range they read as
    UsageUnknownHitLine,  // %1 the word given
    UsageNarrowNeedsRangeHits,
};
// The last phrase: the catalogue's length and the tests' bound.
inline constexpr Phrase kLastPhrase = Phrase::UsageNarrowNeedsRangeHits;

// The phrase in the given language; a value outside Language reads as English.
std::string_view phrase(Language language, Phrase phrase);

// The name of a category as the odds list and the best-hand panel show it.
std::string_view categoryName(Language language, Category category);

// The pattern with %1 .. %9 replaced by the values in order, in one pass, so
// a value that holds "%2" itself stays as it is.
std::string fillIn(std::string_view pattern, std::initializer_list<std::string_view> values);

// The program version, e.g. "1.5.3".
std::string_view programVersion();

}  // namespace korvana
