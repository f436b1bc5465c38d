#pragma once
// The korvana-odds command without its process: arguments in, text out.
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

namespace korvana {

// What the process supplies: whether rows are coloured by their light (see
// colourWanted), the user's regional decimal separator, the cores the win
// chances may use, where a long run shows its progress (stderr when it is a
// terminal), and standard input: the tables of batch mode, and whether a
// person types there.
struct OddsCommandEnvironment {
    bool colourOutput = false;
    std::string decimalSeparator = ".";
    int threads = 1;
    std::ostream* progress = nullptr;
    std::istream* input = nullptr;  // nothing reads as no tables
    bool inputIsPipe = false;       // standard input is a pipe (not a terminal, file or /dev/null)
    // The library of named ranges (see rangeLibraryPath); none: the built-in
    // ranges alone.
    std::optional<std::string> rangeLibraryPath = std::nullopt;
};

// Runs one analysis pass for the slots given on the command line and writes the
// ten rows and the best-hand text (or one JSON object) to out, and with
// opponents the win chances after them; with "-" alone or --batch, one pass
// and one line of output per line of env.input (see runBatch). Returns the
// exit status: 0; 2 after one line on err naming the bad argument (out
// untouched), or in batch mode when some line was refused; 1 after a line on
// err when out cannot be written or flushed.
int runOddsCommand(const std::vector<std::string>& args, const OddsCommandEnvironment& env,
                   std::ostream& out, std::ostream& err);

}  // namespace korvana
