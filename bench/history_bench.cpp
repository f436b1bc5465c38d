// Hand histories on one core:
//   reading and checking hands, as hands a second       (target: at least 50 000)
//   all-in EV of two known hands before the flop         (target: a few ms)
//   all-in EV three ways before the flop with a side pot (target: under 50 ms)
// The hands read are random legal ones of 2 to 9 players, written as a room writes them.
// Run: build/bin/history_bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
#include <benchmark/benchmark.h>

#include <sstream>
#include <string>

#include "history/all_in_ev.h"
#include "history/history_reader.h"
#include "tests/history/hand_generator.h"

namespace {

using namespace korvana::history;

void readingHands(benchmark::State& state) {
    std::mt19937_64 random(1);
    std::string file;
    constexpr int kHands = 10'000;
    for (int number = 1; number <= kHands; ++number)
        file += test::generateHand(random, number).text;
    for (auto _ : state) {
        std::istringstream input(file);
        HistoryReader reader(input);
        int read = 0;
        while (auto hand = reader.next()) read += std::holds_alternative<PlayedHand>(*hand);
        if (read != kHands) state.SkipWithError("a hand was refused");
    }
    state.SetItemsProcessed(state.iterations() * kHands);
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(file.size()));
}
BENCHMARK(readingHands)->Unit(benchmark::kMillisecond);

PlayedHand handOf(const std::string& text) {
    std::istringstream input(text);
    HistoryReader reader(input);
    return std::get<PlayedHand>(*reader.next());
}

const char* const kHeadsUp =
    R"(PokerStars Hand #1: Hold'em No Limit ($1/$2 USD) - 2026/01/02 10:00:00 ET
Table 'Bench' 6-max Seat #1 is the button
Seat 1: Hero ($200 in chips)
Seat 2: Other ($200 in chips)
Hero: posts small blind $1
Other: posts big blind $2
*** HOLE CARDS ***
Dealt to Hero [Ah Kh]
Hero: raises $198 to $200 and is all-in
Other: calls $198 and is all-in
Hero: shows [Ah Kh]
Other: shows [Qd Qc]
*** FLOP *** [2c 7d 9s]
*** TURN *** [2c 7d 9s] [Js]
*** RIVER *** [2c 7d 9s Js] [3h]
*** SHOW DOWN ***
Other collected $400 from pot
*** SUMMARY ***
Total pot $400 | Rake $0
)";

const char* const kThreeWays =
    R"(PokerStars Hand #2: Hold'em No Limit ($1/$2 USD) - 2026/01/02 10:00:00 ET
Table 'Bench' 6-max Seat #1 is the button
Seat 1: Hero ($200 in chips)
Seat 2: Short ($50 in chips)
Seat 3: Other ($300 in chips)
Short: posts small blind $1
Other: posts big blind $2
*** HOLE CARDS ***
Dealt to Hero [Ah Kh]
Hero: raises $198 to $200 and is all-in
Short: calls $49 and is all-in
Other: calls $198
*** FLOP *** [2c 7d 9s]
*** TURN *** [2c 7d 9s] [Js]
*** RIVER *** [2c 7d 9s Js] [3h]
*** SHOW DOWN ***
Hero: shows [Ah Kh]
Short: shows [5s 5d]
Other: shows [Qd Qc]
Other collected $300 from side pot
Other collected $150 from main pot
*** SUMMARY ***
Total pot $450 Main pot $150. Side pot $300. | Rake $0
)";

void allInEvOf(benchmark::State& state, const char* text) {
    const PlayedHand hand = handOf(text);
    for (auto _ : state) {
        const auto ev = allInEv(hand, 1);
        if (!ev) state.SkipWithError("no all-in EV");
        benchmark::DoNotOptimize(ev);
    }
}
// The count runs on a thread of its own: the time is the whole process's.
BENCHMARK_CAPTURE(allInEvOf, heads_up_preflop, kHeadsUp)
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime();
BENCHMARK_CAPTURE(allInEvOf, three_ways_side_pot_preflop, kThreeWays)
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime();

}  // namespace

BENCHMARK_MAIN();
