#include "history/line_source.h"

#include <cstring>

namespace korvana::history {

LineSource::LineSource(std::istream& input, std::size_t longestLine)
    : input_(input), longestLine_(longestLine), buffer_(64 * 1024) {}

bool LineSource::fill() {
    if (ended_) return false;
    start_ = 0;
    input_.read(buffer_.data(), static_cast<std::streamsize>(buffer_.size()));
    end_ = static_cast<std::size_t>(input_.gcount());
    if (end_ == 0) ended_ = true;
    return end_ > 0;
}

bool LineSource::next(std::string_view& line) {
    long_.clear();
    cut_ = false;
    bool any = false;
    for (;;) {
        if (start_ == end_ && !fill()) {
            if (!any) return false;
            line = long_;
            break;
        }
        any = true;
        const char* begin = buffer_.data() + start_;
        const auto* newline = static_cast<const char*>(std::memchr(begin, '\n', end_ - start_));
        const std::size_t length =
            newline ? static_cast<std::size_t>(newline - begin) : end_ - start_;
        if (newline && long_.empty()) {
            line = std::string_view(begin, length);
            start_ += length + 1;
            break;
        }
        const std::size_t room = longestLine_ > long_.size() ? longestLine_ - long_.size() : 0;
        if (length > room) cut_ = true;
        long_.append(begin, std::min(length, room));
        start_ += length + (newline ? 1 : 0);
        if (newline) {
            line = long_;
            break;
        }
    }
    ++lineNumber_;
    if (line.size() > longestLine_) {
        line = line.substr(0, longestLine_);
        cut_ = true;
    }
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line.substr(0, 3) == "\xEF\xBB\xBF") line.remove_prefix(3);
    return true;
}

}  // namespace korvana::history
