#include <gtest/gtest.h>

#include <vector>

#include "card.h"
#include "hand_state.h"

namespace korvana {
namespace {

CardSlots slots(std::vector<std::string> codes) {
    CardSlots s;
    for (size_t i = 0; i < codes.size(); ++i) s[i] = codes[i];
    return s;
}

struct HandStringCase {
    const char* name;
    CardSlots slots;
    int target;
    std::string hand;
    std::vector<Card> cells;  // exactly the cells that must be set
};

TEST(HandState, HandStringGridAndCount) {
    const std::vector<HandStringCase> cases = {
        {"empty", slots({}), 5, "", {}},
        {"pocket pair of codes", slots({"Ah", "Kd"}), 5, "Ah Kd ", {{14, 3}, {13, 2}}},
        {"hole in slot 3", slots({"2c", "3d", "", "4s"}), 5, "2c 3d 4s ", {{2, 1}, {3, 2}, {4, 4}}},
        {"turn and river left out at the flop", slots({"", "", "", "", "", "Tc", "Jd"}), 5, "", {}},
        {"turn and river counted at the river", slots({"", "", "", "", "", "Tc", "Jd"}), 7, "Tc Jd ",
         {{10, 1}, {11, 2}}},
        {"spade ace", slots({"As"}), 5, "As ", {{14, 4}}},
        {"seven cards", slots({"2c", "3c", "4c", "5c", "6c", "7c", "8c"}), 7,
         "2c 3c 4c 5c 6c 7c 8c ", {{2, 1}, {3, 1}, {4, 1}, {5, 1}, {6, 1}, {7, 1}, {8, 1}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string hand = buildHandString(c.slots, c.target);
        EXPECT_EQ(hand, c.hand);
        CardGrid grid;
        grid.set(9, 2, 1);  // a stale cell from an earlier pass
        clearmycards(grid);
        fillmycards(grid, hand);
        int set = 0;
        for (int rank = 2; rank <= 14; ++rank)
            for (int suit = 1; suit <= 4; ++suit) set += grid.at(rank, suit);
        EXPECT_EQ(set, static_cast<int>(c.cells.size()));
        for (const auto& cell : c.cells) EXPECT_EQ(grid.at(cell.rank, cell.suit), 1);
        EXPECT_EQ(countchar(hand, ' '), static_cast<int>(c.cells.size()));
    }
}

TEST(HandState, UnknownSuitLetterLandsInLastColumn) {
    CardGrid grid;
    fillmycards(grid, "7x ");
    EXPECT_EQ(grid.at(7, 4), 1);
}

TEST(CardCodes, ParseAcceptsExactlyTheFiftyTwoCodes) {
    for (size_t n = 0; n < allCardCodes().size(); ++n) {
        const auto& code = allCardCodes()[n];
        const auto card = parseCardCode(code);
        ASSERT_TRUE(card) << code;
        EXPECT_EQ(cardCode(*card), code);
        EXPECT_EQ(card->suit, static_cast<int>(n / 13) + 1);
        EXPECT_EQ(card->rank, static_cast<int>(n % 13) + 2);
    }
    for (const char* bad : {"", "A", "1h", "AH", "ah", "Ahh", "10h", " Ah", "Tx", "-"})
        EXPECT_FALSE(parseCardCode(bad)) << '"' << bad << '"';
    EXPECT_EQ(allCardCodes().front(), "2c");
    EXPECT_EQ(allCardCodes()[38], "Ah");
    EXPECT_EQ(allCardCodes().back(), "As");
}

}  // namespace
}  // namespace korvana
