#pragma once
// The lines of batch input, read so that no line costs more memory than a
// table can take, however long it is or whatever bytes it holds.
#include <cstddef>
#include <iosfwd>
#include <optional>
#include <string>

namespace korvana {

// Room for seven cards and the options of a line: nine ranges of a few
// thousand characters each.
inline constexpr size_t kMaxTableLineBytes = 65'536;

struct BatchLine {
    long number = 0;    // from 1
    std::string table;  // the text before any "#", without the line's end
    // The table text went on past kMaxTableLineBytes: table holds only its
    // start, the rest of the line was skipped unread.
    bool tooLong = false;
};

class BatchLines {
public:
    explicit BatchLines(std::istream& input) : input_(input) {}

    // The next line, or nullopt at the end of the input (or where a read
    // failed: the stream says which). A comment is skipped unkept, and so is
    // a byte-order mark before the first line, as some editors write it.
    std::optional<BatchLine> next();

private:
    std::istream& input_;
    long number_ = 0;
};

}  // namespace korvana
