#include "engine/ranges/range_grid.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace korvana {
namespace {

int rankAt(int index) {
    return 14 - index;
}

bool holdsAll(const HandSet& hands, const StartingHand& hand) {
    for (const PocketCards cards : hand.hands())
        if (!hands.test(static_cast<size_t>(cards.number()))) return false;
    return true;
}

std::string rankPair(int high, int low) {
    std::string text{rankText(high)};
    text += rankText(low);
    return text;
}

// Pairs, strongest first: "TT+", "66-44", "22".
void writePairs(const HandSet& hands, std::vector<std::string>& pieces) {
    int rank = 14;
    while (rank >= 2) {
        if (!holdsAll(hands, {rank, rank, StartingHand::Suits::Pair})) {
            --rank;
            continue;
        }
        const int top = rank;
        while (rank >= 2 && holdsAll(hands, {rank, rank, StartingHand::Suits::Pair})) --rank;
        const int bottom = rank + 1;
        if (top == bottom)
            pieces.push_back(rankPair(top, top));
        else if (top == 14)
            pieces.push_back(rankPair(bottom, bottom) + "+");
        else
            pieces.push_back(rankPair(top, top) + "-" + rankPair(bottom, bottom));
    }
}

// One high card's suited or offsuit hands: "AQs+", "A5s-A2s", "K9o".
void writeKickers(const HandSet& hands, int high, StartingHand::Suits suits,
                  std::vector<std::string>& pieces) {
    const std::string mark = suits == StartingHand::Suits::Suited ? "s" : "o";
    int low = high - 1;
    while (low >= 2) {
        if (!holdsAll(hands, {high, low, suits})) {
            --low;
            continue;
        }
        const int top = low;
        while (low >= 2 && holdsAll(hands, {high, low, suits})) --low;
        const int bottom = low + 1;
        if (top == bottom)
            pieces.push_back(rankPair(high, top) + mark);
        else if (top == high - 1)
            pieces.push_back(rankPair(high, bottom) + mark + "+");
        else
            pieces.push_back(rankPair(high, top) + mark + "-" + rankPair(high, bottom) + mark);
    }
}

}  // namespace

StartingHand startingHandAt(int row, int column) {
    if (row == column) return {rankAt(row), rankAt(row), StartingHand::Suits::Pair};
    if (row < column) return {rankAt(row), rankAt(column), StartingHand::Suits::Suited};
    return {rankAt(column), rankAt(row), StartingHand::Suits::Offsuit};
}

GridPlace gridPlaceOf(const StartingHand& hand) {
    const int high = 14 - hand.high, low = 14 - hand.low;
    if (hand.suits == StartingHand::Suits::Offsuit) return {low, high};
    return {high, low};
}

std::string shortestRangeText(const HandSet& hands) {
    if (hands.all() || hands.none()) return {};
    std::vector<std::string> pieces;
    writePairs(hands, pieces);
    for (const auto suits : {StartingHand::Suits::Suited, StartingHand::Suits::Offsuit})
        for (int high = 14; high >= 3; --high) writeKickers(hands, high, suits, pieces);
    // Hands of starting hands not wholly held, card by card.
    for (int row = 0; row < kGridSide; ++row)
        for (int column = 0; column < kGridSide; ++column) {
            const StartingHand hand = startingHandAt(row, column);
            if (holdsAll(hands, hand)) continue;
            for (const PocketCards cards : hand.hands())
                if (hands.test(static_cast<size_t>(cards.number()))) {
                    Card first = cardAt(cards.high), second = cardAt(cards.low);
                    if (first.rank < second.rank) std::swap(first, second);
                    pieces.push_back(cardCode(first) + cardCode(second));
                }
        }
    std::string text;
    for (const std::string& piece : pieces) {
        if (!text.empty()) text += ", ";
        text += piece;
    }
    return text;
}

HandSet filledWithKnownCards(HandSet hands, CardMask known) {
    for (int row = 0; row < kGridSide; ++row)
        for (int column = 0; column < kGridSide; ++column) {
            const std::vector<PocketCards> cards = startingHandAt(row, column).hands();
            const auto heldOrDead = [&](PocketCards c) {
                return (c.mask() & known) != 0 || hands.test(static_cast<size_t>(c.number()));
            };
            const bool anyHeld = std::any_of(cards.begin(), cards.end(), [&](PocketCards c) {
                return hands.test(static_cast<size_t>(c.number()));
            });
            if (anyHeld && std::all_of(cards.begin(), cards.end(), heldOrDead))
                for (const PocketCards c : cards) hands.set(static_cast<size_t>(c.number()));
        }
    return hands;
}

}  // namespace korvana
