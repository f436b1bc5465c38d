// Win chances on one thread, in CPU time of the whole process (the counting
// runs on a thread of its own):
//   heads-up, known hands, every board dealt                   (target: 4 ms)
//   one hand against a random hand, every deal dealt           (target: 750 ms)
//   heads-up before the flop from the table of match-ups: against a random
//   hand, 15% and 40% (target: well under the 30 ms of the whole process)
//   one hand against 1 and 3 random hands, sampled to 0.1 points (5 ms, 20 ms)
//   a pair against 5 and 9 players on TT+, AQs+, sampled to 0.1 points (15 ms, 60 ms)
//   four players with ranges of about 10%, flop known, every deal
//   a three-way spot before the flop and a flop with three ranges, every deal,
//   on one and two threads (OnThreads: two take at most 0.55 of one's time)
//   a pair against two short ranges, flop known, every deal
//   weighted ranges against the same ranges unweighted: heads-up and four
//   players on the flop, every deal, and 5 players sampled (no slower)
// Run: build/bin/equity_bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
// The whole korvana-odds process of the first spot (target: 12 ms):
//   hyperfine -N --warmup 3 'build/bin/korvana-odds Ah Kh --vs QdQc'
#include <benchmark/benchmark.h>

#include <sstream>
#include <string>
#include <variant>
#include <vector>

#include "engine/equity/equity.h"

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
    bool matchUpTable = false;  // else heads-up before the flop is dealt, to time the dealing
};

constexpr const char* kTensUp = "TT+, AQs+";
// The same hands, weighted.
constexpr const char* kTenPercentWeighted =
    "77+:0.6, A9s+, KTs+:0.35, QTs+, JTs:0.8, AJo+:0.5, KQo:0.25";
constexpr const char* kTensUpWeighted = "TT+:0.7, AKs:0.4, AQs";

const Spot kSpots[] = {
    {"known hands, every board", "Ah Kh", "", {"QdQc"}, EquityMethod::Enumerate, 0},
    {"against a random hand, every deal", "Ah As", "", {"random"}, EquityMethod::Enumerate, 0},
    {"against a random hand, sampled to 0.1 points",
     "Ah As",
     "",
     {"random"},
     EquityMethod::Sample,
     0.001},
    {"against 3 random hands, sampled to 0.1 points",
     "Ah As",
     "",
     {"random", "random", "random"},
     EquityMethod::Sample,
     0.001},
    {"against 5 players on TT+, AQs+, sampled to 0.1 points", "9h 9d", "",
     std::vector<const char*>(5, kTensUp), EquityMethod::Sample, 0.001},
    {"against 9 players on TT+, AQs+, sampled to 0.1 points", "9h 9d", "",
     std::vector<const char*>(9, kTensUp), EquityMethod::Sample, 0.001},
    {"four players with 10% ranges, flop, every deal",
     "Ah Kd",
     "Qs Jc 2h",
     {kTenPercent, kTenPercent, kTenPercent},
     EquityMethod::Enumerate,
     0},
    {"table: against a random hand", "Ah As", "", {"random"}, EquityMethod::Enumerate, 0, true},
    {"table: against 15%", "Ah Kh", "", {"15%"}, EquityMethod::Enumerate, 0, true},
    {"table: against 40%", "Qs Jd", "", {"40%"}, EquityMethod::Enumerate, 0, true},
    {"a pair against two short ranges, flop, every deal",
     "7c 7d",
     "Ks 8h 3c",
     {"QQ+, AK", "JJ, TT, AQs"},
     EquityMethod::Enumerate,
     0},
    {"four players with weighted 10% ranges, flop, every deal",
     "Ah Kd",
     "Qs Jc 2h",
     {kTenPercentWeighted, kTenPercentWeighted, kTenPercentWeighted},
     EquityMethod::Enumerate,
     0},
    {"against a 10% range, flop, every deal",
     "Ah Kd",
     "Qs Jc 2h",
     {kTenPercent},
     EquityMethod::Enumerate,
     0},
    {"against a weighted 10% range, flop, every deal",
     "Ah Kd",
     "Qs Jc 2h",
     {kTenPercentWeighted},
     EquityMethod::Enumerate,
     0},
    {"against 5 players on weighted TT+, AQs+, sampled to 0.1 points", "9h 9d", "",
     std::vector<const char*>(5, kTensUpWeighted), EquityMethod::Sample, 0.001},
};

std::vector<Card> cardsOf(const std::string& codes) {
    std::vector<Card> cards;
    std::istringstream in(codes);
    std::string code;
    while (in >> code) cards.push_back(*parseCardCode(code));
    return cards;
}

EquitySpot spotOf(const Spot& s) {
    EquitySpot spot;
    const auto hero = cardsOf(s.hero);
    spot.hero = {hero[0], hero[1]};
    spot.board = cardsOf(s.board);
    for (const char* range : s.opponents)
        spot.opponents.push_back(std::get<HandRange>(parseHandRange(range)));
    return spot;
}

void WinChances(benchmark::State& state) {
    const Spot& s = kSpots[state.range(0)];
    const EquitySpot spot = spotOf(s);
    EquityOptions options;
    options.method = s.method;
    options.targetStandardError = s.standardError;
    options.threads = 1;
    options.matchUpTable = s.matchUpTable;
    std::uint64_t deals = 0;
    for (auto _ : state) {
        const auto result = computeEquity(spot, options);
        deals = std::get<EquityResult>(result).deals;
        benchmark::DoNotOptimize(deals);
    }
    state.counters["deals"] = static_cast<double>(deals);
    state.SetLabel(s.name);
}
// Counts over 100 ms on one and on two threads, in wall time: two threads
// should take at most 0.55 of the time of one (on an otherwise idle machine).
const Spot kLongSpots[] = {
    {"three-way before the flop, every deal",
     "Ah Kh",
     "",
     {"QQ+", "JJ"},
     EquityMethod::Enumerate,
     0},
    {"a flop and three ranges, every deal", "Ah Kd", "Qs Jc 2h",
     std::vector<const char*>(3, kTenPercent), EquityMethod::Enumerate, 0},
};

void OnThreads(benchmark::State& state) {
    const Spot& s = kLongSpots[state.range(0)];
    const EquitySpot spot = spotOf(s);
    EquityOptions options;
    options.method = s.method;
    options.threads = static_cast<int>(state.range(1));
    for (auto _ : state) benchmark::DoNotOptimize(computeEquity(spot, options));
    state.SetLabel(s.name);
}
BENCHMARK(OnThreads)
    ->ArgsProduct({{0, 1}, {1, 2}})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(3);

BENCHMARK(WinChances)
    ->DenseRange(0, std::size(kSpots) - 1)
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime();

}  // namespace

BENCHMARK_MAIN();
