#include "card.h"
#include "categories.h"

namespace korvana {

std::string highcard(const RowContext& ctx) {
    int highest = 0;
    for (int rank = 2; rank <= 14; ++rank)
        if (ctx.grid.rankCount(rank) > 0) highest = rank;
    std::string row = " ";
    if (highest == 0) {
        // No card: a red row, nothing to name.
        row += text(ctx.language, entry::No);
        row += ' ';
        row += text(ctx.language, entry::HighCard);
        row += ' ';
        return row;
    }
    row += rankText(highest);
    row += ' ';
    row += text(ctx.language, entry::HighCard);
    row += "   ";
    ctx.raiseBest(1);
    return row;
}

}  // namespace korvana
