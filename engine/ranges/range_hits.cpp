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

// The lines each combination counts in, on one board.
class BoardHits {
public:
    explicit BoardHits(const std::vector<Card>& board)
        : board_(board),
          cardsToCome_(board.size() < 5),
          boardMakers_(hasStraight(rankBits(board)) ? 0 : straightMakers(rankBits(board))) {
        for (const Card card : board) ++boardSuits_[suitIndex(card.suit)];
        cards_ = board;
    }

    HitLines of(PocketCards pocket) {
        HitLines lines;
        const Card first = cardAt(pocket.low), second = cardAt(pocket.high);
        cards_.resize(board_.size());
        cards_.push_back(first);
        cards_.push_back(second);
        const Category category = handEvaluator().rank(PartialHand(cards_)).category();
        lines.set(static_cast<size_t>(hitLineOf(category)));
        if (!cardsToCome_) return lines;

        std::array<int, 4> suits = boardSuits_;
        ++suits[suitIndex(first.suit)];
        ++suits[suitIndex(second.suit)];
        const bool flush = category == Category::Flush || category == Category::StraightFlush ||
                           category == Category::RoyalFlush;
        const bool flushDraw =
            (suits[suitIndex(first.suit)] == 4) || (suits[suitIndex(second.suit)] == 4);
        if (!flush && flushDraw) lines.set(kFlushDrawLine);

        const unsigned ranks = rankBits(cards_);
        if (hasStraight(ranks)) return lines;
        // Ranks that make a straight only with the pocket cards' help.
        const int makers = std::popcount(straightMakers(ranks) & ~boardMakers_);
        if (makers >= 2)
            lines.set(kOpenEndedLine);
        else if (makers == 1)
            lines.set(kGutshotLine);
        return lines;
    }

private:
    const std::vector<Card>& board_;
    bool cardsToCome_;
    unsigned boardMakers_;
    std::array<int, 4> boardSuits_{};
    std::vector<Card> cards_;
};

CardMask withBoard(CardMask known, const std::vector<Card>& board) {
    return known | maskOf(board);
}

}  // namespace

std::optional<RangeHits> countRangeHits(const HandRange& range, const std::vector<Card>& board,
                                        CardMask known) {
    if (board.size() < 3) return std::nullopt;
    known = withBoard(known, board);
    BoardHits boardHits(board);
    RangeHits hits;
    for (size_t h = 0; h < range.hands().size(); ++h) {
        const PocketCards pocket = range.hands()[h];
        if ((pocket.mask() & known) != 0) continue;
        // Each combination counts with its weight.
        const double weight = range.weightAt(h);
        hits.combos += weight;
        const HitLines lines = boardHits.of(pocket);
        for (int line = 0; line < 10; ++line)
            if (lines.test(static_cast<size_t>(line)))
                hits.categories[static_cast<size_t>(line)] += weight;
        if (lines.test(kFlushDrawLine)) hits.flushDraws += weight;
        if (lines.test(kOpenEndedLine)) hits.openEnded += weight;
        if (lines.test(kGutshotLine)) hits.gutshots += weight;
    }
    return hits;
}

std::optional<std::vector<PocketCards>> narrowRange(const HandRange& range,
                                                    const std::vector<Card>& board, CardMask known,
                                                    HitLines kept) {
    if (board.size() < 3) return std::nullopt;
    known = withBoard(known, board);
    BoardHits boardHits(board);
    std::vector<PocketCards> narrowed;
    for (const PocketCards pocket : range.hands())
        if ((pocket.mask() & known) == 0 && (boardHits.of(pocket) & kept).any())
            narrowed.push_back(pocket);
    return narrowed;
}

}  // namespace korvana
