#pragma once
// Card codes: two characters, rank letter then suit letter ("Ah", "Td", "2c").
#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace korvana {

enum class Suit { Clubs, Diamonds, Hearts, Spades };
// The suits in the order of their letters c, d, h, s: the picker's rows from
// the top, and the order in which later suits win ties between draws.
inline constexpr std::array<Suit, 4> kSuits = {Suit::Clubs, Suit::Diamonds, Suit::Hearts,
                                               Suit::Spades};
// Position of a suit in kSuits, for tables kept per suit.
inline constexpr std::size_t suitIndex(Suit suit) {
    return static_cast<std::size_t>(suit);
}

// Rank values 2..14 (the ace is 14).
struct Card {
    int rank = 0;
    Suit suit = Suit::Clubs;
    friend bool operator==(const Card&, const Card&) = default;
};

inline constexpr int kCardCount = 52;
// Position of a card among all 52, suit by suit (clubs .. spades), each from
// the 2 to the ace: the order of the card picker, row by row.
inline constexpr int cardIndex(Card card) {
    return static_cast<int>(suitIndex(card.suit)) * 13 + (card.rank - 2);
}
// The card at position 0..51 of that order.
inline constexpr Card cardAt(int index) {
    return {index % 13 + 2, kSuits[static_cast<std::size_t>(index / 13)]};
}

// Strict parse of a card code as a player types it: exactly two characters,
// rank one of 23456789TJQKA, suit one of cdhs (lower case). Anything else is nullopt.
std::optional<Card> parseCardCode(std::string_view code);

// The two-character code of a valid card.
std::string cardCode(Card card);

// Text of a rank in a held-rank list: "2".."9", "T", "J", "Q", "K", "A".
std::string_view rankText(int rank);

// The 52 codes by card index: "2c".."Ac", "2d".."Ad", "2h".."Ah", "2s".."As".
const std::array<std::string, kCardCount>& allCardCodes();

}  // namespace korvana
