// korvana-odds --history as a process on a file of 100 000 hands: its peak
// memory, in text and in JSON (target: under 64 MB), and its time. The hands
// are random legal ones without an all-in, so the run measures the reading
// and the writing, not the all-in counts.
// Run: build/bin/history_memory_bench --benchmark_repetitions=3
// --benchmark_report_aggregates_only=true
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <string>
#include <vector>

#include "tests/history/hand_generator.h"

extern char** environ;

namespace {

const std::string kFile = std::string(KORVANA_BENCH_FOLDER) + "/history_100000_hands.txt";

void writeFile() {
    std::ofstream file(kFile, std::ios::binary);
    std::mt19937_64 random(100'000);
    for (int number = 1, written = 0; written < 100'000; ++number) {
        const auto hand = korvana::history::test::generateHand(random, number);
        if (hand.text.find("and is all-in") != std::string::npos) continue;
        file << hand.text << "\n";
        ++written;
    }
}

// The peak resident memory of one run, in bytes; negative when it failed.
double peakOfRun(std::vector<std::string> words) {
    words.insert(words.begin(), KORVANA_ODDS_PATH);
    std::vector<char*> argv;
    for (auto& word : words) argv.push_back(word.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t files;
    posix_spawn_file_actions_init(&files);
    posix_spawn_file_actions_addopen(&files, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t child = 0;
    const int spawned = posix_spawn(&child, argv[0], &files, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&files);
    int status = 0;
    rusage usage{};
    if (spawned != 0 || wait4(child, &status, 0, &usage) != child || !WIFEXITED(status) ||
        WEXITSTATUS(status) != 0)
        return -1;
    return static_cast<double>(usage.ru_maxrss) * 1024.0;
}

void historyRun(benchmark::State& state, bool json) {
    static const bool made = (writeFile(), true);
    (void)made;
    double peak = 0;
    for (auto _ : state) {
        std::vector<std::string> words = {"--history", kFile};
        if (json) words.push_back("--json");
        const double run = peakOfRun(words);
        if (run < 0) state.SkipWithError("korvana-odds failed");
        peak = std::max(peak, run);
    }
    state.counters["peak_MB"] = peak / 1e6;
}
BENCHMARK_CAPTURE(historyRun, text, false)->Unit(benchmark::kSecond)->UseRealTime()->Iterations(1);
BENCHMARK_CAPTURE(historyRun, json, true)->Unit(benchmark::kSecond)->UseRealTime()->Iterations(1);

}  // namespace

BENCHMARK_MAIN();
