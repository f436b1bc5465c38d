#pragma once
// The numbers behind the hand evaluator. Making them takes some milliseconds,
// so the build does it once, with the program make_evaluator_tables, and
// every process starts with them ready.
#include <array>
#include <cstdint>

#include "engine/evaluator/rank_count_table.h"

namespace korvana {

struct EvaluatorTables {
    // HandRank values of flushes, by the ranks held in the flush suit (bit 0 the 2).
    std::array<std::uint16_t, 1 << 13> flushRanks{};
    // Hands without a flush, by their rank counts: seven cards, and five or six.
    RankCountLayout<13, 16> sevenCards;
    RankCountLayout<12, 15> fiveOrSixCards;
};

// The tables from nothing: every hand ranked by the rules.
EvaluatorTables makeEvaluatorTables();

}  // namespace korvana
