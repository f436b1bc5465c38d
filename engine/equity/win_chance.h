#pragma once
// The win chance shown beside the table: the hero's pocket cards (slots 1-2)
// against a number of opponents, each holding a hand from his own range, over the
// board cards placed so far; how it is counted, a quick figure first and a
// better one after; and the figure the player reads.
#include <chrono>
#include <memory>
#include <optional>
#include <string_view>
#include <variant>
#include <vector>

#include "engine/cards/hand.h"
#include "engine/equity/equity.h"
#include "engine/ranges/hand_range.h"
#include "engine/ranges/range_library.h"

namespace korvana {

// The range as the player types it: blank text means any two cards.
std::variant<HandRange, RangeError> opponentRange(std::string_view text);
// The same with each "@name" piece read from the library.
std::variant<HandRange, RangeError> opponentRange(std::string_view text,
                                                  const RangeLibrary& library);

// The spot of the cards on the table, or nullopt while a pocket card is
// missing. The board is every board card placed, whatever slots are empty.
// opponents: their ranges; dead: cards seen folded. The window and the
// command line build their spots here alike. With both pocket slots empty
// and a range for the hero, the hero holds it.
std::optional<EquitySpot> winChanceSpot(const Hand& hand, std::vector<HandRange> opponents,
                                        std::vector<Card> dead = {},
                                        std::shared_ptr<const HandRange> heroRange = nullptr);

// The counts that make one figure, each better than the one before: a quick
// one that is on show well within the time a player notices, then one precise
// to about a tenth of a percent. A count that went over every deal is final
// whichever pass it was.
std::vector<EquityOptions> winChancePasses(int threads);

// Counting every deal after a sample (heads-up before the flop, say) is
// worth it when it ends within this much work; else the sample stays final.
inline constexpr std::chrono::milliseconds kExactCountBudget{3000};

// The count of every deal that may follow the passes: cut off at the budget.
EquityOptions winChanceExactPass(int threads);

// Whether to count every deal after this count: a sample of a spot whose
// deals are known in number.
bool mayCountEveryDeal(const EquityResult& last);

// Whether a count of every deal that has done `done` (0..1) of its work in
// `elapsed` is on course to end within the budget. Its pace says little in
// the first tenth of the budget, so any pace fits until then.
bool exactCountFits(double done, std::chrono::duration<double> elapsed,
                    std::chrono::milliseconds budget = kExactCountBudget);

// What the player reads of a count.
struct WinChanceFigure {
    double equityPercent = 0;  // the hero's share of the pot: wins plus shares of split pots
    double winPercent = 0;     // the hero alone has the best hand
    double tiePercent = 0;     // the hero shares the best hand
    // Of a sample: equityMargin in percent, rounded up to a tenth (never
    // below 0.1). 0 when every board was counted.
    double marginPercent = 0;
    bool allBoards = false;  // every deal counted
    int opponents = 0;
    bool heroRange = false;  // counted for the hero's range, not two cards
};

// nullopt when the count holds no deal yet. player: 0 for the hero, n for
// opponent n (whose figure is his own share of the pot). heroRange: the
// count was of the hero's range.
std::optional<WinChanceFigure> winChanceFigure(const EquityResult& result, size_t player = 0,
                                               bool heroRange = false);

// What "±" means wherever Korvana writes it, in the window and in korvana-odds:
// half the width of the 95% interval of the players' equities (1.96 standard
// errors), a fraction of a pot. nullopt when every deal was counted, or fewer
// than two were. The count's own error is used when it has one (it allows for
// deals walked one from the next); the deals of an enumeration cut short
// stand for a sample of the boards.
std::optional<double> equityMargin(const EquityResult& result);

// Whether a count needs no better one after it.
bool isFinalCount(const EquityResult& result);

}  // namespace korvana
