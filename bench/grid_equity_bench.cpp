// The hero's equity against every cell of the grid of starting hands, one
// opponent, on two threads as the window counts it:
//   flop known, every deal of every cell      (target: 300 ms)
//   before the flop, every deal of every cell (from the table; target: 100 ms)
// Run: build/bin/grid_equity_bench --benchmark_repetitions=5
// --benchmark_report_aggregates_only=true
#include <benchmark/benchmark.h>

#include <sstream>
#include <string>

#include "engine/equity/grid_equity.h"

namespace {

using namespace korvana;

std::vector<Card> cardsOf(const std::string& codes) {
    std::vector<Card> cards;
    std::istringstream in(codes);
    std::string code;
    while (in >> code) cards.push_back(*parseCardCode(code));
    return cards;
}

void GridEquities(benchmark::State& state) {
    const bool flop = state.range(0) != 0;
    const auto hero = cardsOf("Ah Kd");
    const auto board = flop ? cardsOf("Qs Jc 2h") : std::vector<Card>{};
    const EquityOptions options = gridEquityPasses(flop, 2).front();
    for (auto _ : state) {
        const auto equities = countGridEquities({hero[0], hero[1]}, board, {}, options);
        benchmark::DoNotOptimize(equities);
    }
    state.SetLabel(flop ? "flop known, every deal" : "preflop, every deal");
}
BENCHMARK(GridEquities)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
