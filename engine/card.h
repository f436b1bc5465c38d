#pragma once
// Card codes: two characters, rank letter then suit letter ("Ah", "Td", "2c").
#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace korvana {

// Rank values 2..14 (the ace is 14), suit numbers 1..4 in the order c, d, h, s.
struct Card {
    int rank = 0;
    int suit = 0;
    friend bool operator==(const Card&, const Card&) = default;
};

// Strict parse of a card code as a player types it: exactly two characters,
// rank one of 23456789TJQKA, suit one of cdhs (lower case). Anything else is nullopt.
std::optional<Card> parseCardCode(std::string_view code);

// The two-character code of a valid card.
std::string cardCode(Card card);

// Text of a rank in a held-rank list: "2".."9", "T", "J", "Q", "K", "A".
std::string_view rankText(int rank);

// The 52 codes suit by suit: "2c".."Ac", "2d".."Ad", "2h".."Ah", "2s".."As".
// Index n is what the n-th button of the card picker hands to the table.
const std::array<std::string, 52>& allCardCodes();

}  // namespace korvana
