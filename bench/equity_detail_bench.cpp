// The counts behind the win chances, on one thread, against a 15% range on
// the flop, every deal (targets: 300 ms each):
//   the hero's equity for each card that can come next
//   the hero's equity against each hand of the range
// Run: build/bin/equity_detail_bench --benchmark_repetitions=5
// --benchmark_report_aggregates_only=true
#include <benchmark/benchmark.h>

#include <variant>

#include "engine/equity/equity_distribution.h"
#include "engine/equity/next_card.h"

namespace {

using namespace korvana;

EquitySpot flopAgainstFifteenPercent() {
    EquitySpot spot;
    spot.hero = {*parseCardCode("Ah"), *parseCardCode("Kh")};
    spot.board = {*parseCardCode("Qd"), *parseCardCode("7c"), *parseCardCode("2s")};
    spot.opponents = {std::get<HandRange>(parseHandRange("15%"))};
    return spot;
}

EquityOptions everyDeal() {
    EquityOptions options;
    options.method = EquityMethod::Enumerate;
    return options;
}

void NextCardTable(benchmark::State& state) {
    const EquitySpot spot = flopAgainstFifteenPercent();
    for (auto _ : state) benchmark::DoNotOptimize(countNextCards(spot, everyDeal()));
}
BENCHMARK(NextCardTable)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();

void EquityDistribution(benchmark::State& state) {
    const EquitySpot spot = flopAgainstFifteenPercent();
    for (auto _ : state) benchmark::DoNotOptimize(countEquityDistribution(spot, everyDeal()));
}
BENCHMARK(EquityDistribution)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();

}  // namespace

BENCHMARK_MAIN();
