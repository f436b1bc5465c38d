#include "engine/ranges/range_hits.h"

#include <bit>

#include "engine/evaluator/hand_evaluator.h"

namespace korvana {
namespace {

// Ranks present, bit r for rank r (2..14), with the ace also as 1 for the wheel.
unsigned rankBits(const std::vector<Card>& cards) {
    unsigned bits = 0;
    for (const Card card : cards) {
        bits |= 1u << card.rank;
        if (card.rank == 14) bits |= 1u << 1;
    }
    return bits;
}

bool hasStraight(unsigned bits) {
    for (int low = 1; low <= 10; ++low)
        if (((bits >> low) & 0x1f) == 0x1f) return true;
    return false;
}

// The ranks that would make a straight the cards do not have yet.
unsigned straightMakers(unsigned bits) {
    unsigned makers = 0;
    for (int rank = 2; rank <= 14; ++rank) {
        unsigned with = bits | (1u << rank);
        if (rank == 14) with |= 1u << 1;
        if (hasStraight(with)) makers |= 1u << rank;
    }
    return makers;
}

}  // namespace

std::optional<RangeHits> countRangeHits(const HandRange& range, const std::vector<Card>& board,
                                        CardMask known) {
    if (board.size() < 3) return std::nullopt;
    for (const Card card : board) known |= cardBit(card);
    const bool cardsToCome = board.size() < 5;
    const unsigned boardRanks = rankBits(board);
    const unsigned boardMakers = hasStraight(boardRanks) ? 0 : straightMakers(boardRanks);
    std::array<int, 4> boardSuits{};
    for (const Card card : board) ++boardSuits[suitIndex(card.suit)];

    RangeHits hits;
    std::vector<Card> cards = board;
    for (size_t h = 0; h < range.hands().size(); ++h) {
        const PocketCards pocket = range.hands()[h];
        if ((pocket.mask() & known) != 0) continue;
        const double weight = range.weightAt(h);
        hits.combos += weight;
        const Card first = cardAt(pocket.low), second = cardAt(pocket.high);
        cards.resize(board.size());
        cards.push_back(first);
        cards.push_back(second);
        const Category category = handEvaluator().rank(PartialHand(cards)).category();
        hits.categories[static_cast<size_t>(listIndex(category))] += weight;
        if (!cardsToCome) continue;

        std::array<int, 4> suits = boardSuits;
        ++suits[suitIndex(first.suit)];
        ++suits[suitIndex(second.suit)];
        const bool flush = category == Category::Flush || category == Category::StraightFlush ||
                           category == Category::RoyalFlush;
        const bool flushDraw =
            (suits[suitIndex(first.suit)] == 4) || (suits[suitIndex(second.suit)] == 4);
        if (!flush && flushDraw) hits.flushDraws += weight;

        const unsigned ranks = rankBits(cards);
        if (hasStraight(ranks)) continue;
        // Ranks that make a straight only with the pocket cards' help.
        const int makers = std::popcount(straightMakers(ranks) & ~boardMakers);
        if (makers >= 2)
            hits.openEnded += weight;
        else if (makers == 1)
            hits.gutshots += weight;
    }
    return hits;
}

}  // namespace korvana
