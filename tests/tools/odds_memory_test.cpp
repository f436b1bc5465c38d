// Hostile input to korvana-odds as a process: however long a range text or a
// batch line, the peak memory of the run stays flat and the next lines still
// run.
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

// korvana-odds with its input, output and errors in files of the test's folder.
ChildRun runOdds(const std::vector<std::string>& args, const std::string& input) {
    std::ofstream("odds_memory_in", std::ios::binary) << input;
    posix_spawn_file_actions_t files;
    posix_spawn_file_actions_init(&files);
    posix_spawn_file_actions_addopen(&files, 0, "odds_memory_in", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&files, 1, "odds_memory_out", O_WRONLY | O_CREAT | O_TRUNC,
                                     0600);
    posix_spawn_file_actions_addopen(&files, 2, "odds_memory_err", O_WRONLY | O_CREAT | O_TRUNC,
                                     0600);
    std::vector<std::string> words = {KORVANA_ODDS};
    words.insert(words.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& word : words) argv.push_back(word.data());
    argv.push_back(nullptr);
    ChildRun run;
    pid_t child = 0;
    if (posix_spawn(&child, argv[0], &files, nullptr, argv.data(), environ) == 0) {
        int status = 0;
        rusage usage{};
        if (wait4(child, &status, 0, &usage) == child && WIFEXITED(status)) {
            run.status = WEXITSTATUS(status);
            run.peakKilobytes = usage.ru_maxrss;
        }
    }
    posix_spawn_file_actions_destroy(&files);
    run.out = contents("odds_memory_out");
    run.err = contents("odds_memory_err");
    return run;
}

std::string repeated(const std::string& piece, size_t times) {
    std::string text;
    text.reserve(piece.size() * times);
    for (size_t i = 0; i < times; ++i) text += piece;
    return text;
}

TEST(OddsMemory, PeakStaysFlatWhateverTheTextsLength) {
    // Far below what one copy per byte of these texts would take.
    constexpr long kFlatKilobytes = 64 * 1024;
    const std::string table = "Ah Kd Qs - - - - | ";
    struct Case {
        const char* what;
        std::vector<std::string> args;
        std::string input;
        int status;
        std::string err;  // a part of the errors
        std::string out;  // a part of the output
    };
    const Case cases[] = {
        {"a range of 18 000 pieces",
         {"Ah", "Kh", "--vs", repeated("random,", 18'000), "--samples", "1000"},
         "",
         2,
         "is too long: a range has at most 10 000 characters",
         ""},
        {"a range just within the limit, every piece all hands",
         {"Ah", "Kh", "--vs", repeated("any,", 2'499), "--samples", "1000"},
         "",
         0,
         "",
         "1 000 sampled deals"},
        {"a 20 MB batch line without blanks",
         {"-"},
         repeated("Ah", 10'485'760) + "\nAh Kd Qs\n",
         2,
         "line 1: too long for a table",
         table},
        {"10 MB of NUL bytes",
         {"-"},
         std::string(10'485'760, '\0') + "\nAh Kd Qs\n",
         2,
         "line 1: too long for a table",
         table},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const ChildRun run = runOdds(c.args, c.input);
        EXPECT_EQ(run.status, c.status) << run.err;
        EXPECT_NE(run.err.find(c.err), std::string::npos) << run.err;
        EXPECT_NE(run.out.find(c.out), std::string::npos) << run.out;
        EXPECT_GT(run.peakKilobytes, 0);
        EXPECT_LT(run.peakKilobytes, kFlatKilobytes);
    }
}

}  // namespace
