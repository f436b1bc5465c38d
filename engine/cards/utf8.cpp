#include "engine/cards/utf8.h"

namespace korvana {

std::optional<Utf8Character> utf8CharacterAt(std::string_view text, size_t pos) {
    const auto lead = static_cast<unsigned char>(text[pos]);
    if (lead < 0x80) return Utf8Character{lead, 1};
    size_t length = 0;
    char32_t point = 0;
    char32_t smallest = 0;  // below it the form is overlong
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        point = lead & 0x1Fu;
        smallest = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        point = lead & 0x0Fu;
        smallest = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        point = lead & 0x07u;
        smallest = 0x10000;
    } else {
        return std::nullopt;
    }
    if (pos + length > text.size()) return std::nullopt;
    for (size_t k = 1; k < length; ++k) {
        const auto byte = static_cast<unsigned char>(text[pos + k]);
        if ((byte & 0xC0) != 0x80) return std::nullopt;
        point = (point << 6) | (byte & 0x3Fu);
    }
    if (point < smallest || (point >= 0xD800 && point <= 0xDFFF) || point > 0x10FFFF)
        return std::nullopt;
    return Utf8Character{point, length};
}

}  // namespace korvana
