#include <gtest/gtest.h>

#include <vector>

#include "engine/cards/card.h"
#include "engine/cards/hand.h"
#include "tests/engine/hand_builder.h"

namespace korvana {
namespace {

using test::handOf;

struct CountedCase {
    const char* name;
    const char* cards;
    int lastSlot;
    std::vector<Card> counted;  // in slot order; exactly the cells the grid sets
};

TEST(Hand, CountedCardsAndGrid) {
    const std::vector<CountedCase> cases = {
        {"empty", "", 5, {}},
        {"pocket cards", "Ah Kd", 5, {{14, Suit::Hearts}, {13, Suit::Diamonds}}},
        {"hole in slot 3",
         "2c 3d - 4s",
         5,
         {{2, Suit::Clubs}, {3, Suit::Diamonds}, {4, Suit::Spades}}},
        {"turn and river left out at the flop", "- - - - - Tc Jd", 5, {}},
        {"turn and river counted at the river",
         "- - - - - Tc Jd",
         7,
         {{10, Suit::Clubs}, {11, Suit::Diamonds}}},
        {"spade ace", "As", 5, {{14, Suit::Spades}}},
        {"seven cards",
         "2c 3c 4c 5c 6c 7c 8c",
         7,
         {{2, Suit::Clubs},
          {3, Suit::Clubs},
          {4, Suit::Clubs},
          {5, Suit::Clubs},
          {6, Suit::Clubs},
          {7, Suit::Clubs},
          {8, Suit::Clubs}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::vector<Card> counted = handOf(c.cards).cardsUpTo(c.lastSlot);
        EXPECT_EQ(counted, c.counted);
        const CardGrid grid(counted);
        int set = 0;
        for (int rank = 2; rank <= 14; ++rank)
            for (const Suit suit : kSuits) set += grid.at(rank, suit);
        EXPECT_EQ(set, static_cast<int>(c.counted.size()));
        for (const auto& card : c.counted) EXPECT_EQ(grid.at(card.rank, card.suit), 1);
    }
}

TEST(Hand, ToggleTakesOffOrFillsTheFirstEmptySlot) {
    using Outcome = CardToggle::Outcome;
    struct Case {
        const char* before;
        const char* card;
        Outcome outcome;
        int slot;
        const char* after;
    };
    const Case cases[] = {
        {"", "Ah", Outcome::PutOn, 1, "Ah"},
        {"Ah Kd", "Ah", Outcome::TakenOff, 1, "- Kd"},
        {"Ah - Kd", "7c", Outcome::PutOn, 2, "Ah 7c Kd"},
        {"2c 3c 4c 5c 6c 7c 8c", "9c", Outcome::NoRoom, 0, "2c 3c 4c 5c 6c 7c 8c"},
        {"2c 3c 4c 5c 6c 7c 8c", "8c", Outcome::TakenOff, 7, "2c 3c 4c 5c 6c 7c"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.before) + " + " + c.card);
        Hand hand = handOf(c.before);
        const CardToggle toggle = hand.toggleCard(*parseCardCode(c.card));
        EXPECT_EQ(toggle.outcome, c.outcome);
        EXPECT_EQ(toggle.slot, c.slot);
        EXPECT_EQ(hand.cardsUpTo(kSlotCount), handOf(c.after).cardsUpTo(kSlotCount));
    }
    Hand hand = handOf("Ah Kd");
    EXPECT_FALSE(hand.place(3, {14, Suit::Hearts}));  // a card stands in one slot only
    EXPECT_EQ(hand.clear(), 2);
    EXPECT_EQ(hand.count(), 0);
}

TEST(CardCodes, ParseAcceptsExactlyTheFiftyTwoCodes) {
    for (size_t n = 0; n < allCardCodes().size(); ++n) {
        const auto& code = allCardCodes()[n];
        const auto card = parseCardCode(code);
        ASSERT_TRUE(card) << code;
        EXPECT_EQ(cardCode(*card), code);
        EXPECT_EQ(card->suit, kSuits[n / 13]);
        EXPECT_EQ(card->rank, static_cast<int>(n % 13) + 2);
        EXPECT_EQ(cardIndex(*card), static_cast<int>(n));
        EXPECT_EQ(cardAt(static_cast<int>(n)), *card);
    }
    for (const char* bad : {"", "A", "1h", "AH", "ah", "Ahh", "10h", " Ah", "Tx", "-"})
        EXPECT_FALSE(parseCardCode(bad)) << '"' << bad << '"';
    EXPECT_EQ(allCardCodes().front(), "2c");
    EXPECT_EQ(allCardCodes()[38], "Ah");
    EXPECT_EQ(allCardCodes().back(), "As");
}

}  // namespace
}  // namespace korvana
