// korvana-odds: the hand analysis of Korvana for the command line.
#include <QLocale>
#include <cstdlib>
#include <iostream>
#ifdef _WIN32
#include <io.h>
#define isatty _isatty
#define STDOUT_FILENO 1
#else
#include <unistd.h>
#endif

#include "odds_command.h"

int main(int argc, char* argv[]) {
    korvana::OddsCommandEnvironment env;
    // The same regional decimal separator the window uses (LC_ALL, LC_NUMERIC, LANG).
    env.decimalSeparator = QLocale::system().decimalPoint().toStdString();
    env.colourOutput = isatty(STDOUT_FILENO) && std::getenv("NO_COLOR") == nullptr;
    const std::vector<std::string> args(argv + 1, argv + argc);
    const int status = korvana::runOddsCommand(args, env, std::cout, std::cerr);
    std::cout.flush();
    return std::cout.good() ? status : 1;
}
