#include "engine/rows/category_rows.h"

namespace korvana {

// High card has no draw: with any card it is complete and names the highest
// rank, with none it is impossible.
OddsRow highCardRow(const RowContext& ctx) {
    int highest = 0;
    for (int rank = 2; rank <= 14; ++rank)
        if (ctx.grid.rankCount(rank) > 0) highest = rank;
    if (highest == 0) return {Category::HighCard, RowState::Impossible, {}, std::nullopt};
    return {Category::HighCard, RowState::Complete, {highest}, std::nullopt};
}

}  // namespace korvana
