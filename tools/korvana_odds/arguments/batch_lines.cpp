#include "tools/korvana_odds/arguments/batch_lines.h"

#include <istream>
#include <limits>
#include <string_view>

namespace korvana {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

}  // namespace

std::optional<BatchLine> BatchLines::next() {
    BatchLine line{++number_, {}, false};
    bool read = false;
    bool markPossible = number_ == 1;
    const auto skipRest = [&] { input_.ignore(std::numeric_limits<std::streamsize>::max(), '\n'); };
    for (int ch = input_.get(); ch != std::istream::traits_type::eof(); ch = input_.get()) {
        read = true;
        if (ch == '\n') break;
        if (ch == '#') {
            skipRest();
            break;
        }
        if (line.table.size() == kMaxTableLineBytes) {
            line.tooLong = true;
            skipRest();
            break;
        }
        line.table.push_back(static_cast<char>(ch));
        if (markPossible && line.table.size() == kByteOrderMark.size()) {
            markPossible = false;
            if (line.table == kByteOrderMark) line.table.clear();
        }
    }
    if (!read) return std::nullopt;
    return line;
}

}  // namespace korvana
