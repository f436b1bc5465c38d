#pragma once
// A hand-history file read as a stream, one hand at a time: each hand comes
// back read and worked out, or refused with its number, line and reason, and
// the hands after a refused one are still read. Memory stays bounded whatever
// the input: a line keeps at most its first 16 KiB, a hand at most 5 000 lines.
//
//   std::ifstream file(path, std::ios::binary);
//   HistoryReader reader(file);
//   while (auto hand = reader.next()) { ... std::get_if<PlayedHand>(&*hand) ... }
#include <istream>
#include <memory>
#include <optional>
#include <variant>

#include "history/hand_refusal.h"
#include "history/line_source.h"
#include "history/played_hand.h"

namespace korvana::history {

using ReadHand = std::variant<PlayedHand, HandRefusal>;

class HistoryReader {
public:
    explicit HistoryReader(std::istream& input);
    ~HistoryReader();

    // The next hand of the input, in file order; nullopt at its end. Text
    // before the first hand and between hands is passed over.
    std::optional<ReadHand> next();

private:
    LineSource lines_;
    std::optional<std::string> pendingHeader_;  // the first line of the next hand, already read
    int pendingLine_ = 0;
};

inline constexpr int kLongestHand = 5000;  // lines

}  // namespace korvana::history
