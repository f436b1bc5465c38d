#include "engine/evaluator/hand_evaluator.h"

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
    // On the heap, on pages of its own: among the program's statics the
    // tables measured a tenth slower for hands in random order. Never freed,
    // so that no thread still counting at exit reads freed memory.
    static const HandEvaluator& evaluator = *new HandEvaluator;
    return evaluator;
}

}  // namespace korvana
