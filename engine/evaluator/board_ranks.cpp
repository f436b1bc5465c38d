#include "engine/evaluator/board_ranks.h"

#include <bit>
#include <cstdint>

namespace korvana {
namespace {

constexpr CardMask kSuitCards = (CardMask{1} << 13) - 1;

CardMask cardsOfSuit(CardMask cards, int suit) {
    return (cards >> (13 * suit)) & kSuitCards;
}

}  // namespace

// The ways to hold n cards among ranks r..12 (r = 0 the 2), at most four of each.
constexpr std::array<std::array<std::uint32_t, 6>, 14> kWaysFromRank = [] {
    std::array<std::array<std::uint32_t, 6>, 14> ways{};
    ways[13][0] = 1;
    for (size_t r = 13; r-- > 0;)
        for (size_t n = 0; n <= 5; ++n)
            for (size_t held = 0; held <= 4 && held <= n; ++held)
                ways[r][n] += ways[r + 1][n - held];
    return ways;
}();
constexpr std::uint32_t kFiveCardRankSets = kWaysFromRank[0][5];  // 6175

// A number 0..kFiveCardRankSets - 1 of its own for the ranks of five cards.
std::uint32_t numberOfRankSet(std::uint32_t rankCounts) {
    std::uint32_t number = 0;
    size_t left = 5;
    for (size_t rank = 0; left > 0; ++rank, rankCounts /= 5)
        for (std::uint32_t held = rankCounts % 5; held > 0; --held, --left)
            number += kWaysFromRank[rank + 1][left];
    return number;
}

BoardRanks::BoardRanks() : evaluator_(handEvaluator()) {}

void BoardRanks::forgetAll() {  // after four billion boards the stamps start over
    handStamp_.fill(0);
    stamp_ = 1;
}

const BoardRanks::PairRanks& BoardRanks::pairRanksOf(const PartialHand& board) {
    // Made at the first need: many spots never ask.
    if (pairRanksByRankSet_.empty()) pairRanksByRankSet_.resize(kFiveCardRankSets);
    const std::uint32_t boardRanks = board.rankCounts();
    PairRanks& pairs = pairRanksByRankSet_[numberOfRankSet(boardRanks)];
    if (pairs.known) return pairs;
    pairs.known = true;
    std::array<int, 13> onBoard{};
    for (std::uint32_t digits = boardRanks; int& n : onBoard) {
        n = static_cast<int>(digits % 5);
        digits /= 5;
    }
    // Any two cards of given ranks rank alike when they make no flush, so the
    // two taken need not be in the deck: cards of the board's shortest suit
    // (one card at most) cannot make five of it.
    Suit shortest = Suit::Clubs;
    for (const Suit suit : kSuits)
        if (board.cardsOfSuit(suit) < board.cardsOfSuit(shortest)) shortest = suit;
    for (int a = 2; a <= 14; ++a)
        for (int b = a; b <= 14; ++b) {
            // No hand holds a fifth card of a rank.
            const bool possible = a == b ? onBoard[static_cast<size_t>(a - 2)] <= 2
                                         : onBoard[static_cast<size_t>(a - 2)] <= 3 &&
                                               onBoard[static_cast<size_t>(b - 2)] <= 3;
            pairs.rank[kPairNumber[static_cast<size_t>(a - 2)][static_cast<size_t>(b - 2)]] =
                possible ? evaluator_.rank(
                               board.plus(cardIndex({a, shortest})).plus(cardIndex({b, shortest})))
                         : HandRank{};
        }
    return pairs;
}

RankSplit splitAnyTwoCards(BoardRanks& ranks, CardMask available, HandRank against) {
    const PartialHand& board = ranks.board();
    const HandEvaluator& evaluator = handEvaluator();
    std::uint64_t below = 0, equal = 0, above = 0;
    // Multiplied rather than branched on: each outcome is a coin toss.
    const auto add = [&](HandRank rank, std::uint64_t hands) {
        below += hands * (rank.value < against.value);
        equal += hands * (rank.value == against.value);
        above += hands * (rank.value > against.value);
    };
    Suit flushSuit = Suit::Clubs;  // the suit with the most board cards
    for (const Suit suit : kSuits)
        if (board.cardsOfSuit(suit) > board.cardsOfSuit(flushSuit)) flushSuit = suit;
    const int onBoard = board.cardsOfSuit(flushSuit);
    const CardMask flushCards =
        onBoard >= 3 ? cardsOfSuit(available, static_cast<int>(suitIndex(flushSuit))) : 0;

    // Hands that make no flush rank by their two ranks alone: the hands of
    // each pair of ranks are counted at once.
    std::array<int, 13> all{}, ofFlushSuit{};
    for (int suit = 0; suit < 4; ++suit) {
        const CardMask held = cardsOfSuit(available, suit);
        for (size_t rank = 0; rank < 13; ++rank) all[rank] += static_cast<int>((held >> rank) & 1);
    }
    for (size_t rank = 0; rank < 13; ++rank)
        ofFlushSuit[rank] = static_cast<int>((flushCards >> rank) & 1);
    if (onBoard == 4)  // one card of the suit makes a flush: only hands without one
        for (size_t rank = 0; rank < 13; ++rank) all[rank] -= ofFlushSuit[rank];
    if (onBoard <= 4) {
        for (size_t a = 0; a < 13; ++a) {
            if (all[a] == 0) continue;
            for (size_t b = a; b < 13; ++b) {
                // With three of the suit on the board, two cards of it make a flush.
                const int hands =
                    a == b ? all[a] * (all[a] - 1) / 2
                           : all[a] * all[b] - (onBoard == 3 ? ofFlushSuit[a] * ofFlushSuit[b] : 0);
                if (hands > 0)
                    add(ranks.withoutFlush(static_cast<int>(a) + 2, static_cast<int>(b) + 2),
                        static_cast<std::uint64_t>(hands));
            }
        }
    }
    if (onBoard < 3) return {below, equal, above};

    // Hands that make a flush rank by their cards of the suit alone (five of
    // a suit in seven cards leave no room for a full house or four of a kind),
    // so a card of another suit may stand in for the rest.
    const Suit otherSuit = kSuits[(suitIndex(flushSuit) + 1) % kSuits.size()];
    const int standIn = cardIndex({2, otherSuit});
    const auto others =
        static_cast<std::uint64_t>(std::popcount(available) - std::popcount(flushCards));
    const int base = 13 * static_cast<int>(suitIndex(flushSuit));
    if (onBoard == 5)
        add(evaluator.rank(board.plus(standIn).plus(standIn)), others * (others - 1) / 2);
    for (CardMask rest = flushCards; rest != 0; rest &= rest - 1) {
        const int low = base + std::countr_zero(rest);
        if (onBoard >= 4) add(evaluator.rank(board.plus(low).plus(standIn)), others);
        for (CardMask more = rest & (rest - 1); more != 0; more &= more - 1)
            add(evaluator.rank(board.plus(low).plus(base + std::countr_zero(more))), 1);
    }
    return {below, equal, above};
}

}  // namespace korvana
