#pragma once
// The 52 cards as the artwork sees them: what to draw, in which colour, under which file name.
#include <QString>
#include <array>

namespace korvana::artwork {

struct CardArt {
    char rank = '2';  // one of 23456789TJQKA
    char suit = 'c';  // one of cdhs

    // File stem of the card's pictures, e.g. "Ah", "Td".
    QString code() const;
    // What the corners show: "10" for the ten, else the rank letter.
    QString rankLabel() const;
    // Pips in the middle of a number card: 1 for the ace .. 10; 0 for a court card.
    int pipCount() const;
    bool isCourt() const { return pipCount() == 0; }
    bool isRed() const { return suit == 'd' || suit == 'h'; }
};

// Suit by suit (c, d, h, s), each from the two up to the ace.
const std::array<CardArt, 52>& fullDeck();

}  // namespace korvana::artwork
