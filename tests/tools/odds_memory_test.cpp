// Hostile input to korvana-odds as a process: however long a range text or a
// batch line, the run's peak memory stays flat and the next lines still run.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern char** environ;

namespace {

struct ChildRun {
    int status = -1;
    long peakKilobytes = 0;
    std::string out, err;
};

std::string contents(const char* path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), {}};
}

// korvana-odds with its streams in files of the test's folder.
ChildRun runOdds(std::vector<std::string> words, const std::string& input) {
    std::ofstream("odds_memory_in", std::ios::binary) << input;
    posix_spawn_file_actions_t files;
    posix_spawn_file_actions_init(&files);
    posix_spawn_file_actions_addopen(&files, 0, "odds_memory_in", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&files, 1, "odds_memory_out", O_WRONLY | O_CREAT | O_TRUNC,
                                     0600);
    posix_spawn_file_actions_addopen(&files, 2, "odds_memory_err", O_WRONLY | O_CREAT | O_TRUNC,
                                     0600);
    words.insert(words.begin(), KORVANA_ODDS);
    std::vector<char*> argv;
    for (std::string& word : words) argv.push_back(word.data());
    argv.push_back(nullptr);
    ChildRun run;
    pid_t child = 0;
    int status = 0;
    rusage usage{};
    if (posix_spawn(&child, argv[0], &files, nullptr, argv.data(), environ) == 0 &&
        wait4(child, &status, 0, &usage) == child && WIFEXITED(status)) {
        run.status = WEXITSTATUS(status);
        run.peakKilobytes = usage.ru_maxrss;
    }
    posix_spawn_file_actions_destroy(&files);
    return {run.status, run.peakKilobytes, contents("odds_memory_out"),
            contents("odds_memory_err")};
}

std::string repeated(const std::string& piece, size_t times) {
    std::string text;
    for (size_t i = 0; i < times; ++i) text += piece;
    return text;
}

TEST(OddsMemory, PeakStaysFlatWhateverTheTextsLength) {
    // Far below what a copy of these texts per byte would take.
    constexpr long kFlatKilobytes = 64 * 1024;
    const struct {
        std::vector<std::string> args;
        std::string input;
        std::string err, out;  // a part of each stream
    } cases[] = {
        {{"Ah", "Kh", "--vs", repeated("random,", 18'000), "--samples", "1000"},
         "",
         "is too long: a range has at most 10 000 characters",
         ""},
        {{"-"},
         repeated("Ah", 10'485'760) + "\nAh Kd Qs\n",
         "line 1: too long for a table",
         "Ah Kd Qs - -"},
        {{"-"},
         std::string(10'485'760, '\0') + "\nAh Kd Qs\n",
         "line 1: too long for a table",
         "Ah Kd Qs - -"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.err);
        const ChildRun run = runOdds(c.args, c.input);
        EXPECT_EQ(run.status, 2) << run.err;
        EXPECT_NE(run.err.find(c.err), std::string::npos) << run.err;
        EXPECT_NE(run.out.find(c.out), std::string::npos) << run.out;
        EXPECT_GT(run.peakKilobytes, 0);
        EXPECT_LT(run.peakKilobytes, kFlatKilobytes);
    }
}

}  // namespace
