// korvana-odds: the hand analysis of Korvana for the command line.
#include <QLocale>
#include <algorithm>
#include <cstdlib>
#include <iostream>
#include <thread>
#ifdef _WIN32
#include <io.h>
#define isatty _isatty
#define STDOUT_FILENO 1
#define STDERR_FILENO 2
#else
#include <unistd.h>
#endif

#include "odds_command.h"

int main(int argc, char* argv[]) {
    korvana::OddsCommandEnvironment env;
    // The same regional decimal separator the window uses (LC_ALL, LC_NUMERIC, LANG).
    env.decimalSeparator = QLocale::system().decimalPoint().toStdString();
    env.colourOutput = isatty(STDOUT_FILENO) && std::getenv("NO_COLOR") == nullptr;
    env.threads = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
    if (isatty(STDERR_FILENO)) env.progress = &std::cerr;
    const std::vector<std::string> args(argv + 1, argv + argc);
    const int status = korvana::runOddsCommand(args, env, std::cout, std::cerr);
    std::cout.flush();
    return std::cout.good() ? status : 1;
}
