#include "hand_evaluator.h"

namespace korvana {
namespace {

// The tables as the program make_evaluator_tables wrote them at build time.
#include "evaluator_tables.inc"

}  // namespace

HandEvaluator::HandEvaluator() : HandEvaluator(kMadeTables) {}

HandEvaluator::HandEvaluator(const EvaluatorTables& tables)
    : sevenCards_(tables.sevenCards), fiveOrSixCards_(tables.fiveOrSixCards) {
    for (size_t mask = 0; mask < flushRanks_.size(); ++mask)
        flushRanks_[mask] = HandRank{tables.flushRanks[mask]};
}

const HandEvaluator& handEvaluator() {
    static const HandEvaluator evaluator;
    return evaluator;
}

}  // namespace korvana
