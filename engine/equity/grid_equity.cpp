#include "engine/equity/grid_equity.h"

#include <variant>

#include "engine/cards/card_index.h"
#include "engine/ranges/range_grid.h"

namespace korvana {

std::vector<EquityOptions> gridEquityPasses(bool flopKnown, int threads) {
    // Every deal: on the flop they are few, before it the table of heads-up
    // match-ups has them all (the grid shows equities only).
    EquityOptions everyDeal;
    everyDeal.method = EquityMethod::Enumerate;
    everyDeal.threads = threads;
    everyDeal.countHeroFinal = flopKnown;
    return {everyDeal};
}

GridEquities countGridEquities(const std::array<Card, 2>& hero, const std::vector<Card>& board,
                               const std::vector<Card>& dead, const EquityOptions& options,
                               EquityControl* control) {
    const CardMask known = maskOf(hero) | maskOf(board) | maskOf(dead);
    GridEquities equities;
    for (int row = 0; row < kGridSide; ++row)
        for (int column = 0; column < kGridSide; ++column) {
            if (control && control->cancelled()) return equities;
            std::vector<PocketCards> left;
            for (const PocketCards cards : startingHandAt(row, column).hands())
                if ((cards.mask() & known) == 0) left.push_back(cards);
            if (left.empty()) continue;
            const EquitySpot spot{hero, board, dead, {HandRange(std::move(left))}};
            const auto result = computeEquity(spot, options, control);
            if (const auto* counted = std::get_if<EquityResult>(&result);
                counted && counted->complete && counted->deals > 0)
                equities[static_cast<size_t>(row * kGridSide + column)] =
                    counted->players.front().equity;
        }
    return equities;
}

}  // namespace korvana
