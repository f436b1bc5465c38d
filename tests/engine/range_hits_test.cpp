// What a range holds on the board, against a plain count: each combination's
// best category by the rules of poker, its draws by trying every rank and
// suit of a card to come.
#include <gtest/gtest.h>

#include <variant>

#include "engine/ranges/hand_range.h"
#include "engine/ranges/range_grid.h"
#include "engine/ranges/range_hits.h"
#include "tests/engine/hand_builder.h"
#include "tests/engine/poker_reference.h"

namespace korvana {
namespace {

HandSet handSetOf(const std::vector<PocketCards>& hands) {
    HandSet set;
    for (const PocketCards cards : hands) set.set(static_cast<size_t>(cards.number()));
    return set;
}

RangeHits plainCount(const HandRange& range, const std::vector<Card>& board, CardMask known) {
    RangeHits hits;
    const auto makesStraight = [](std::vector<Card> cards, int rank) {
        cards.push_back({rank, Suit::Clubs});
        const auto made = test::madeCategories(cards);
        return made.has(Category::Straight);
    };
    for (size_t h = 0; h < range.hands().size(); ++h) {
        const PocketCards pocket = range.hands()[h];
        if (pocket.mask() & known) continue;
        const double weight = range.weightAt(h);
        hits.combos += weight;
        std::vector<Card> cards = board;
        cards.push_back(cardAt(pocket.low));
        cards.push_back(cardAt(pocket.high));
        const auto made = test::madeCategories(cards);
        for (const Category category : kCategoriesInListOrder)
            if (made.has(category)) {
                hits.categories[static_cast<size_t>(listIndex(category))] += weight;
                break;
            }
        if (board.size() == 5) continue;
        for (const Suit suit : kSuits) {
            int ofSuit = 0;
            for (const Card card : cards) ofSuit += card.suit == suit;
            const bool pocketHelps =
                cardAt(pocket.low).suit == suit || cardAt(pocket.high).suit == suit;
            if (ofSuit == 4 && pocketHelps && !made.has(Category::Flush)) hits.flushDraws += weight;
        }
        if (made.has(Category::Straight)) continue;
        int makers = 0;
        for (int rank = 2; rank <= 14; ++rank)
            makers += makesStraight(cards, rank) && !makesStraight(board, rank);
        if (makers >= 2) hits.openEnded += weight;
        if (makers == 1) hits.gutshots += weight;
    }
    return hits;
}

TEST(RangeHits, AgainstAPlainCount) {
    const struct {
        const char* hero;
        const char* board;
        const char* range;
    } spots[] = {
        {"2d 3d", "Ah Kh 5c", "random"},
        {"2d 3d", "Ah Kh 5c", "QQ+, AKs, T9s, 43s, 15%"},
        {"Ac Ad", "9h 8h 2c Js", "15%"},
        {"Ac Ad", "Ts 9s 8d 2c Kh", "random"},
        {"7c 7d", "6h 5h 4h", "T9s-54s, 22+"},
        {"7c 7d", "6h 5h 4h", "T9s-54s:0.5, 22+:0.25, 87o:0.75"},
    };
    for (const auto& spot : spots) {
        SCOPED_TRACE(std::string(spot.board) + " / " + spot.range);
        const auto range = std::get<HandRange>(parseHandRange(spot.range));
        const auto board = test::cardsOf(spot.board);
        CardMask known = 0;
        for (const Card card : test::cardsOf(spot.hero)) known |= cardBit(card);
        const auto hits = countRangeHits(range, board, known);
        ASSERT_TRUE(hits);
        for (const Card card : board) known |= cardBit(card);
        const RangeHits plain = plainCount(range, board, known);
        EXPECT_EQ(hits->combos, plain.combos);
        EXPECT_EQ(hits->categories, plain.categories);
        EXPECT_EQ(hits->flushDraws, plain.flushDraws);
        EXPECT_EQ(hits->openEnded, plain.openEnded);
        EXPECT_EQ(hits->gutshots, plain.gutshots);
    }
    // Before the flop there is nothing to hit.
    EXPECT_FALSE(countRangeHits(HandRange::anyTwoCards(), test::cardsOf("Ah Kh"), 0));
}

// Narrowing keeps exactly the combinations a line counts, and any of several.
TEST(RangeHits, NarrowedToChosenLines) {
    const auto range = std::get<HandRange>(parseHandRange("QQ+, AhQh, 98s, 15%"));
    const auto board = test::cardsOf("Kh 8h 3c");
    const CardMask hero = cardBit(test::cardsOf("2c")[0]);
    const auto hits = countRangeHits(range, board, hero);
    const double counts[kHitLines] = {hits->categories[0], hits->categories[1], hits->categories[2],
                                      hits->categories[3], hits->categories[4], hits->categories[5],
                                      hits->categories[6], hits->categories[7], hits->categories[8],
                                      hits->categories[9], hits->flushDraws,    hits->openEnded,
                                      hits->gutshots};
    for (int line = 0; line < kHitLines; ++line)
        EXPECT_EQ(
            narrowRange(range, board, hero, HitLines().set(static_cast<size_t>(line)))->size(),
            static_cast<size_t>(counts[line]))
            << line;
    EXPECT_EQ(narrowRange(range, board, hero, HitLines().set())->size(),
              static_cast<size_t>(hits->combos));

    HitLines pairsAndFlushDraws;
    pairsAndFlushDraws.set(static_cast<size_t>(hitLineOf(Category::Pair))).set(kFlushDrawLine);
    const auto narrowed = narrowRange(std::get<HandRange>(parseHandRange("QQ+, AhQh, 98s")), board,
                                      hero, pairsAndFlushDraws);
    EXPECT_EQ(shortestRangeText(handSetOf(*narrowed)), "AA, QQ, AhQh, 9c8c, 9d8d, 9s8s");
    // Written as players do: the hands the board takes count as held.
    EXPECT_EQ(
        shortestRangeText(filledWithKnownCards(handSetOf(*narrowed), hero | cardBit(board[1]))),
        "AA, QQ, 98s, AhQh");
    EXPECT_FALSE(narrowRange(range, test::cardsOf("Ah Kh"), 0, pairsAndFlushDraws));
}

}  // namespace
}  // namespace korvana
