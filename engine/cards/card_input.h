#pragma once
// Cards as people type them: any letter case, "10" for the ten, the suit
// symbols, several cards in one piece of text. The window's keyboard entry and
// korvana-odds share these letters, so both accept the same spellings.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/cards/card.h"

namespace korvana {

// Rank value 2..14 of a rank character: '2'..'9', 't', 'j', 'q', 'k', 'a' in
// either case. '1' is not a rank on its own (it starts "10").
std::optional<int> rankOfCharacter(char32_t ch);

// The suit of a suit character: 'c', 'd', 'h', 's' in either case,
// or the suit symbols, filled or outlined (♣♧ ♦♢ ♥♡ ♠♤).
std::optional<Suit> suitOfCharacter(char32_t ch);

// One position of the typed text: a card, or an empty slot written as "-".
struct TypedSlot {
    std::optional<Card> card;
    std::string typed;  // the characters it came from, for messages
};

struct TypedCards {
    std::vector<TypedSlot> slots;  // in the order written
    // Set when the text holds something that is not a card: the offending
    // piece, from where reading failed up to the next separator.
    std::optional<std::string> unreadable;
};

// Reads a UTF-8 text of cards and empty slots: "AhKd", "Ah,Kd", "ah kd",
// "10h", "T♥", "-". Commas, semicolons and blanks separate but are not needed.
// Duplicates are not judged here; the caller knows which cards are placed.
TypedCards parseCardsLeniently(std::string_view text);

}  // namespace korvana
