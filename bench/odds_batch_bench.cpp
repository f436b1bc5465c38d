// korvana-odds as a process, the time per table: one process reading 1000
// tables in batch mode against one process per table (target: batch at least
// 20 times faster per table).
// Run: build/bin/odds_batch_bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

extern char** environ;

namespace {

// From two pocket cards to the river, so every round's work is in the mix.
const std::vector<std::vector<std::string>> kTables = {
    {"Ah", "Kh"},
    {"7c", "2d", "9s"},
    {"Qs", "Qd", "Jc", "Td", "3h"},
    {"5h", "6h", "7h", "8h", "Kc", "As"},
    {"Ac", "Ad", "2c", "2d", "Kh", "Ks", "3s"},
};
constexpr int kBatchTables = 1000;

// Runs korvana-odds with these arguments, standard input from the file and the
// output thrown away; the wall time in seconds, or a negative one when it failed.
double timedRun(const std::vector<std::string>& args, const char* input) {
    std::vector<std::string> words = {KORVANA_ODDS_PATH};
    words.insert(words.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (auto& word : words) argv.push_back(word.data());
    argv.push_back(nullptr);

    posix_spawn_file_actions_t files;
    posix_spawn_file_actions_init(&files);
    posix_spawn_file_actions_addopen(&files, STDIN_FILENO, input, O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&files, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    const auto start = std::chrono::steady_clock::now();
    pid_t child = 0;
    const int spawned = posix_spawn(&child, argv[0], &files, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&files);
    int status = 0;
    if (spawned != 0 || waitpid(child, &status, 0) != child) return -1;
    const std::chrono::duration<double> taken = std::chrono::steady_clock::now() - start;
    return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? taken.count() : -1;
}

void BM_BatchPerTable(benchmark::State& state) {
    char path[] = "/tmp/odds_batch_bench_XXXXXX";
    const int fd = mkstemp(path);
    if (fd < 0) {
        state.SkipWithError("cannot make the input file");
        return;
    }
    close(fd);
    {
        std::ofstream input(path);
        for (int i = 0; i < kBatchTables; ++i) {
            for (const auto& card : kTables[static_cast<size_t>(i) % kTables.size()])
                input << card << ' ';
            input << '\n';
        }
    }
    for (auto _ : state) {
        const double seconds = timedRun({"-"}, path);
        if (seconds < 0) {
            state.SkipWithError("korvana-odds failed");
            break;
        }
        state.SetIterationTime(seconds / kBatchTables);
    }
    std::remove(path);
}
// The iteration counts are fixed: with the time per table reported, the
// library would otherwise run batches until they add up to its minimum time.
BENCHMARK(BM_BatchPerTable)->UseManualTime()->Iterations(10)->Unit(benchmark::kMicrosecond);

void BM_ProcessPerTable(benchmark::State& state) {
    size_t table = 0;
    for (auto _ : state) {
        const double seconds = timedRun(kTables[table++ % kTables.size()], "/dev/null");
        if (seconds < 0) {
            state.SkipWithError("korvana-odds failed");
            break;
        }
        state.SetIterationTime(seconds);
    }
}
BENCHMARK(BM_ProcessPerTable)->UseManualTime()->Iterations(200)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
