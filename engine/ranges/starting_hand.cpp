#include "engine/ranges/starting_hand.h"

#include <algorithm>

namespace korvana {

int StartingHand::combinations() const {
    switch (suits) {
        case Suits::Pair: return 6;
        case Suits::Suited: return 4;
        case Suits::Offsuit: return 12;
    }
    return 0;
}

std::string StartingHand::name() const {
    std::string text{rankText(high)};
    text += rankText(low);
    if (suits == Suits::Suited) text += 's';
    if (suits == Suits::Offsuit) text += 'o';
    return text;
}

std::vector<PocketCards> StartingHand::hands() const {
    std::vector<PocketCards> all;
    for (const Suit a : kSuits)
        for (const Suit b : kSuits) {
            if (suits == Suits::Pair && a >= b) continue;
            if (suits == Suits::Suited && a != b) continue;
            if (suits == Suits::Offsuit && a == b) continue;
            all.push_back(PocketCards::of({high, a}, {low, b}));
        }
    return all;
}

StartingHand startingHandOf(PocketCards hand) {
    const Card a = cardAt(hand.low), b = cardAt(hand.high);
    StartingHand start{std::max(a.rank, b.rank), std::min(a.rank, b.rank)};
    if (a.rank == b.rank)
        start.suits = StartingHand::Suits::Pair;
    else
        start.suits = a.suit == b.suit ? StartingHand::Suits::Suited : StartingHand::Suits::Offsuit;
    return start;
}

}  // namespace korvana
