#include "terminal_text.h"

#include <cstdio>

#include "utf8.h"

namespace korvana {
namespace {

std::string hexEscape(const char* format, unsigned value) {
    char buffer[12];
    std::snprintf(buffer, sizeof buffer, format, value);
    return buffer;
}

}  // namespace

std::string oneLine(std::string_view text) {
    std::string line;
    line.reserve(text.size());
    for (size_t pos = 0; pos < text.size();) {
        const auto byte = static_cast<unsigned char>(text[pos]);
        if (byte < 0x80) {
            switch (byte) {
                case '\n': line += "\\n"; break;
                case '\r': line += "\\r"; break;
                case '\t': line += "\\t"; break;
                case 0x1B: line += "\\e"; break;
                case '\\': line += "\\\\"; break;
                default:
                    if (byte < 0x20 || byte == 0x7F)
                        line += hexEscape("\\x%02x", byte);
                    else
                        line += static_cast<char>(byte);
            }
            ++pos;
            continue;
        }
        const std::optional<Utf8Character> character = utf8CharacterAt(text, pos);
        if (!character) {
            line += hexEscape("\\x%02x", byte);
            ++pos;
            continue;
        }
        const char32_t point = character->point;
        if (point <= 0x9F || point == 0x2028 || point == 0x2029)
            line += hexEscape("\\u%04x", static_cast<unsigned>(point));
        else
            line.append(text.substr(pos, character->length));
        pos += character->length;
    }
    return line;
}

}  // namespace korvana
