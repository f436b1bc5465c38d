#pragma once
// Known cards per rank and how many ranks are held once, twice, three and four
// times; shared by the same-rank and two-group routines (not part of the API).
#include <array>

#include "hand_state.h"

namespace korvana::detail {

struct RankTally {
    std::array<int, 15> count{};  // count[r] for r = 2..14
    int s1 = 0, s2 = 0, s3 = 0, s4 = 0;

    explicit RankTally(const CardGrid& grid) {
        for (int rank = 2; rank <= 14; ++rank) {
            const int c = grid.rankCount(rank);
            count[static_cast<size_t>(rank)] = c;
            if (c == 1) ++s1;
            if (c == 2) ++s2;
            if (c == 3) ++s3;
            if (c == 4) ++s4;
        }
    }
    int of(int rank) const { return count[static_cast<size_t>(rank)]; }
};

// A rank text repeated `times` times, each preceded by a blank: " K K".
std::string repeatedRank(int rank, int times);

}  // namespace korvana::detail
