#pragma once
// What the process hands korvana-odds: its own header, so that the parts of
// the command can take it without including the command.
#include <iosfwd>
#include <optional>
#include <string>

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

}  // namespace korvana
