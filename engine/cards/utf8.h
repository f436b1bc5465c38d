#pragma once
// Reading UTF-8 one character at a time, strictly: overlong forms, surrogates
// and points past U+10FFFF are not characters, so they can neither pass for a
// suit symbol nor reach a terminal as text.
#include <optional>
#include <string_view>

namespace korvana {

struct Utf8Character {
    char32_t point;
    size_t length;  // bytes, 1..4
};

// The well-formed character that starts at text[pos], or nullopt when the
// bytes there are not one (pos must lie inside text).
std::optional<Utf8Character> utf8CharacterAt(std::string_view text, size_t pos);

}  // namespace korvana
