#pragma once
// The lines of a text stream, one at a time, in bounded memory: a byte-order
// mark and the carriage return of CRLF are taken off, and a line longer than
// the limit keeps only its start (and says so), however long it runs.
#include <istream>
#include <string>
#include <string_view>
#include <vector>

namespace korvana::history {

class LineSource {
public:
    explicit LineSource(std::istream& input, std::size_t longestLine = 16 * 1024);

    // The next line (without its end), or false at the end of the input.
    // The view stays valid until the next call.
    bool next(std::string_view& line);
    int lineNumber() const { return lineNumber_; }
    // The last line ran beyond the limit.
    bool cut() const { return cut_; }

private:
    bool fill();

    std::istream& input_;
    std::size_t longestLine_;
    std::vector<char> buffer_;
    std::size_t start_ = 0, end_ = 0;
    std::string long_;  // a line that runs over the end of the buffer
    int lineNumber_ = 0;
    bool cut_ = false;
    bool ended_ = false;
};

}  // namespace korvana::history
