#pragma once
// korvana-odds --history: the hands of a hand-history file, one block (or one
// JSON object) per hand in file order as each is read, and the totals.
#include <iosfwd>
#include <string>

#include "engine/text/language.h"

namespace korvana {

struct HistoryRequest {
    bool json = false;
    bool streetEquity = false;  // the hero's equity on every street, against ranges
    Language language = Language::English;
    int threads = 1;
    std::string decimalSeparator = ".";
};

// Reads the hands from input and writes each to out as it comes: text blocks
// and the totals after them, or JSON Lines. A refused hand gets a line on err
// (and in JSON its {"hand", "line", "error"} object). Returns 0; 2 when some
// hand was refused; 1 after a line on err when out cannot be written or the
// input cannot be read to its end.
int runHistory(std::istream& input, const HistoryRequest& request, std::ostream& out,
               std::ostream& err);

}  // namespace korvana
