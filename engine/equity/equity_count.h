#pragma once
// A count of equity: what it is asked (the spot and how to count it) and what
// it gives back (the result, or why there is none), apart from the count
// itself, so that the parts of the count can name them.
#include <array>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "engine/cards/card.h"
#include "engine/cards/category.h"
#include "engine/ranges/hand_range.h"

namespace korvana {

inline constexpr int kMaxOpponents = 9;

struct EquitySpot {
    std::array<Card, 2> hero;
    std::vector<Card> board;           // 0..5 cards
    std::vector<Card> dead;            // seen folded or burnt: dealt to nobody
    std::vector<HandRange> opponents;  // 1..kMaxOpponents
    // The hero's range when his cards are not known: then 'hero' is not read.
    // Shared, as spots are copied to the threads that count them.
    std::shared_ptr<const HandRange> heroRange{};
};

// The cards no hand of the spot can hold: the hero's (when known), the
// board's and the dead ones.
inline CardMask knownCards(const EquitySpot& spot) {
    return (spot.heroRange ? 0 : maskOf(spot.hero)) | maskOf(spot.board) | maskOf(spot.dead);
}

enum class EquityMethod { Automatic, Enumerate, Sample };

struct EquityOptions {
    EquityMethod method = EquityMethod::Automatic;
    int threads = 1;
    // Automatic enumerates when the deals are at most this many.
    std::uint64_t automaticEnumerationDeals = 200'000'000;
    // Enumerate refuses spots with more deals than this.
    std::uint64_t enumerationDealLimit = 20'000'000'000;
    // A sample stops at whichever comes first: this standard error (a
    // fraction of a pot; 0 for none), this many deals (0 for no limit), or the
    // time budget. The time budget stops an enumeration too.
    double targetStandardError = 0.0005;
    std::uint64_t sampleDeals = 0;
    std::chrono::milliseconds timeBudget{10'000};
    std::uint64_t seed = 1;  // the same seed and options give the same sample
    // Heads-up before the flop with no dead card, Automatic and Enumerate
    // read every deal's count from the table of match-ups at once (see
    // match_ups.h); false deals them all, as the program that writes it does.
    bool matchUpTable = true;
    // Whether to fill in heroFinal. Read from the table the rest of a count
    // takes microseconds and the hero's final hands a walk of some
    // milliseconds, which counts of many hands one by one may spare; other
    // counts fill it in anyway.
    bool countHeroFinal = true;
};

// Deals count with their weights (see EquityResult::weight): whole numbers
// when no range is weighted.
struct PlayerEquity {
    double wins = 0;      // deals won alone
    double ties = 0;      // deals where the player shares the best hand
    double equity = 0.0;  // wins plus each split pot's share, over all deals
};

struct EquityResult {
    bool enumerated = false;  // every deal counted, or a sample
    // False when cancelled or out of time before the end: an enumeration
    // then holds the deals counted so far, which are spread over the boards
    // but are not all of them.
    bool complete = false;
    // Stopped by the time budget (not by a cancel) before the end: the
    // figures hold every deal counted until then.
    bool timeLimitReached = false;
    std::uint64_t deals = 0;
    // The deals' weights added up: each deal weighs the product of the
    // weights of the hands dealt from the ranges (relative to each range's
    // heaviest hand), so that equals 'deals' when no range is weighted. The
    // wins, ties and categories are of this weight.
    double weight = 0;
    std::uint64_t allDeals = 0;  // every possible deal; 0 when not counted
    // Of a sample: the largest standard error of the players' equities
    // (a fraction of a pot). 0 when enumerated.
    double standardError = 0.0;
    std::vector<PlayerEquity> players;  // the hero, then the opponents as given
    // Deals in which the hero ends with each category, in list order (Royal Flash first).
    std::array<double, 10> heroFinal{};
};

struct EquityError {
    enum class Problem {
        OpponentCount,  // not 1..kMaxOpponents opponents
        BoardSize,      // more than five board cards
        CardTwice,      // a card given twice among hero, board and dead cards
        TooFewCards,    // not enough cards left to deal every opponent and the board
        RangeEmpty,     // a range lost every hand to the known cards (the hero's: opponent 0)
        NoDeal,         // the ranges together leave no way to deal
        TooManyDeals,   // Enumerate asked for more than enumerationDealLimit
    };
    Problem problem = Problem::NoDeal;
    int opponent = 0;         // 1-based, for RangeEmpty
    Card card{};              // for CardTwice
    std::uint64_t deals = 0;  // for TooManyDeals: at most this many deals, or 2^64 - 1 for more
    double dealsAbout = 0;    // for TooManyDeals: the same whatever its size
    // For NoDeal: the opponents (1-based) whose ranges cannot be dealt together.
    std::vector<int> opponents{};
};

// Whether the error only says the spot has no deal (a range emptied by the
// known cards, or ranges that cannot be dealt together), as a card or hand
// tried in turn may leave; the counts that try them skip such a one.
inline bool leavesNoDeal(const EquityError& error) {
    return error.problem == EquityError::Problem::RangeEmpty ||
           error.problem == EquityError::Problem::NoDeal;
}

// Lets another thread follow and stop a computation.
class EquityControl {
public:
    void cancel() { cancelled_.store(true, std::memory_order_relaxed); }
    bool cancelled() const { return cancelled_.load(std::memory_order_relaxed); }

    // Called now and then with the result so far and the share of the work
    // done (0..1), from the computing threads but never two at once.
    std::function<void(const EquityResult& soFar, double done)> onProgress;

private:
    std::atomic<bool> cancelled_{false};
};

}  // namespace korvana
