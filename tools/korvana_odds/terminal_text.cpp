#include "terminal_text.h"

#include <cstdio>

namespace korvana {
namespace {

std::string hexEscape(const char* format, unsigned value) {
    char buffer[12];
    std::snprintf(buffer, sizeof buffer, format, value);
    return buffer;
}

// Length of the well-formed UTF-8 sequence at text[pos] (2..4), or 0.
size_t sequenceLength(std::string_view text, size_t pos, char32_t& point) {
    const auto lead = static_cast<unsigned char>(text[pos]);
    size_t length = 0;
    char32_t min = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        point = lead & 0x1Fu;
        min = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        point = lead & 0x0Fu;
        min = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        point = lead & 0x07u;
        min = 0x10000;
    } else
        return 0;
    if (pos + length > text.size()) return 0;
    for (size_t k = 1; k < length; ++k) {
        const auto byte = static_cast<unsigned char>(text[pos + k]);
        if ((byte & 0xC0) != 0x80) return 0;
        point = (point << 6) | (byte & 0x3Fu);
    }
    // Overlong forms, surrogates and points past U+10FFFF are not text.
    if (point < min || (point >= 0xD800 && point <= 0xDFFF) || point > 0x10FFFF) return 0;
    return length;
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
        char32_t point = 0;
        const size_t length = sequenceLength(text, pos, point);
        if (length == 0) {
            line += hexEscape("\\x%02x", byte);
            ++pos;
        } else if (point <= 0x9F || point == 0x2028 || point == 0x2029) {
            line += hexEscape("\\u%04x", static_cast<unsigned>(point));
            pos += length;
        } else {
            line.append(text.substr(pos, length));
            pos += length;
        }
    }
    return line;
}

}  // namespace korvana
