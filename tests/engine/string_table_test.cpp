// The engine's text catalogue: filling values into a phrase.
#include "engine/text/string_table.h"

#include <gtest/gtest.h>

#include "engine/ranges/range_error_text.h"

namespace korvana {
namespace {

TEST(StringTable, FillIn) {
    struct Case {
        std::string_view pattern;
        std::string filled;
    };
    const Case cases[] = {
        {"1:%1 in %1 tries (%2).", "1:7 in 7 tries (8%)."},
        {"%2 before %1", "8% before 7"},
        {"no values", "no values"},
        {"100% and %3 stay", "100% and %3 stay"},  // no third value
        {"ends in %", "ends in %"},
    };
    for (const auto& c : cases) EXPECT_EQ(fillIn(c.pattern, {"7", "8%"}), c.filled) << c.pattern;
    // A value is not read again for placeholders of its own.
    EXPECT_EQ(fillIn("%1 %2", {"%2", "x"}), "%2 x");
}

TEST(StringTable, EveryPhraseInEveryLanguage) {
    for (auto p = static_cast<int>(Phrase::HighCard); p <= static_cast<int>(kLastPhrase); ++p)
        for (const Language language : {Language::English, Language::Russian})
            EXPECT_FALSE(phrase(language, static_cast<Phrase>(p)).empty()) << p;
}

// The window and korvana-odds both tell a range's problem with these.
TEST(StringTable, RangeErrorQuotesThePieceInTheLanguagesWay) {
    using Problem = RangeError::Problem;
    struct Case {
        Language language;
        Problem problem;
        std::string_view text;
    };
    const Case cases[] = {
        {Language::English, Problem::SameCardTwice, "\"AhAh\" holds one card twice."},
        {Language::Russian, Problem::SameCardTwice, "В «AhAh» одна карта указана дважды."},
        {Language::English, Problem::NoHands, "The range holds no hands."},
        {Language::Russian, Problem::TooLong, "Диапазон длиннее 10000 символов."},
    };
    for (const auto& c : cases) EXPECT_EQ(rangeErrorText(c.language, c.problem, "AhAh"), c.text);
}

}  // namespace
}  // namespace korvana
