// Exact chances of all ten rows, with their outs, for the slowest states (few
// cards known at the river) and a few typical ones.
// Run: build/bin/exact_chance_bench --benchmark_repetitions=9
// --benchmark_report_aggregates_only=true
#include <benchmark/benchmark.h>

#include <sstream>
#include <string>
#include <vector>

#include "engine/rows/exact_chance.h"

namespace {

struct State {
    const char* name;
    const char* cards;
    int target;
};

const State kStates[] = {
    {"no card, river", "", 7},
    {"one card, river", "Ah", 7},
    {"two cards, river", "Kh Ah", 7},
    {"three cards, river", "Kh Ah 7c", 7},
    {"no card, flop", "", 5},
    {"two cards, flop", "Kh Ah", 5},
    {"five cards, turn", "Kh Ah 7c Th 2h", 6},
    {"five cards, river", "Kh Ah 7c Th 2h", 7},
    {"seven cards, river", "Kh Ah 7c Th 2h Qh 7d", 7},
};

std::vector<korvana::Card> cardsOf(const std::string& codes) {
    std::vector<korvana::Card> cards;
    std::istringstream in(codes);
    std::string code;
    while (in >> code) cards.push_back(*korvana::parseCardCode(code));
    return cards;
}

void ExactChances(benchmark::State& state) {
    const State& s = kStates[state.range(0)];
    const auto cards = cardsOf(s.cards);
    for (auto _ : state) benchmark::DoNotOptimize(korvana::exactChances(cards, s.target));
    state.SetLabel(s.name);
}

BENCHMARK(ExactChances)->DenseRange(0, std::size(kStates) - 1)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
