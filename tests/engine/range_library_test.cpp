// The library of named ranges: its file read line by line, "@name" in a
// range, a range saved under a name, where the file lies, the built-in set.
#include <gtest/gtest.h>

#include <cstdlib>

#include "engine/equity/win_chance.h"
#include "engine/ranges/built_in_ranges.h"
#include "engine/ranges/range_library.h"
#include "engine/table/table_session.h"

namespace korvana {
namespace {

using Kind = LibraryProblem::Kind;
using Problem = RangeError::Problem;

constexpr const char* kFile =
    "\xEF\xBB\xBF# my ranges\r\n"
    "tight = QQ+, AK   # value only\r\n"
    "\n"
    "no equals sign\n"
    "bad name = 22+\n"
    "broken = QQs\n"
    "open-btn = 50%\n"
    "Tight = KK+\n"
    "блеф = 76s-54s\n";

TEST(RangeLibrary, ReadsEachGoodLineAndTellsTheBadOnes) {
    const RangeLibrary library(kFile);
    EXPECT_EQ(library.problems(),
              (std::vector<LibraryProblem>{{4, Kind::NoEquals, {}},
                                           {5, Kind::BadName, {}},
                                           {6, Kind::BadRange, {Problem::SuitedPair, "QQs"}}}));
    // Later lines win, names match in either case, the player's come first.
    ASSERT_GE(library.ranges().size(), 3u);
    EXPECT_EQ(library.ranges()[0].name, "open-btn");
    EXPECT_EQ(library.find("TIGHT")->range, "KK+");
    EXPECT_EQ(library.find("tight")->line, 8);
    EXPECT_EQ(library.find("блеф")->range, "76s-54s");
    EXPECT_EQ(library.find("open-btn")->range, "50%");
    EXPECT_FALSE(library.find("open-btn")->explanation);
    EXPECT_EQ(library.ranges().size(), builtInRanges().size() + 2);
    EXPECT_EQ(libraryProblemText(Language::English, library.problems()[2], "ranges.txt"),
              "ranges.txt, line 6: \"QQs\": a pair is neither suited nor offsuit.");
}

TEST(RangeLibrary, NamesInARange) {
    const RangeLibrary library(kFile);
    const struct {
        const char* text;
        std::variant<std::string, RangeError> resolved;
    } rows[] = {
        {"AhKh, @tight, 22", std::string("AhKh, KK+, 22")},
        {" @Tight ", std::string("KK+")},
        {"QQ+, no @ name", std::string("QQ+, no @ name")},
        {"@4bet", std::string(library.find("4bet")->range)},
        {"AK, @nothing", RangeError{Problem::UnknownName, "@nothing"}},
        {"@", RangeError{Problem::UnknownName, "@"}},
    };
    for (const auto& row : rows) EXPECT_EQ(resolveNamedRanges(row.text, library), row.resolved);
    EXPECT_EQ(std::get<HandRange>(opponentRange("@tight", library)),
              std::get<HandRange>(opponentRange("KK+")));
}

TEST(RangeLibrary, SavingUnderANameKeepsEveryOtherLine) {
    const struct {
        const char* file;
        const char* name;
        const char* expected;
    } rows[] = {
        {"", "new", "new = 22+\n"},
        {"# mine\nold = AA", "new", "# mine\nold = AA\nnew = 22+\n"},
        {"# mine\nNEW = AA # was\nx = KK\nnew = QQ\n", "new", "# mine\nnew = 22+\nx = KK\n"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(withNamedRange(row.file, row.name, "22+"), row.expected) << row.file;
    EXPECT_EQ(RangeLibrary(newLibraryText(Language::Russian)).problems().size(), 0u);
}

TEST(RangeLibrary, WhereTheFileLies) {
    using Path = std::optional<std::string>;
    EXPECT_EQ(rangeLibraryPath("/x/conf/", "/home/p"), Path("/x/conf/korvana/ranges.txt"));
    EXPECT_EQ(rangeLibraryPath(std::nullopt, "/home/p"),
              Path("/home/p/.config/korvana/ranges.txt"));
    EXPECT_EQ(rangeLibraryPath("conf", "/home/p"), Path("/home/p/.config/korvana/ranges.txt"));
    EXPECT_EQ(rangeLibraryPath("", std::nullopt), std::nullopt);
}

// A seat naming a range reads it again when the library changes.
TEST(RangeLibrary, SeatsReadTheLibraryAgain) {
    TableSession session;
    session.typeRange(1, "@mine");
    EXPECT_EQ(session.table().opponents.seat(1).problem->problem, Problem::UnknownName);
    const TableUpdate update = session.useRangeLibrary(RangeLibrary("mine = KK"));
    EXPECT_FALSE(update.table.opponents.seat(1).problem);
    EXPECT_EQ(*update.table.opponents.seat(1).range, std::get<HandRange>(parseHandRange("KK")));
}

// Each built-in range reads, and holds the share its explanation gives.
TEST(RangeLibrary, BuiltInRangesHoldWhatTheySay) {
    for (const BuiltInRange& builtIn : builtInRanges()) {
        const auto range = parseHandRange(builtIn.range);
        ASSERT_TRUE(std::holds_alternative<HandRange>(range)) << builtIn.name;
        const std::string said(phrase(Language::English, builtIn.explanation));
        const size_t percent = said.rfind('%');
        const size_t from = said.find_last_not_of("0123456789.", percent - 1) + 1;
        const double share = 100.0 *
                             static_cast<double>(std::get<HandRange>(range).hands().size()) /
                             kPocketCardPairs;
        EXPECT_NEAR(share, std::atof(said.substr(from, percent - from).c_str()), 0.5)
            << builtIn.name;
        EXPECT_TRUE(isRangeName(builtIn.name));
    }
}

}  // namespace
}  // namespace korvana
