// The grid of starting hands: where each hand sits, the text written for a
// set of hands, and the hero's equity against each cell.
#include <gtest/gtest.h>

#include <variant>

#include "engine/equity/grid_equity.h"
#include "engine/ranges/hand_range.h"
#include "engine/ranges/range_grid.h"
#include "tests/engine/hand_builder.h"

namespace korvana {
namespace {

HandSet handsOf(const char* text) {
    HandSet set;
    const auto range = std::get<HandRange>(parseHandRange(text));
    for (const PocketCards cards : range.hands()) set.set(static_cast<size_t>(cards.number()));
    return set;
}

TEST(RangeGrid, PlacesAsPlayersDrawThem) {
    const struct {
        int row, column;
        const char* name;
    } cells[] = {{0, 0, "AA"},   {0, 1, "AKs"}, {1, 0, "AKo"},
                 {12, 12, "22"}, {3, 9, "J5s"}, {9, 3, "J5o"}};
    for (const auto& cell : cells) {
        const StartingHand hand = startingHandAt(cell.row, cell.column);
        EXPECT_EQ(hand.name(), cell.name);
        EXPECT_EQ(gridPlaceOf(hand).row, cell.row);
        EXPECT_EQ(gridPlaceOf(hand).column, cell.column);
    }
}

TEST(RangeGrid, ShortestTextReadsBackTheSameHands) {
    const struct {
        const char* typed;
        const char* written;
    } rows[] = {
        {"QQ+, AKs", "QQ+, AKs"},
        {"AKo, TT+, AQs, AKs", "TT+, AQs+, AKo"},
        {"66-22", "66-22"},
        {"JJ, 99, A2s-A5s", "JJ, 99, A5s-A2s"},
        {"KTo+, T9s", "T9s, KTo+"},
        {"AK", "AKs, AKo"},
        {"AhKh, QQ", "QQ, AhKh"},
        {"random", ""},
        {"15%", "55+, A5s+, K9s+, QJs, A9o+, KJo+"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.typed);
        const HandSet hands = handsOf(row.typed);
        const std::string written = shortestRangeText(hands);
        EXPECT_EQ(written, row.written);
        if (!written.empty()) {
            EXPECT_EQ(handsOf(written.c_str()), hands);
        }
    }
}

TEST(GridEquities, AgainstEachCellOnTheRiver) {
    const auto hero = test::cardsOf("Ah Ad");
    const auto board = test::cardsOf("As Kd 7c 2h 3s");
    const auto equities =
        countGridEquities({hero[0], hero[1]}, board, {}, gridEquityPasses(true, 1).back());
    const struct {
        const char* hand;
        std::optional<double> equity;
    } cells[] = {
        {"AA", std::nullopt},  // every ace is known
        {"KK", 1.0},           // a set against a set of kings
        {"54s", 0.0},          // the wheel beats the set
        {"72o", 1.0},         {"33", 1.0},
    };
    for (const auto& cell : cells) {
        SCOPED_TRACE(cell.hand);
        const auto hands = std::get<HandRange>(parseHandRange(cell.hand)).hands();
        const GridPlace place = gridPlaceOf(startingHandOf(hands.front()));
        EXPECT_EQ(equities[static_cast<size_t>(place.row * kGridSide + place.column)], cell.equity);
    }
}

}  // namespace
}  // namespace korvana
