// One full analysis pass (ten rows, their texts and the best hand) for typical tables.
// Run: build/bin/analysis_pass_bench --benchmark_repetitions=9
// --benchmark_report_aggregates_only=true
#include <benchmark/benchmark.h>

#include <sstream>

#include "engine/rows/analysis.h"
#include "engine/rows/row_text.h"

namespace {

using korvana::Hand;
using korvana::Round;

Hand handOf(const std::string& cards) {
    Hand hand;
    std::istringstream in(cards);
    std::string code;
    for (int slot = 1; in >> code; ++slot) hand.place(slot, *korvana::parseCardCode(code));
    return hand;
}

const Hand kTables[] = {
    handOf(""),                      // no card
    handOf("Kh Ah"),                 // pocket cards
    handOf("Kh Ah 7c Th 2h"),        // after the flop
    handOf("Kh Ah 7c Th 2h Qh 7d"),  // after the river
};
const char* const kTableNames[] = {"no card", "two cards", "five cards", "seven cards"};

void AnalysisPass(benchmark::State& state) {
    const Hand& hand = kTables[state.range(0)];
    const auto round = korvana::kRounds[static_cast<size_t>(state.range(1))];
    const auto language = korvana::Language::English;
    std::optional<korvana::Category> best;
    for (auto _ : state) {
        const auto analysis = korvana::analyse(hand, round, false, best);
        best = analysis.best;
        benchmark::DoNotOptimize(korvana::rowTexts(analysis, language, "."));
        benchmark::DoNotOptimize(korvana::bestHandText(language, best));
    }
    state.SetLabel(std::string(kTableNames[state.range(0)]) + ", " +
                   std::string(korvana::roundName(round)));
}

BENCHMARK(AnalysisPass)->ArgsProduct({{0, 1, 2, 3}, {0, 1, 2}})->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
