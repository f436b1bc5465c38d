// Cold start of the main window against an empty Qt main window (and, for
// reference, one showing a line of text): each is started RUNS times, in turn,
// offscreen; the time from spawning the process to its first painted window
// and the process's peak memory are reported as medians.
//   bench_ui_cold_start [RUNS]
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

extern char** environ;

namespace {

struct Run {
    double milliseconds = 0;
    long peakKilobytes = 0;
    bool ok = false;
};

Run startOnce(const std::string& program) {
    int pipeFds[2];
    if (pipe(pipeFds) != 0) return {};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeFds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipeFds[0]);
    std::vector<char*> argv{const_cast<char*>(program.c_str()), nullptr};

    const auto start = std::chrono::steady_clock::now();
    pid_t child = 0;
    const int spawned =
        posix_spawn(&child, program.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(pipeFds[1]);
    Run run;
    if (spawned != 0) {
        close(pipeFds[0]);
        return run;
    }
    char byte = 0;
    const bool painted = read(pipeFds[0], &byte, 1) == 1;
    const auto shown = std::chrono::steady_clock::now();
    close(pipeFds[0]);
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    run.milliseconds = std::chrono::duration<double, std::milli>(shown - start).count();
    run.peakKilobytes = usage.ru_maxrss;
    run.ok = painted && WIFEXITED(status) && WEXITSTATUS(status) == 0;
    return run;
}

template <class T>
T median(std::vector<T> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace

int main(int argc, char* argv[]) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 21;
    std::string folder = argv[0];
    folder = folder.substr(0, folder.rfind('/') + 1);
    constexpr int kPrograms = 3;
    const std::string programs[kPrograms] = {folder + "bench_ui_start_korvana",
                                             folder + "bench_ui_start_empty_window",
                                             folder + "bench_ui_start_text_window"};

    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    // The main window keeps its settings in a folder of the bench, never the user's.
    setenv("HOME", KORVANA_BENCH_HOME, 1);
    setenv("XDG_CONFIG_HOME", KORVANA_BENCH_HOME "/config", 1);
    setenv("XDG_RUNTIME_DIR", KORVANA_BENCH_HOME "/runtime", 1);
    setenv("TMPDIR", KORVANA_BENCH_HOME "/tmp", 1);
    std::vector<double> times[kPrograms];
    std::vector<long> memory[kPrograms];
    for (const std::string& program : programs)
        startOnce(program);  // warm the file cache: "cold" means a new process
    for (int i = 0; i < runs; ++i) {
        for (int p = 0; p < kPrograms; ++p) {
            const Run run = startOnce(programs[p]);
            if (!run.ok) {
                std::fprintf(stderr, "%s did not show its window\n", programs[p].c_str());
                return 1;
            }
            times[p].push_back(run.milliseconds);
            memory[p].push_back(run.peakKilobytes);
        }
    }
    const char* names[kPrograms] = {"main window ", "empty window", "text window "};
    std::printf("runs: %d each, offscreen\n", runs);
    for (int p = 0; p < kPrograms; ++p)
        std::printf("%s : start to first paint %7.1f ms (min %6.1f), peak memory %6ld KiB\n",
                    names[p], median(times[p]), *std::min_element(times[p].begin(), times[p].end()),
                    median(memory[p]));
    const auto ratios = [&](int p, const char* label) {
        std::printf(
            "main / %s: time %.2f, memory %.2f\n", label, median(times[0]) / median(times[p]),
            static_cast<double>(median(memory[0])) / static_cast<double>(median(memory[p])));
    };
    ratios(1, "empty window (targets: time < 1.5, memory < 1.3)");
    ratios(2, "text window ");
    return 0;
}
