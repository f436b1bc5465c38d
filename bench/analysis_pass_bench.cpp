// One full analysis pass (ten rows and the best hand) for typical tables.
// Run: build/bin/analysis_pass_bench --benchmark_repetitions=9 --benchmark_report_aggregates_only=true
#include <benchmark/benchmark.h>

#include "analysis.h"

namespace {

using korvana::CardSlots;
using korvana::Round;

const CardSlots kTables[] = {
    {},                                                // no card
    {"Kh", "Ah"},                                      // pocket cards
    {"Kh", "Ah", "7c", "Th", "2h"},                    // after the flop
    {"Kh", "Ah", "7c", "Th", "2h", "Qh", "7d"},        // after the river
};
const char* const kTableNames[] = {"no card", "two cards", "five cards", "seven cards"};

void AnalysisPass(benchmark::State& state) {
    const CardSlots& slots = kTables[state.range(0)];
    const auto round = static_cast<Round>(state.range(1));
    const korvana::PassSettings settings{false, korvana::Language::English, "."};
    int best = 0;
    for (auto _ : state) {
        auto pass = korvana::handrate(slots, round, settings, best);
        benchmark::DoNotOptimize(pass);
        benchmark::DoNotOptimize(korvana::besthand(settings.language, best));
    }
    state.SetLabel(std::string(kTableNames[state.range(0)]) + ", " +
                   std::string(korvana::roundName(round)));
}

BENCHMARK(AnalysisPass)->ArgsProduct({{0, 1, 2, 3}, {0, 1, 2}})->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
