// korvana-odds: the hand analysis of Korvana for the command line.
#include <algorithm>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>
#include <thread>
#ifdef _WIN32
#include <io.h>
#include <windows.h>
#define isatty _isatty
#define STDIN_FILENO 0
#define STDOUT_FILENO 1
#define STDERR_FILENO 2
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

#include "engine/ranges/range_library.h"
#include "tools/korvana_odds/odds_command.h"
#include "tools/korvana_odds/text/colour_choice.h"

namespace {

// Cards piped in by mistake get a note; a terminal, a file or /dev/null (as
// under cron) do not.
bool standardInputIsPipe() {
#ifdef _WIN32
    return GetFileType(GetStdHandle(STD_INPUT_HANDLE)) == FILE_TYPE_PIPE;
#else
    struct stat status {};
    return fstat(STDIN_FILENO, &status) == 0 && S_ISFIFO(status.st_mode);
#endif
}

// The regional decimal separator (LC_ALL, LC_NUMERIC, LANG), as the C
// library reads it: without Qt the program starts in a third of the time.
std::string regionalDecimalSeparator() {
    std::string point = ".";
    if (std::setlocale(LC_NUMERIC, "")) {
        const std::lconv* conventions = std::localeconv();
        if (conventions && conventions->decimal_point && *conventions->decimal_point)
            point = conventions->decimal_point;
    }
    // Whatever the program itself formats keeps the point.
    std::setlocale(LC_NUMERIC, "C");
    return point;
}

}  // namespace

int main(int argc, char* argv[]) {
#ifndef _WIN32
    // A closed stdout stays unwritable: a file opened later would otherwise
    // take its number and receive the output.
    if (fcntl(STDOUT_FILENO, F_GETFD) == -1) {
        const int unwritable = open("/dev/null", O_RDONLY | O_CLOEXEC);
        if (unwritable >= 0 && unwritable != STDOUT_FILENO) {
            dup2(unwritable, STDOUT_FILENO);
            close(unwritable);
        }
    }
#endif
    korvana::OddsCommandEnvironment env;
    env.decimalSeparator = regionalDecimalSeparator();
    env.colourOutput =
        korvana::colourWanted(isatty(STDOUT_FILENO), std::getenv("NO_COLOR"), std::getenv("TERM"));
    env.threads = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
    if (isatty(STDERR_FILENO)) env.progress = &std::cerr;
    env.input = &std::cin;
    env.inputIsPipe = standardInputIsPipe();
    const auto variable = [](const char* name) -> std::optional<std::string_view> {
        const char* value = std::getenv(name);
        if (!value) return std::nullopt;
        return std::string_view(value);
    };
    env.rangeLibraryPath = korvana::rangeLibraryPath(variable("XDG_CONFIG_HOME"), variable("HOME"));
    const std::vector<std::string> args(argv + 1, argv + argc);
    const int status = korvana::runOddsCommand(args, env, std::cout, std::cerr);
    // std::cin reads a failed read as the end of input; the tables were then
    // cut short, which must not pass for a clean run.
    if (status != 1 && std::ferror(stdin)) {
        std::cerr << "korvana-odds: cannot read the standard input\n";
        return 1;
    }
    return status;
}
