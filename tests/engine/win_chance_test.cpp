#include "engine/equity/win_chance.h"

#include <gtest/gtest.h>

#include <string>

#include "engine/table/opponent_seat.h"
#include "tests/engine/hand_builder.h"

namespace korvana {
namespace {

using test::cardsOf;
using test::handOf;

// The table as "hero | board" card codes, or "none" without a spot.
std::string spotText(const std::optional<EquitySpot>& spot) {
    if (!spot) return "none";
    std::string text = cardCode(spot->hero[0]) + " " + cardCode(spot->hero[1]) + " |";
    for (const Card& card : spot->board) text += " " + cardCode(card);
    return text;
}

TEST(WinChanceSpot, HeroFromThePocketSlotsAndEveryPlacedBoardCard) {
    const struct {
        const char* table;
        const char* spot;
    } rows[] = {
        {"", "none"},
        {"Ah", "none"},
        {"- Kd Qs Jc Tc", "none"},  // the board alone says nothing about the hero
        {"Ah Kd", "Ah Kd |"},
        {"Ah Kd Qs Jc Tc", "Ah Kd | Qs Jc Tc"},
        {"Ah Kd - Jc - 9s", "Ah Kd | Jc 9s"},  // holes in the board are skipped
        {"Ah Kd Qs Jc Tc 9s 8s", "Ah Kd | Qs Jc Tc 9s 8s"},
    };
    // Each opponent holds his own range; those beyond the number chosen are left out.
    const HandRange kings = std::get<HandRange>(parseHandRange("KK"));
    Opponents opponents{3};
    opponents.seat(2) = seatHolding("KK");
    opponents.seat(4) = seatHolding("AA");
    for (const auto& row : rows) {
        const auto spot = winChanceSpot(handOf(row.table), opponents.countedRanges());
        EXPECT_EQ(spotText(spot), row.spot) << row.table;
        if (spot) {
            EXPECT_TRUE(spot->dead.empty());
            EXPECT_EQ(spot->opponents, (std::vector<HandRange>{HandRange::anyTwoCards(), kings,
                                                               HandRange::anyTwoCards()}));
        }
    }
}

TEST(WinChanceSpot, BlankRangeTextIsAnyTwoCards) {
    for (const char* text : {"", "  ", "any", "random"})
        EXPECT_EQ(std::get<HandRange>(opponentRange(text)), HandRange::anyTwoCards()) << text;
    EXPECT_EQ(std::get<RangeError>(opponentRange("QQs")).problem, RangeError::Problem::SuitedPair);
    EXPECT_EQ(std::get<RangeError>(opponentRange(" , ")).problem, RangeError::Problem::NoHands);
}

EquityResult counted(std::uint64_t deals, std::uint64_t wins, std::uint64_t ties, bool enumerated,
                     bool complete, int opponents) {
    EquityResult result;
    result.deals = deals;
    result.enumerated = enumerated;
    result.complete = complete;
    result.players.resize(static_cast<size_t>(opponents) + 1);
    result.players[0].wins = wins;
    result.players[0].ties = ties;
    result.players[0].equity = (static_cast<double>(wins) + static_cast<double>(ties) / 2.0) /
                               static_cast<double>(deals == 0 ? 1 : deals);
    return result;
}

TEST(WinChanceFigure, WhatThePlayerReads) {
    const auto walked = [](EquityResult result, double standardError) {
        result.standardError = standardError;
        return result;
    };
    const struct {
        EquityResult result;
        double win, tie, margin;
        bool allBoards;
    } rows[] = {
        // Every board: no margin.
        {counted(990, 660, 33, true, true, 1), 66.6667, 3.3333, 0.0, true},
        // An enumeration cut short is a part of the boards only.
        {counted(1000, 500, 0, true, false, 2), 50.0, 0.0, 3.1, false},
        // 1.96 x sqrt(0.505 x 0.495 / 10000) = 0.98 percent, rounded up to 1.0.
        {counted(10000, 5000, 100, false, true, 2), 50.0, 1.0, 1.0, false},
        // Deals walked one from the next are alike: the count's own, larger
        // error sets the margin (1.96 x 1% = 1.96, rounded up to 2.0).
        {walked(counted(10000, 5000, 100, false, true, 2), 0.01), 50.0, 1.0, 2.0, false},
        // A precise sample still shows a margin of at least a tenth.
        {counted(100'000'000, 85'000'000, 0, false, true, 1), 85.0, 0.0, 0.1, false},
        // A sure win has no spread, but a sample is never certain.
        {counted(5000, 5000, 0, false, true, 9), 100.0, 0.0, 0.1, false},
    };
    for (const auto& row : rows) {
        const auto figure = winChanceFigure(row.result);
        ASSERT_TRUE(figure);
        EXPECT_NEAR(figure->winPercent, row.win, 1e-3);
        EXPECT_NEAR(figure->tiePercent, row.tie, 1e-3);
        EXPECT_NEAR(figure->marginPercent, row.margin, 1e-9) << row.result.deals;
        EXPECT_EQ(figure->allBoards, row.allBoards);
        EXPECT_EQ(figure->opponents, static_cast<int>(row.result.players.size()) - 1);
    }
    EXPECT_FALSE(winChanceFigure(counted(0, 0, 0, false, false, 1)));
}

// The passes as the window runs them: the quick one is on show in time and
// roughly right, the last one precise.
TEST(WinChancePasses, QuickThenPrecise) {
    const auto passes = winChancePasses(1);
    ASSERT_GE(passes.size(), 2u);
    const EquitySpot aces{
        {cardsOf("Ah Ad")[0], cardsOf("Ah Ad")[1]}, {}, {}, {HandRange::anyTwoCards()}};
    const auto quick = std::get<EquityResult>(computeEquity(aces, passes.front()));
    const auto precise = std::get<EquityResult>(computeEquity(aces, passes.back()));
    // Aces against one random hand win 84.9% and tie 0.5% of deals.
    EXPECT_NEAR(winChanceFigure(quick)->winPercent, 84.9, 2.0);
    EXPECT_NEAR(winChanceFigure(precise)->winPercent, 84.9, 0.3);
    EXPECT_LE(winChanceFigure(precise)->marginPercent, 0.2);
    // On the river a single opponent's hands are few enough to count at once.
    const EquitySpot river{{cardsOf("Ah Ad")[0], cardsOf("Ah Ad")[1]},
                           cardsOf("2c 7d 9h Js Kc"),
                           {},
                           {HandRange::anyTwoCards()}};
    EXPECT_TRUE(isFinalCount(std::get<EquityResult>(computeEquity(river, passes.front()))));
}

// Every deal is counted after a sample of a spot whose deals are known in
// number, and only while its pace keeps it within the budget.
TEST(WinChancePasses, EveryDealOnlyWithinTheBudget) {
    EquityResult sample = counted(2'000'000, 0, 0, false, false, 1);
    sample.allDeals = 2'097'572'400;
    EXPECT_TRUE(mayCountEveryDeal(sample));
    sample.allDeals = 0;  // too many to know
    EXPECT_FALSE(mayCountEveryDeal(sample));
    EXPECT_FALSE(mayCountEveryDeal(counted(1'712'304, 0, 0, true, true, 1)));

    const struct {
        double done, seconds;
        bool fits;
    } rows[] = {
        {0.0, 0.2, true},   // too early to tell
        {0.0, 0.5, false},  // no pace at all
        {0.25, 0.6, true},  // 2.4 s in all
        {0.1, 0.5, false},  // 5 s
        {0.99, 2.9, true},  // 2.93 s
        {0.9, 2.9, false},  // 3.2 s
    };
    for (const auto& row : rows)
        EXPECT_EQ(exactCountFits(row.done, std::chrono::duration<double>(row.seconds)), row.fits)
            << row.done << " in " << row.seconds << " s";
}

}  // namespace
}  // namespace korvana
