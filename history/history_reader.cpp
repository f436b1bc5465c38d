#include "history/history_reader.h"

#include "history/hand_builder.h"

namespace korvana::history {

HistoryReader::HistoryReader(std::istream& input) : lines_(input) {}
HistoryReader::~HistoryReader() = default;

std::optional<ReadHand> HistoryReader::next() {
    std::string_view line;
    if (!pendingHeader_) {
        for (;;) {
            if (!lines_.next(line)) return std::nullopt;
            if (isHandHeader(line)) break;
        }
        pendingHeader_ = std::string(line);
        pendingLine_ = lines_.lineNumber();
    }
    HandBuilder builder(*pendingHeader_, pendingLine_);
    pendingHeader_.reset();
    int lastLine = pendingLine_;
    std::optional<HandRefusal> tooLong;
    while (lines_.next(line)) {
        if (isHandHeader(line)) {
            pendingHeader_ = std::string(line);
            pendingLine_ = lines_.lineNumber();
            break;
        }
        lastLine = lines_.lineNumber();
        if (tooLong) continue;  // passed over up to the next hand
        const bool overLength = lines_.cut();
        if (overLength || lastLine - builder.firstLine() >= kLongestHand) {
            tooLong = builder.refuseAt(
                overLength ? HandProblem::LineTooLong : HandProblem::HandTooLong, lastLine);
            continue;
        }
        builder.take(line, lastLine);
    }
    if (tooLong) return ReadHand{std::move(*tooLong)};
    return builder.finish(lastLine);
}

}  // namespace korvana::history
