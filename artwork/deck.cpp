#include "artwork/deck.h"

#include <string_view>

namespace korvana::artwork {

namespace {
constexpr std::string_view kRanks = "23456789TJQKA";
constexpr std::string_view kSuits = "cdhs";
}  // namespace

QString CardArt::code() const {
    return QString(QChar(rank)) + QChar(suit);
}

QString CardArt::rankLabel() const {
    return rank == 'T' ? QStringLiteral("10") : QString(QChar(rank));
}

int CardArt::pipCount() const {
    if (rank == 'A') return 1;
    if (rank == 'T') return 10;
    if (rank >= '2' && rank <= '9') return rank - '0';
    return 0;
}

const std::array<CardArt, 52>& fullDeck() {
    static const std::array<CardArt, 52> deck = [] {
        std::array<CardArt, 52> cards{};
        std::size_t n = 0;
        for (char suit : kSuits)
            for (char rank : kRanks) cards[n++] = CardArt{rank, suit};
        return cards;
    }();
    return deck;
}

}  // namespace korvana::artwork
