#pragma once
// Known cards per rank and how many ranks are held once, twice, three and four
// times; shared by the same-rank and two-group routines (not part of the API).
#include <array>

#include "engine/cards/hand.h"

namespace korvana::detail {

struct RankTally {
    std::array<int, 15> count{};  // count[r] for r = 2..14
    int singles = 0, pairs = 0, trips = 0, quads = 0;

    explicit RankTally(const CardGrid& grid) {
        for (int rank = 2; rank <= 14; ++rank) {
            const int c = grid.rankCount(rank);
            count[static_cast<size_t>(rank)] = c;
            if (c == 1) ++singles;
            if (c == 2) ++pairs;
            if (c == 3) ++trips;
            if (c == 4) ++quads;
        }
    }
    int of(int rank) const { return count[static_cast<size_t>(rank)]; }
};

}  // namespace korvana::detail
