// Seven-card evaluations per second on one thread: every hand of the deck in
// order (each partial hand grown by one card), and hands dealt at random
// (targets: 750 and 225 million a second); and the time to make the tables
// (target: 2 ms).
// Run: build/bin/hand_evaluator_bench --benchmark_repetitions=9
// --benchmark_report_aggregates_only=true
#include <benchmark/benchmark.h>

#include <array>
#include <cstdint>
#include <random>
#include <vector>

#include "engine/evaluator/hand_evaluator.h"

namespace {

using korvana::kDeckSize;
using korvana::PartialHand;

void EveryHandInOrder(benchmark::State& state) {
    const korvana::HandEvaluator& evaluator = korvana::handEvaluator();
    std::uint64_t hands = 0;
    for (auto _ : state) {
        std::uint64_t sum = 0;
        for (int a = 0; a < kDeckSize; ++a) {
            const PartialHand ha = PartialHand().plus(a);
            for (int b = a + 1; b < kDeckSize; ++b) {
                const PartialHand hb = ha.plus(b);
                for (int c = b + 1; c < kDeckSize; ++c) {
                    const PartialHand hc = hb.plus(c);
                    for (int d = c + 1; d < kDeckSize; ++d) {
                        const PartialHand hd = hc.plus(d);
                        for (int e = d + 1; e < kDeckSize; ++e) {
                            const PartialHand he = hd.plus(e);
                            for (int f = e + 1; f < kDeckSize; ++f) {
                                const PartialHand hf = he.plus(f);
                                for (int g = f + 1; g < kDeckSize; ++g)
                                    sum += evaluator.rank(hf.plus(g)).value;
                            }
                        }
                    }
                }
            }
        }
        benchmark::DoNotOptimize(sum);
        hands += 133784560;
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(hands));
}
BENCHMARK(EveryHandInOrder)->Unit(benchmark::kMillisecond);

void RandomHands(benchmark::State& state) {
    const korvana::HandEvaluator& evaluator = korvana::handEvaluator();
    // Dealt before timing: a million hands, far more than the caches hold.
    constexpr size_t kHands = 1 << 20;
    std::vector<std::array<std::uint8_t, 7>> dealt(kHands);
    std::mt19937_64 random(42);
    std::array<std::uint8_t, kDeckSize> deck{};
    for (int i = 0; i < kDeckSize; ++i) deck[static_cast<size_t>(i)] = static_cast<std::uint8_t>(i);
    for (auto& hand : dealt) {
        for (size_t i = 0; i < 7; ++i) {
            std::swap(deck[i], deck[i + random() % (kDeckSize - i)]);
            hand[i] = deck[i];
        }
    }
    for (auto _ : state) {
        std::uint64_t sum = 0;
        for (const auto& cards : dealt) {
            PartialHand hand;
            for (const std::uint8_t card : cards) hand = hand.plus(card);
            sum += evaluator.rank(hand).value;
        }
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * kHands));
}
BENCHMARK(RandomHands)->Unit(benchmark::kMillisecond);

// The tables made from nothing, as at the first use in a process.
void TablesBuilt(benchmark::State& state) {
    for (auto _ : state) {
        const korvana::HandEvaluator evaluator;
        benchmark::DoNotOptimize(&evaluator);
    }
}
BENCHMARK(TablesBuilt)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
