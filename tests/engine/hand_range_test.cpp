// Range notation: how many hands each form stands for, and its errors.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "engine/ranges/hand_range.h"
#include "tests/engine/hand_builder.h"

namespace korvana {
namespace {

TEST(HandRange, HandsOfEachForm) {
    struct Case {
        const char* text;
        size_t hands;
        const char* holds;  // a hand in the range ("" for none to check)
        const char* lacks;  // a hand not in it
    };
    const Case cases[] = {
        {"QQ", 6, "Qh Qc", "Kh Kc"},
        {"QQ+", 18, "Ah As", "Jh Jc"},
        {"22-66", 30, "4d 4s", "7d 7s"},
        {"66-22", 30, "2d 2s", "7d 7s"},
        {"AKs", 4, "Ah Kh", "Ah Kd"},
        {"AKo", 12, "Ah Kd", "Ah Kh"},
        {"AK", 16, "Ah Kd", "Ah Qd"},
        {"KA", 16, "Ah Kh", ""},
        {"A2s+", 48, "Ac 2c", "Ac 2d"},
        {"KTo+", 36, "Kd Jc", "Kd 9c"},
        {"T9s-65s", 20, "7h 6h", "5h 4h"},
        {"A5s-A2s", 16, "Ad 3d", "Ad 6d"},
        {"AhKh", 1, "Ah Kh", "As Ks"},
        {"10h 9h", 1, "Th 9h", ""},
        {"QQ+, AKs, QQ", 22, "Ah Kh", "Ah Kd"},
        {" jj , aks ", 10, "Jd Jc", ""},
        {"random", 1326, "2c 3d", ""},
        {"any", 1326, "As Ks", ""},
        // Shares: the strongest starting hands nearest that part of 1 326.
        {"15%", 200, "Ah 6h", "Ah 6d"},
        {"top 15%", 200, "Qs Js", "2c 2d"},
        {"2.5%", 36, "9c 9d", "Ah Kh"},
        {"0.1%", 6, "Ah Ad", "Kh Kd"},
        {"100%", 1326, "3c 2d", ""},
        {"15%, 22+", 218, "2c 2d", ""},  // 55+ in both
        {"TOP 50 %", 658, "Jh 5h", "Jh 5d"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const auto parsed = parseHandRange(c.text);
        ASSERT_TRUE(std::holds_alternative<HandRange>(parsed));
        const auto& hands = std::get<HandRange>(parsed).hands();
        EXPECT_EQ(hands.size(), c.hands);
        const auto has = [&](const char* codes) {
            const auto cards = test::cardsOf(codes);
            return std::find(hands.begin(), hands.end(), PocketCards::of(cards[0], cards[1])) !=
                   hands.end();
        };
        if (*c.holds) {
            EXPECT_TRUE(has(c.holds));
        }
        if (*c.lacks) {
            EXPECT_FALSE(has(c.lacks));
        }
    }
}

std::string afterBlanks(size_t blanks, std::string_view text) {
    std::string padded(blanks, ' ');
    padded.append(text);
    return padded;
}

TEST(HandRange, ErrorsNameTheBadPiece) {
    using Problem = RangeError::Problem;
    const struct {
        std::string text;
        RangeError error;
    } cases[] = {
        {"", {Problem::NoHands, ""}},
        {" , ", {Problem::NoHands, ","}},
        {"QQ, AKx", {Problem::UnknownText, "AKx"}},
        {"QQ, 1A", {Problem::UnknownText, "1A"}},
        {"QQs", {Problem::SuitedPair, "QQs"}},
        {"AKs-QJo", {Problem::UnmatchedEnds, "AKs-QJo"}},
        {"QQ-AK", {Problem::UnmatchedEnds, "QQ-AK"}},
        {"AKs-T8s", {Problem::UnmatchedEnds, "AKs-T8s"}},
        {"AhAh", {Problem::SameCardTwice, "AhAh"}},
        {"AhKh+", {Problem::PlusOnOneHand, "AhKh+"}},
        {"AK, random+", {Problem::UnknownText, "random+"}},
        {"0%", {Problem::ShareOutOfRange, "0%"}},
        {"QQ, top 100.5%", {Problem::ShareOutOfRange, "top 100.5%"}},
        {"top x%", {Problem::UnknownText, "top x%"}},
        {"0." + std::string(400, '0') + "1%",
         {Problem::ShareOutOfRange, "0." + std::string(400, '0') + "1%"}},
        {"1" + std::string(400, '0') + "%",
         {Problem::ShareOutOfRange, "1" + std::string(400, '0') + "%"}},
        {afterBlanks(kMaxRangeCharacters - 3, "AK\xff"), {Problem::UnknownText, "AK\xff"}},
        {afterBlanks(kMaxRangeCharacters - 2, "AK\xff"), {Problem::TooLong, ""}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const auto parsed = parseHandRange(c.text);
        ASSERT_TRUE(std::holds_alternative<RangeError>(parsed));
        EXPECT_EQ(std::get<RangeError>(parsed), c.error);
    }
}

}  // namespace
}  // namespace korvana
