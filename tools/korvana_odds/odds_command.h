#pragma once
// The korvana-odds command without its process: arguments in, text out.
#include <iosfwd>
#include <string>
#include <vector>

namespace korvana {

// What the process supplies: whether stdout is a terminal (rows are then
// coloured by their light) and the user's regional decimal separator.
struct OddsCommandEnvironment {
    bool colourOutput = false;
    std::string decimalSeparator = ".";
};

// Runs one analysis pass for the slots given on the command line and writes the
// ten rows and the best-hand text (or one JSON object) to out. Returns the exit
// status: 0; 2 after one line on err naming the bad argument (out untouched);
// 1 after a line on err when out cannot be written or flushed.
int runOddsCommand(const std::vector<std::string>& args, const OddsCommandEnvironment& env,
                   std::ostream& out, std::ostream& err);

}  // namespace korvana
