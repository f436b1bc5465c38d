#include "tools/korvana_odds/text/terminal_text.h"

#include <algorithm>
#include <cstdio>

#include "engine/cards/utf8.h"

namespace korvana {
namespace {

std::string hexEscape(const char* format, unsigned value) {
    char buffer[12];
    std::snprintf(buffer, sizeof buffer, format, value);
    return buffer;
}

// Characters that show as nothing at all, so that a message would hide them:
// the format and filler characters a terminal draws no mark for (zero-width
// spaces and joiners, direction marks, the byte-order mark, variation
// selectors, tags).
bool isInvisible(char32_t point) {
    const auto within = [point](char32_t first, char32_t last) {
        return point >= first && point <= last;
    };
    return point == 0xAD || point == 0x34F || point == 0x61C || within(0x115F, 0x1160) ||
           within(0x17B4, 0x17B5) || within(0x180B, 0x180F) || within(0x200B, 0x200F) ||
           within(0x202A, 0x202E) || within(0x2060, 0x206F) || point == 0x3164 ||
           within(0xFE00, 0xFE0F) || point == 0xFEFF || point == 0xFFA0 || within(0xFFF0, 0xFFFB) ||
           within(0x1BCA0, 0x1BCA3) || within(0x1D173, 0x1D17A) || within(0xE0000, 0xE0FFF);
}

// The next character at text[pos] as oneLine() shows it; length is how many
// bytes of text it takes.
std::string shownCharacter(std::string_view text, size_t pos, size_t& length) {
    const auto byte = static_cast<unsigned char>(text[pos]);
    length = 1;
    if (byte < 0x80) {
        switch (byte) {
            case '\n': return "\\n";
            case '\r': return "\\r";
            case '\t': return "\\t";
            case 0x1B: return "\\e";
            case '\\': return "\\\\";
            default:
                if (byte < 0x20 || byte == 0x7F) return hexEscape("\\x%02x", byte);
                return std::string(1, static_cast<char>(byte));
        }
    }
    const std::optional<Utf8Character> character = utf8CharacterAt(text, pos);
    if (!character) return hexEscape("\\x%02x", byte);
    length = character->length;
    const char32_t point = character->point;
    if (point <= 0x9F || point == 0x2028 || point == 0x2029 || isInvisible(point))
        return hexEscape(point > 0xFFFF ? "\\U%08x" : "\\u%04x", static_cast<unsigned>(point));
    return std::string(text.substr(pos, character->length));
}

}  // namespace

std::string oneLine(std::string_view text) {
    std::string line;
    line.reserve(text.size());
    for (size_t pos = 0, length = 0; pos < text.size(); pos += length)
        line += shownCharacter(text, pos, length);
    return line;
}

std::string clipped(std::string_view text, size_t most) {
    if (columns(oneLine(text)) <= most) return std::string(text);
    size_t used = 0;
    size_t end = 0;
    for (size_t length = 0; end < text.size(); end += length) {
        const size_t width = columns(shownCharacter(text, end, length));
        if (used + width + 1 > most) break;  // one column stays for the ellipsis
        used += width;
    }
    return std::string(text.substr(0, end)) + "\u2026";
}

std::string quoted(std::string_view argument) {
    constexpr size_t kQuotedColumns = 60;
    return "'" + clipped(argument, kQuotedColumns) + "'";
}

size_t columns(std::string_view text) {
    return static_cast<size_t>(std::count_if(text.begin(), text.end(), [](char ch) {
        return (static_cast<unsigned char>(ch) & 0xC0) != 0x80;
    }));
}

}  // namespace korvana
