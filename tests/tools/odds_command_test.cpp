#include <gtest/gtest.h>

#include <sstream>
#include <vector>

#include "korvana_version.h"
#include "tests/tools/odds_run.h"
#include "tools/korvana_odds/arguments/option_table.h"
#include "tools/korvana_odds/odds_command.h"
#include "tools/korvana_odds/text/terminal_text.h"

namespace korvana {
namespace {

std::string times(int count, const std::string& piece) {
    std::string text;
    for (int i = 0; i < count; ++i) text += piece;
    return text;
}

TEST(OddsCommand, BadInputNamesTheArgumentAndPrintsNothing) {
    struct Case {
        std::vector<std::string> args;
        std::string named;
    };
    const Case cases[] = {
        {{"1h"}, "'1h'"},
        {{"AX"}, "'AX'"},
        {{"Ah1"}, "'1'"},
        {{"AhKdXs"}, "'Xs' in 'AhKdXs'"},
        {{"ah", "AH"}, "'AH'"},
        {{"AhKd", "Qs", "2c3c4c", "5c6c"}, "'6c' in '5c6c'"},
        {{""}, "''"},
        {{","}, "','"},
        {{"Ahh"}, "'Ahh'"},
        {{"Ah", "Kd", "Ah"}, "'Ah'"},
        {{"2c", "3c", "4c", "5c", "6c", "7c", "8c", "9c"}, "'9c'"},
        {{"-", "-", "-", "-", "-", "-", "-", "-"}, "'-'"},
        {{"--colour"}, "'--colour'"},
        {{"--round", "preflop"}, "'preflop'"},
        {{"--round"}, "'--round'"},
        {{"--lang", "de"}, "'de'"},
        {{"--json=yes"}, "'--json'"},
        // A long argument is cut to about 60 characters as shown, escapes included.
        {{std::string(100, 'x')}, "'" + std::string(59, 'x') + "\u2026'"},
        {{"--lang", std::string(100, '\x01')}, "'" + times(14, "\\x01") + "\u2026'"},
    };
    for (const auto& c : cases) {
        const auto outcome = run(c.args);
        SCOPED_TRACE(c.args.front());
        EXPECT_EQ(outcome.status, 2);
        EXPECT_EQ(outcome.out, "");
        EXPECT_NE(outcome.err.find(c.named), std::string::npos) << outcome.err;
        EXPECT_EQ(outcome.err.find("korvana-odds: "), 0u);
    }
}

TEST(OddsCommand, UsageErrorsAreToldInTheLanguageAskedForAnywhereOnTheLine) {
    struct Case {
        std::vector<std::string> args;
        std::string err;
    };
    const Case cases[] = {
        {{"--lang", "ru", "--colour"},
         "korvana-odds: неизвестный параметр '--colour' (см. korvana-odds --help)\n"},
        {{"--samples", "x", "--vs", "AA", "Ah", "Kd", "--lang=ru"},
         "korvana-odds: --samples: нужно число раздач от 1 до 10^12, а не 'x' (см. korvana-odds "
         "--help)\n"},
        {{"--lang", "ru", "--seed", "1", "Ah", "Kd"},
         "korvana-odds: параметр '--seed' действует только с --vs или --opponents (см. "
         "korvana-odds --help)\n"},
        {{"--lang", "ru", "--lang", "en", "--round"},
         "korvana-odds: option '--round' needs a value (see korvana-odds --help)\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.err);
        const auto outcome = run(c.args);
        EXPECT_EQ(outcome.status, 2);
        EXPECT_EQ(outcome.err, c.err);
    }
}

TEST(OddsCommand, TextOutputIsTheListThenTheBestHand) {
    const auto outcome = run({"Kh", "Ah"});
    EXPECT_EQ(outcome.status, 0);
    EXPECT_EQ(outcome.err, "");
    EXPECT_EQ(outcome.out,
              " K A - Royal Flash odds - 1:19600  \n"
              " K A - Straight Flash odds - 1:19600  \n"
              " A - Four of a kind odds - 1:9800  \n"
              " A and K - Full house odds - 1:1088.9  \n"
              " K A - Flash odds - 1:118.8  \n"
              " K A - Straight odds - 1:306.2  \n"
              " A - Three of a kind odds - 1:68.1  \n"
              " A and K - Two Pairs odds - 1:24.7  \n"
              " A - Pair odds - 1:2.9  \n"
              " A High card   \n"
              "Best hand: High card\n");
}

TEST(OddsCommand, OptionsReachThePass) {
    struct Case {
        std::vector<std::string> args;
        OddsCommandEnvironment env;
        std::string firstLine, lastLine;
    };
    const Case cases[] = {
        {{"--round", "river", "Kh", "Ah"},
         {},
         " K A - Royal Flash odds - 1:1960  ",
         "Best hand: High card"},
        {{"--round=turn", "Kh", "Ah"},
         {},
         " K A - Royal Flash odds - 1:4900  ",
         "Best hand: High card"},
        {{"--lang", "ru", "Kc", "Kd"}, {}, " Роял Флеш невозможен ", "Лучшая рука: Пара"},
        {{"--round", "river", "Th", "Jh", "Qh", "Kh", "2c"},
         {false, ","},
         " T J Q K - Royal Flash odds - 1:23,5  ",
         "Best hand: High card"},
        // The turn card only counts once auto-switch has moved the round on.
        {{"--auto", "Th", "Jh", "Qh", "Kh", "2c", "Ah"},
         {},
         " T J Q K A - complete Royal Flash   ",
         "Best hand: Royal Flash"},
        {{"--no-auto", "Th", "Jh", "Qh", "Kh", "2c", "Ah"},
         {},
         " Royal Flash impossible ",
         "Best hand: High card"},
        // Auto-switch is on unless switched off, or a round is named without --auto.
        {{"Th", "Jh", "Qh", "Kh", "2c", "Ah"},
         {},
         " T J Q K A - complete Royal Flash   ",
         "Best hand: Royal Flash"},
        {{"--round", "flop", "Th", "Jh", "Qh", "Kh", "2c", "Ah"},
         {},
         " Royal Flash impossible ",
         "Best hand: High card"},
        {{"--round", "flop", "--auto", "Th", "Jh", "Qh", "Kh", "2c", "Ah"},
         {},
         " T J Q K A - complete Royal Flash   ",
         "Best hand: Royal Flash"},
        {{"--auto", "--no-auto", "Th", "Jh", "Qh", "Kh", "2c", "Ah"},
         {},
         " Royal Flash impossible ",
         "Best hand: High card"},
        {{}, {}, " Royal Flash impossible ", "Best hand: "},
    };
    for (const auto& c : cases) {
        const auto outcome = run(c.args, c.env);
        ASSERT_EQ(outcome.status, 0) << outcome.err;
        EXPECT_EQ(outcome.out.substr(0, outcome.out.find('\n')), c.firstLine);
        const auto lastStart = outcome.out.rfind('\n', outcome.out.size() - 2) + 1;
        EXPECT_EQ(outcome.out.substr(lastStart), c.lastLine + "\n");
    }
}

// Every spelling of the same hand gives the same output as the plain codes.
TEST(OddsCommand, CardsAreReadAsPeopleTypeThem) {
    const std::string plain = run({"--round", "river", "Th", "Jh", "Ah", "-", "2c", "Kd"}).out;
    const std::vector<std::vector<std::string>> spellings = {
        {"th", "JH", "aH", "-", "2C", "kd"},
        {"10h", "Jh", "Ah", "-", "2c", "Kd"},
        {"ThJhAh-2cKd"},
        {"Th,Jh,Ah,-,2c,Kd"},
        {"Th Jh", "Ah; -", "2c,", "Kd"},
        {"T\u2665", "J\u2661", "A\u2665\uFE0F", "-", "2\u2663", "K\u2666"},
        {"10\u2665J\u2665", "A\u2665", "-", "2\u2667", "K\u2662"},
        {"ThJhAh", "-,2c,Kd"},  // a list that starts with an empty slot is no option
    };
    for (const auto& args : spellings) {
        SCOPED_TRACE(args.front());
        std::vector<std::string> full{"--round", "river"};
        full.insert(full.end(), args.begin(), args.end());
        const auto outcome = run(full);
        EXPECT_EQ(outcome.err, "");
        EXPECT_EQ(outcome.out, plain);
    }
}

// Whatever an argument holds, the complaint is one line that shows it escaped.
TEST(OddsCommand, ErrorIsAlwaysOneEscapedLine) {
    struct Case {
        std::string arg, shown;
    };
    const Case cases[] = {
        {"A\nh", "'A\\nh'"},
        {"Ah\n\nKd", "'\\n\\nKd' in 'Ah\\n\\nKd'"},
        {"\x1b[2J\x1b]0;owned\x07", "'\\e[2J\\e]0' in '\\e[2J\\e]0;owned\\x07'"},
        {"x\r\t\x7f\\", "'x\\r\\t\\x7f\\\\'"},
        {"\xc2\x9b"
         "31m",
         "'\\u009b31m'"},
        {"\u2028Ah", "'\\u2028Ah'"},
        {"A\u200bh\ufeff\U000e0041", "'A\\u200bh\\ufeff\\U000e0041'"},
        {"\xff\xc3", "'\\xff\\xc3'"},
        {"\u0416h", "'\u0416h'"},
    };
    for (const auto& c : cases) {
        for (const auto& args : {std::vector<std::string>{c.arg}, {"--lang", c.arg}}) {
            const auto outcome = run(args);
            SCOPED_TRACE(outcome.err);
            EXPECT_EQ(outcome.status, 2);
            EXPECT_EQ(outcome.err.find('\n'), outcome.err.size() - 1);
            for (const char ch : outcome.err.substr(0, outcome.err.size() - 1))
                EXPECT_TRUE(static_cast<unsigned char>(ch) >= 0x20 && ch != 0x7f);
            if (args.size() == 1) {
                EXPECT_NE(outcome.err.find(c.shown), std::string::npos);
            }
        }
    }
}

TEST(OddsCommand, ColourWrapsEachRowInItsLight) {
    const auto outcome = run({"Kc", "Kd"}, {true, "."});
    EXPECT_NE(outcome.out.find("\x1b[31m Royal Flash impossible \x1b[0m\n"), std::string::npos);
    EXPECT_NE(outcome.out.find("\x1b[33m K K - Four of a kind odds - 1:408.3  \x1b[0m\n"),
              std::string::npos);
    EXPECT_NE(outcome.out.find("\x1b[32m K K - complete Pair   \x1b[0m\n"), std::string::npos);
    EXPECT_NE(outcome.out.find("\nBest hand: Pair\n"), std::string::npos);
}

TEST(OddsCommand, JsonCarriesTheFinalRoundAndTheLights) {
    const auto outcome = run({"--json", "--auto", "2c", "3d", "4h", "5s", "7c"});
    ASSERT_EQ(outcome.status, 0);
    const std::string& json = outcome.out;
    EXPECT_EQ(json.find("{\"round\": \"turn\", \"rows\": [{\"text\": \" Royal Flash impossible \", "
                        "\"light\": \"red\", "),
              0u)
        << json;
    EXPECT_NE(
        json.find("{\"text\": \" 3 4 5 7 - Straight odds - 1:3.9  \", \"light\": \"yellow\", "),
        std::string::npos)
        << json;
    EXPECT_NE(json.find("{\"text\": \" 7 High card   \", \"light\": \"green\", "),
              std::string::npos)
        << json;
    EXPECT_NE(
        json.find("], \"best_hand\": \"Best hand: High card\", \"best_category\": \"high_card\", "
                  "\"cards\": [\"2c\", \"3d\", \"4h\", \"5s\", \"7c\", null, null]}\n"),
        std::string::npos)
        << json;
}

// Every row's exact fields for a few hands, checked against the text and counts
// worked out by hand.
TEST(OddsCommand, JsonRowsCarryCategoryStateOddsExactAndOuts) {
    struct Case {
        std::vector<std::string> args;
        size_t row;
        std::string fields;  // from "category" to the end of the row
        std::string bestCategory;
    };
    const Case cases[] = {
        {{"--round", "turn", "As", "Kd", "Qc", "Ts", "9h"},
         5,
         "\"category\": \"straight\", \"state\": \"possible\", \"odds\": 5.9, "
         "\"exact\": 0.0851063829787234, \"outs\": [\"Jc\", \"Jd\", \"Jh\", \"Js\"], "
         "\"label\": \"T Q K A - Straight odds - 1:5.9\"}",
         "\"high_card\""},
        {{"Kh", "Ah"},
         0,
         "\"category\": \"royal_flush\", \"state\": \"possible\", \"odds\": 19600, "
         "\"exact\": 5.102040816326531e-05, \"outs\": [], "
         "\"label\": \"K A - Royal Flash odds - 1:19600\"}",
         "\"high_card\""},
        {{"--round", "river", "Kc", "Kd", "5h", "5s", "2c", "7d"},
         3,
         "\"category\": \"full_house\", \"state\": \"possible\", \"odds\": 11.5, "
         "\"exact\": 0.08695652173913043, \"outs\": [\"5c\", \"5d\", \"Kh\", \"Ks\"], "
         "\"label\": \"K K and 5 5 - Full house odds - 1:11.5\"}",
         "\"two_pairs\""},
        {{"Kc", "Kd"},
         8,
         "\"category\": \"pair\", \"state\": \"complete\", \"odds\": null, \"exact\": 1, \"outs\": "
         "[], \"label\": \"K K - complete Pair\"}",
         "\"pair\""},
        {{"--round", "river"},
         8,
         "\"category\": \"pair\", \"state\": \"impossible\", \"odds\": null, "
         "\"exact\": 0.7898491126330273, \"outs\": [], "
         "\"label\": \"Pair impossible\"}",
         "null"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args.back());
        std::vector<std::string> args{"--json"};
        args.insert(args.end(), c.args.begin(), c.args.end());
        const std::string json = run(args).out;
        size_t start = 0;
        for (size_t row = 0; row <= c.row; ++row) start = json.find("\"category\": ", start + 1);
        EXPECT_EQ(json.substr(start, c.fields.size()), c.fields) << json;
        const std::string best = ", \"best_category\": " + c.bestCategory + ", \"cards\": ";
        EXPECT_EQ(json.substr(json.rfind(", \"best_category\": "), best.size()), best);
    }
}

TEST(OddsCommand, ExactPutsThePercentBeforeEachRow) {
    const auto outcome =
        run({"--exact", "--round", "turn", "As", "Kd", "Qc", "Ts", "9h"}, {false, ","});
    EXPECT_EQ(outcome.out,
              "    0%  Royal Flash impossible \n"
              "    0%  Straight Flash impossible \n"
              "    0%  Four of a kind impossible \n"
              "    0%  Full house impossible \n"
              "    0%  Flash impossible \n"
              "  8,5%  T Q K A - Straight odds - 1:5,9  \n"
              "    0%  Three of a kind impossible \n"
              "    0%  Two Pairs impossible \n"
              " 31,9%  A - Pair odds - 1:3,1  \n"
              "  100%  A High card   \n"
              "Best hand: High card\n");
    // Nothing known: the formula calls every row impossible, the exact chance does not.
    EXPECT_EQ(run({"--exact", "--lang", "ru"}).out.find(" <0.1%  Роял Флеш невозможен \n"), 0u);
}

// Output that cannot be written (a closed stdout, a full disk) is a failure
// on stderr, never a silent success.
TEST(OddsCommand, OutputThatCannotBeWrittenFails) {
    const std::vector<std::vector<std::string>> cases = {
        {"Ah"}, {"--json", "Ah"}, {"--help"}, {"--version"}};
    for (const auto& args : cases) {
        SCOPED_TRACE(args.front());
        std::ostream broken(nullptr);
        std::ostringstream err;
        EXPECT_EQ(runOddsCommand(args, {}, broken, err), 1);
        EXPECT_EQ(err.str(), "korvana-odds: cannot write the output\n");
    }
}

TEST(OddsCommand, HelpAndVersion) {
    const auto help = run({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.out.find("Usage: korvana-odds"), 0u);
    // Every option is listed, and every line fits a terminal of 80 columns.
    for (const OddsOption& option : oddsOptions())
        EXPECT_NE(help.out.find("\n  " + std::string(option.name)), std::string::npos)
            << option.name;
    std::istringstream lines(help.out);
    for (std::string line; std::getline(lines, line);) EXPECT_LE(columns(line), 80u) << line;
    const auto version = run({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, std::string("korvana-odds ") + kProgramVersion + "\n");
}

}  // namespace
}  // namespace korvana
