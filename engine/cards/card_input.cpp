#include "engine/cards/card_input.h"

#include "engine/cards/utf8.h"

namespace korvana {
namespace {

// One character at text[pos]. A byte that does not start a well-formed
// sequence comes back as itself with length 1, which no rank or suit matches.
struct Decoded {
    char32_t point;
    size_t length;
};

Decoded decodeAt(std::string_view text, size_t pos) {
    if (const auto character = utf8CharacterAt(text, pos))
        return {character->point, character->length};
    return {static_cast<unsigned char>(text[pos]), 1};
}

bool isSeparator(char32_t ch) {
    return ch == ',' || ch == ';' || ch == ' ';
}

// Symbols copied from phones often carry the emoji presentation selector.
constexpr char32_t kEmojiPresentation = 0xFE0F;

}  // namespace

std::optional<int> rankOfCharacter(char32_t ch) {
    if (ch >= '2' && ch <= '9') return static_cast<int>(ch - '0');
    switch (ch) {
        case 't':
        case 'T': return 10;
        case 'j':
        case 'J': return 11;
        case 'q':
        case 'Q': return 12;
        case 'k':
        case 'K': return 13;
        case 'a':
        case 'A': return 14;
        default: return std::nullopt;
    }
}

std::optional<Suit> suitOfCharacter(char32_t ch) {
    switch (ch) {
        case 'c':
        case 'C':
        case U'\u2663':
        case U'\u2667': return Suit::Clubs;
        case 'd':
        case 'D':
        case U'\u2666':
        case U'\u2662': return Suit::Diamonds;
        case 'h':
        case 'H':
        case U'\u2665':
        case U'\u2661': return Suit::Hearts;
        case 's':
        case 'S':
        case U'\u2660':
        case U'\u2664': return Suit::Spades;
        default: return std::nullopt;
    }
}

TypedCards parseCardsLeniently(std::string_view text) {
    TypedCards result;
    size_t pos = 0;
    const auto fail = [&](size_t start) {
        size_t end = start;
        while (end < text.size()) {
            const Decoded d = decodeAt(text, end);
            if (end > start && isSeparator(d.point)) break;
            end += d.length;
        }
        result.unreadable = std::string(text.substr(start, end - start));
        return result;
    };
    while (pos < text.size()) {
        const size_t start = pos;
        Decoded d = decodeAt(text, pos);
        if (isSeparator(d.point)) {
            pos += d.length;
            continue;
        }
        if (d.point == '-') {
            result.slots.push_back({std::nullopt, "-"});
            pos += d.length;
            continue;
        }
        std::optional<int> rank;
        if (d.point == '1' && pos + 1 < text.size() && text[pos + 1] == '0') {
            rank = 10;
            pos += 2;
        } else {
            rank = rankOfCharacter(d.point);
            pos += d.length;
        }
        if (!rank || pos >= text.size()) return fail(start);
        d = decodeAt(text, pos);
        const auto suit = suitOfCharacter(d.point);
        if (!suit) return fail(start);
        pos += d.length;
        if (pos < text.size() && decodeAt(text, pos).point == kEmojiPresentation)
            pos += decodeAt(text, pos).length;
        result.slots.push_back({Card{*rank, *suit}, std::string(text.substr(start, pos - start))});
    }
    return result;
}

}  // namespace korvana
