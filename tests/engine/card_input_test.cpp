#include "engine/cards/card_input.h"

#include <gtest/gtest.h>

#include <string>

namespace korvana {
namespace {

// The slots read, as canonical codes ("-" for an empty slot), then "!piece"
// when reading stopped.
std::string read(const std::string& text) {
    const TypedCards typed = parseCardsLeniently(text);
    std::string shown;
    for (const TypedSlot& slot : typed.slots)
        shown += (shown.empty() ? "" : " ") + (slot.card ? cardCode(*slot.card) : std::string("-"));
    if (typed.unreadable) shown += (shown.empty() ? "!" : " !") + *typed.unreadable;
    return shown;
}

TEST(CardInput, ReadsWhatPeopleType) {
    struct Case {
        std::string text, read;
    };
    const Case cases[] = {
        {"Ah", "Ah"},
        {"aH", "Ah"},
        {"10d", "Td"},
        {"tS10c", "Ts Tc"},
        {"Ah,Kd;-  2c", "Ah Kd - 2c"},
        {"\u2663A\u2666", "!\u2663A\u2666"},
        {"A\u2663K\u2667Q\u2665\uFE0FJ\u2661", "Ac Kc Qh Jh"},
        {"1d", "!1d"},
        {"100d", "!100d"},
        {"Ah1", "Ah !1"},
        {"AhK", "Ah !K"},
        {"Ah Kx,Qs", "Ah !Kx"},
        {"A\xe2\x99", "!A\xe2\x99"},
        {"A\xf0\x82\x99\xa3", "!A\xf0\x82\x99\xa3"},  // an overlong \u2663 is no suit
        {"", ""},
        {"Ahh", "Ah !h"},
    };
    for (const auto& c : cases) EXPECT_EQ(read(c.text), c.read) << c.text;
}

}  // namespace
}  // namespace korvana
