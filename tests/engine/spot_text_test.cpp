#include "engine/table/spot_text.h"

#include <gtest/gtest.h>

namespace korvana {
namespace {

std::string slots(const Hand& hand) {
    std::string text;
    for (int slot = 1; slot <= kSlotCount; ++slot)
        text += (slot > 1 ? " " : "") + (hand.card(slot) ? cardCode(*hand.card(slot)) : "-");
    return text;
}

// What reading gives, as "slots | opponents | ranges" ("?" for not named, the
// ranges joined by " / "), or "error <problem> <piece>".
std::string read(const std::string& text) {
    const auto spot = readSpotText(text);
    if (const auto* error = std::get_if<SpotTextError>(&spot))
        return "error " + std::to_string(static_cast<int>(error->problem)) + " " + error->piece;
    const auto& pasted = std::get<PastedSpot>(spot);
    std::string ranges;
    for (size_t i = 0; i < pasted.ranges.size(); ++i)
        ranges += (i > 0 ? " / " : "") + pasted.ranges[i];
    std::string dead;
    for (const Card& card : pasted.dead) dead += " " + cardCode(card);
    return slots(pasted.hand) + " | " +
           (pasted.opponents ? std::to_string(*pasted.opponents) : "?") + " | " + ranges +
           (dead.empty() ? "" : " | dead" + dead);
}

// What Copy writes is pinned with the window's Edit menu; here every way of
// reading it, and what refuses.
TEST(SpotText, Reading) {
    using P = SpotTextError::Problem;
    const auto error = [](P problem, const std::string& piece) {
        return "error " + std::to_string(static_cast<int>(problem)) + " " + piece;
    };
    const std::pair<std::string, std::string> cases[] = {
        {"AhKh", "Ah Kh - - - - - | ? | "},
        {"  ah, kh\t-\r\nT\u2665  ", "Ah Kh - Th - - - | ? | "},
        {"Ah Kh --vs 'QQ+, AKs'", "Ah Kh - - - - - | 1 | QQ+,AKs"},
        {"Ah Kh --vs=random --vs any", "Ah Kh - - - - - | 2 |  / "},
        {"Ah Kh --opponents 2 --vs KK --vs KK", "Ah Kh - - - - - | 2 | KK / KK"},
        // Each opponent his own range; those not named hold any two cards.
        {"Ah Kh\n--opponents 3 --vs QQ+,AKs --vs 15%", "Ah Kh - - - - - | 3 | QQ+,AKs / 15%"},
        {"Ah Kh --vs KK --vs random --vs 'T9s-65s, 22-66'",
         "Ah Kh - - - - - | 3 | KK /  / T9s-65s,22-66"},
        {"Ah Kh --opponents 4", "Ah Kh - - - - - | 4 | "},
        {"Ah Kh --dead '7c, 2d' --vs KK", "Ah Kh - - - - - | 1 | KK | dead 7c 2d"},
        {"Ah Kh --dead Ah", error(P::CardTwice, "Ah")},
        {"Ah Kh --dead 7c7c", error(P::CardTwice, "7c")},
        {"Ah Kh --dead 7c -", error(P::UnknownCard, "-")},
        {"", error(P::NoCards, "")},
        {"hello", error(P::UnknownCard, "hello")},
        {"Ah Ah", error(P::CardTwice, "Ah")},
        {"2c 3c 4c 5c 6c 7c 8c 9c", error(P::TooManySlots, "9c")},
        {"Ah Kh --round river", error(P::UnknownOption, "--round")},
        {"Ah Kh --vs", error(P::MissingValue, "--vs")},
        {"Ah Kh --opponents 10", error(P::BadOpponents, "10")},
        {"Ah Kh --opponents 1 --vs KK --vs QQ", error(P::TooManyRanges, "QQ")},
        {"Ah --vs 1 --vs 2 --vs 3 --vs 4 --vs 5 --vs 6 --vs 7 --vs 8 --vs 9 --vs 10",
         error(P::TooManyRanges, "10")},
    };
    for (const auto& [text, expected] : cases) EXPECT_EQ(read(text), expected) << text;
}

}  // namespace
}  // namespace korvana
