// Win chances of the spots with a time target, on every core:
//   heads-up, known hands, empty board, every board          (target: 20 ms, whole process)
//   one hand against a random hand, empty board, every deal  (target: 2 s)
//   the same sampled to a standard error of 0.1 points       (target: 100 ms)
//   four players with ranges of about 10%, flop known, every deal (target: 1 s)
// Run: build/bin/equity_bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
// The whole korvana-odds process of the first spot:
//   hyperfine -N --warmup 3 'build/bin/korvana-odds Ah Kh --vs QdQc'
#include <benchmark/benchmark.h>

#include <sstream>
#include <string>
#include <thread>
#include <variant>
#include <vector>

#include "engine/equity.h"

namespace {

using namespace korvana;

// About 10% of all hands: 77+, A9s+, KTs+, QTs+, JTs, AJo+, KQo (140 of 1326).
constexpr const char* kTenPercent = "77+, A9s+, KTs+, QTs+, JTs, AJo+, KQo";

struct Spot {
    const char* name;
    const char* hero;
    const char* board;
    std::vector<const char*> opponents;
    EquityMethod method;
    double standardError;
};

const Spot kSpots[] = {
    {"known hands, every board", "Ah Kh", "", {"QdQc"}, EquityMethod::Enumerate, 0},
    {"against a random hand, every deal", "Ah Kd", "", {"random"}, EquityMethod::Enumerate, 0},
    {"against a random hand, sampled to 0.1 points",
     "Ah Kd",
     "",
     {"random"},
     EquityMethod::Sample,
     0.001},
    {"four players with 10% ranges, flop, every deal",
     "Ah Kd",
     "Qs Jc 2h",
     {kTenPercent, kTenPercent, kTenPercent},
     EquityMethod::Enumerate,
     0},
};

std::vector<Card> cardsOf(const std::string& codes) {
    std::vector<Card> cards;
    std::istringstream in(codes);
    std::string code;
    while (in >> code) cards.push_back(*parseCardCode(code));
    return cards;
}

void WinChances(benchmark::State& state) {
    const Spot& s = kSpots[state.range(0)];
    EquitySpot spot;
    const auto hero = cardsOf(s.hero);
    spot.hero = {hero[0], hero[1]};
    spot.board = cardsOf(s.board);
    for (const char* range : s.opponents)
        spot.opponents.push_back(std::get<HandRange>(parseHandRange(range)));
    EquityOptions options;
    options.method = s.method;
    options.targetStandardError = s.standardError;
    options.threads = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
    std::uint64_t deals = 0;
    for (auto _ : state) {
        const auto result = computeEquity(spot, options);
        deals = std::get<EquityResult>(result).deals;
        benchmark::DoNotOptimize(deals);
    }
    state.counters["deals"] = static_cast<double>(deals);
    state.SetLabel(s.name);
}
BENCHMARK(WinChances)
    ->DenseRange(0, std::size(kSpots) - 1)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
