#include "engine/ranges/range_grid.h"

#include <algorithm>
#include <charconv>
#include <functional>
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

std::string joined(const std::vector<std::string>& pieces) {
    std::string text;
    for (const std::string& piece : pieces) {
        if (!text.empty()) text += ", ";
        text += piece;
    }
    return text;
}

// The pieces of the shortest text of a set that is neither empty nor whole.
std::vector<std::string> rangePieces(const HandSet& hands) {
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
    return pieces;
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
    return joined(rangePieces(hands));
}

HandWeights weightsOf(const HandRange& range) {
    HandWeights weights{};
    for (size_t i = 0; i < range.hands().size(); ++i)
        weights[static_cast<size_t>(range.hands()[i].number())] = range.weightAt(i);
    return weights;
}

namespace {

// The text of the weights written one weight after another in the given
// order, a later piece overriding an earlier one where they overlap: a
// weight's pieces take in the hands of later weights that make a starting
// hand, or every hand, whole.
std::string writtenInOrder(const HandWeights& weights, const std::vector<double>& levels) {
    std::vector<std::string> pieces;
    for (size_t l = 0; l < levels.size(); ++l) {
        HandSet hands, later;
        for (size_t number = 0; number < weights.size(); ++number) {
            const double weight = std::min(weights[number], 1.0);
            hands.set(number, weight == levels[l]);
            later.set(number, std::find(levels.begin() + static_cast<long>(l) + 1, levels.end(),
                                        weight) != levels.end());
        }
        if ((hands | later).all()) {
            hands.set();
        } else {
            for (int row = 0; row < kGridSide; ++row)
                for (int column = 0; column < kGridSide; ++column) {
                    const auto cell = startingHandAt(row, column).hands();
                    const auto in = [&](const HandSet& set) {
                        return [&](PocketCards cards) {
                            return set.test(static_cast<size_t>(cards.number()));
                        };
                    };
                    if (std::any_of(cell.begin(), cell.end(), in(hands)) &&
                        std::all_of(cell.begin(), cell.end(), in(hands | later)))
                        for (const PocketCards cards : cell)
                            hands.set(static_cast<size_t>(cards.number()));
                }
        }
        const std::string suffix = levels[l] == 1 ? "" : ":" + weightText(levels[l]);
        if (hands.all()) {
            pieces.push_back(levels[l] == 1 ? "random" : "random" + suffix);
            continue;
        }
        for (const std::string& piece : rangePieces(hands)) pieces.push_back(piece + suffix);
    }
    return joined(pieces);
}

}  // namespace

std::string shortestRangeText(const HandWeights& weights) {
    std::vector<double> levels;
    for (const double weight : weights)
        if (weight > 0) levels.push_back(std::min(weight, 1.0));
    std::sort(levels.begin(), levels.end(), std::greater<>());
    levels.erase(std::unique(levels.begin(), levels.end()), levels.end());
    if (levels == std::vector<double>{1.0}) {
        HandSet hands;
        for (size_t number = 0; number < weights.size(); ++number)
            hands.set(number, weights[number] > 0);
        return shortestRangeText(hands);
    }
    // The heaviest first, or the lightest: whichever is shorter.
    std::string text = writtenInOrder(weights, levels);
    std::reverse(levels.begin(), levels.end());
    std::string other = writtenInOrder(weights, levels);
    return other.size() < text.size() ? other : text;
}

std::string weightText(double weight) {
    std::array<char, 64> buffer{};
    const auto end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), weight,
                                   std::chars_format::fixed)
                         .ptr;
    return std::string(buffer.data(), end);
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
