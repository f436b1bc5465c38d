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

// What reading gives, as "slots | opponents | range" ("?" for not named), or
// "error <problem> <piece>".
std::string read(const std::string& text) {
    const auto spot = readSpotText(text);
    if (const auto* error = std::get_if<SpotTextError>(&spot))
        return "error " + std::to_string(static_cast<int>(error->problem)) + " " + error->piece;
    const auto& pasted = std::get<PastedSpot>(spot);
    return slots(pasted.hand) + " | " +
           (pasted.opponents ? std::to_string(*pasted.opponents) : "?") + " | " +
           pasted.range.value_or("?");
}

// What Copy writes is pinned with the window's Edit menu; here every way of
// reading it, and what refuses.
TEST(SpotText, Reading) {
    using P = SpotTextError::Problem;
    const auto error = [](P problem, const std::string& piece) {
        return "error " + std::to_string(static_cast<int>(problem)) + " " + piece;
    };
    const std::pair<std::string, std::string> cases[] = {
        {"AhKh", "Ah Kh - - - - - | ? | ?"},
        {"  ah, kh\t-\r\nT\u2665  ", "Ah Kh - Th - - - | ? | ?"},
        {"Ah Kh --vs 'QQ+, AKs'", "Ah Kh - - - - - | 1 | QQ+,AKs"},
        {"Ah Kh --vs=random --vs any", "Ah Kh - - - - - | 2 | "},
        {"Ah Kh --opponents 2 --vs KK --vs KK", "Ah Kh - - - - - | 2 | KK"},
        {"", error(P::NoCards, "")},
        {"hello", error(P::UnknownCard, "hello")},
        {"Ah Ah", error(P::CardTwice, "Ah")},
        {"2c 3c 4c 5c 6c 7c 8c 9c", error(P::TooManySlots, "9c")},
        {"Ah Kh --round river", error(P::UnknownOption, "--round")},
        {"Ah Kh --vs", error(P::MissingValue, "--vs")},
        {"Ah Kh --opponents 10", error(P::BadOpponents, "10")},
        {"Ah Kh --vs KK --vs QQ", error(P::MixedRanges, "")},
        {"Ah Kh --opponents 3 --vs KK", error(P::MixedRanges, "")},
    };
    for (const auto& [text, expected] : cases) EXPECT_EQ(read(text), expected) << text;
}

}  // namespace
}  // namespace korvana
