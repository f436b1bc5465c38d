// Hostile input to korvana-odds as a process: however long a range text or a
// batch line, the run's peak memory stays flat and the next lines still run.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <iterator>
#include <string>

namespace {

// The exit status and peak memory of the shell command, which execs into
// korvana-odds with its streams in files of the test's folder.
std::pair<int, long> statusAndPeakKilobytes(const std::string& command) {
    const pid_t child = fork();
    if (child == 0) {
        execl("/bin/sh", "sh", "-c", command.c_str(), nullptr);
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    if (child < 0 || wait4(child, &status, 0, &usage) != child || !WIFEXITED(status)) return {};
    return {WEXITSTATUS(status), usage.ru_maxrss};
}

TEST(OddsMemory, PeakStaysFlatWhateverTheTextsLength) {
    // Far below what a copy of these texts per byte would take.
    constexpr long kFlatKilobytes = 64 * 1024;
    const std::string odds = std::string("exec '") + KORVANA_ODDS + "' ";
    const struct {
        const char *input, *args, *err;
    } cases[] = {
        {"true", "Ah Kh --samples 1000 --vs \"$(printf 'random,%.0s' $(seq 18000))\"",
         "The range is longer than 10000 characters"},
        {"yes Ah | head -n 10485760 | tr -d '\\n'", "-", "line 1: too long for a table"},
        {"head -c 10485760 /dev/zero", "-", "line 1: too long for a table"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args);
        const std::string input = std::string("{ ") + c.input + "; echo; echo Ah Kd Qs; }";
        ASSERT_EQ(statusAndPeakKilobytes(input + " >odds_memory_in").first, 0);
        const auto [status, peak] = statusAndPeakKilobytes(
            odds + c.args + " <odds_memory_in >odds_memory_out 2>odds_memory_err");
        std::ifstream errors("odds_memory_err"), output("odds_memory_out");
        const std::string err{std::istreambuf_iterator<char>(errors), {}};
        const std::string out{std::istreambuf_iterator<char>(output), {}};
        EXPECT_EQ(status, 2) << err;
        EXPECT_NE(err.find(c.err), std::string::npos) << err;
        EXPECT_TRUE(c.args != std::string("-") || out.find("Ah Kd Qs - -") != std::string::npos)
            << out;
        EXPECT_GT(peak, 0);
        EXPECT_LT(peak, kFlatKilobytes);
    }
}

}  // namespace
