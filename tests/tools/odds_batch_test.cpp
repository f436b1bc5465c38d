// korvana-odds in batch mode, and what the single table gained with it: the
// JSON cards and labels, the round line, the colour choice, the empty-table note.
#include <gtest/gtest.h>

#include <sstream>
#include <vector>

#include "tests/tools/odds_run.h"
#include "tools/korvana_odds/text/colour_choice.h"

namespace korvana {
namespace {

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);) lines.push_back(line);
    return lines;
}

constexpr const char* kKhAhLine =
    "Kh Ah - - - - - | K A - Royal Flash odds - 1:19600 | K A - Straight Flash odds - 1:19600 | "
    "A - Four of a kind odds - 1:9800 | A and K - Full house odds - 1:1088.9 | K A - Flash odds "
    "- 1:118.8 | K A - Straight odds - 1:306.2 | A - Three of a kind odds - 1:68.1 | A and K - "
    "Two Pairs odds - 1:24.7 | A - Pair odds - 1:2.9 | A High card | Best hand: High card";

TEST(OddsBatch, EachLineIsOneTableAndBadLinesAreNamed) {
    struct Case {
        std::vector<std::string> args;
        std::string input;
        int status;
        std::vector<std::string> out;  // each line's start
        std::vector<std::string> err;  // each line's start
    };
    const Case cases[] = {
        {{"-"},
         "# comment\nKh Ah  # and a comment\n\n \t\nAh Ah\nKh,Ah\r\n1h\n",
         2,
         {kKhAhLine, kKhAhLine},
         {"korvana-odds: line 5: card 'Ah' is given twice",
          "korvana-odds: line 7: unknown card code '1h' (rank"}},
        {{"--batch", "--exact", "--round", "turn", "--lang", "ru"},
         "As Kd Qc Ts 9h\n2c 3c 4c 5c 6c 7c 8c 9c\n",
         2,
         {"As Kd Qc Ts 9h - - | 0% Роял Флеш невозможен |"},
         {"korvana-odds: line 2: лишняя ячейка '9c'"}},
        {{"-", "--vs", "QdQc"},
         "Ah Kh\nAh\n",
         2,
         {"Ah Kh - - - - - | K A - Royal Flash odds - 1:19600 |"},
         {"korvana-odds: line 2: win chances need both pocket cards"}},
        {{"-"},
         "\xEF\xBB\xBFKh Ah\n" + std::string(70'000, 'A') + "\nKh Ah # " + std::string(9'000, 'x') +
             "\nKh Ah\u200b\n",
         2,
         {kKhAhLine, kKhAhLine},
         {"korvana-odds: line 2: too long for a table: more than 65536 bytes before any #",
          "korvana-odds: line 4: unknown card code '\\u200b' in 'Ah\\u200b'"}},
        {{"-"}, "", 0, {}, {}},
        // The longest line a table may take, and one byte more.
        {{"-"},
         "Kh Ah" + std::string(65'531, ' ') + "\nKh Ah" + std::string(65'532, ' ') + "\n",
         2,
         {kKhAhLine},
         {"korvana-odds: line 2: too long for a table: more than 65536 bytes before any #"}},
        {{"--batch", "Ah"}, "Kh\n", 2, {}, {"korvana-odds: with - or --batch the tables come"}},
        // A line may carry options for itself alone, on top of the command line's.
        {{"-", "--no-auto"},
         "Ah Kh Qd 7c 2s --vs QQ+ --vs 15%\nAh Kh Qd 7c 2s\nAh Kh --json\nAh Kh --samples 10\n",
         2,
         {"Ah Kh Qd 7c 2s - - | ", "Ah Kh Qd 7c 2s - - | "},
         {"korvana-odds: line 3: option '--json' shapes the whole run",
          "korvana-odds: line 4: option '--samples' needs --vs or --opponents"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.input);
        const auto outcome = run(c.args, {}, c.input);
        EXPECT_EQ(outcome.status, c.status);
        const auto out = linesOf(outcome.out), err = linesOf(outcome.err);
        ASSERT_EQ(out.size(), c.out.size()) << outcome.out;
        for (size_t i = 0; i < out.size(); ++i) EXPECT_EQ(out[i].find(c.out[i]), 0u) << out[i];
        ASSERT_EQ(err.size(), c.err.size()) << outcome.err;
        for (size_t i = 0; i < err.size(); ++i) EXPECT_EQ(err[i].find(c.err[i]), 0u) << err[i];
    }
    // After "--" a lone "-" is the empty slot it always was.
    EXPECT_EQ(run({"--", "-"}, {}, "Ah\n").out, run({}).out);
    // A line's ranges, quoted or as Copy writes them, add to the command line's.
    const std::string twoOpponents = run({"-", "--vs", "QQ+"}, {}, "Ah Kh --vs 'AKs, 15%'\n").out;
    EXPECT_EQ(twoOpponents, run({"-"}, {}, "Ah Kh --opponents 2 --vs QQ+ --vs \"AKs, 15%\"\n").out);
    EXPECT_NE(twoOpponents.find("Win chances against 2 opponents"), std::string::npos);
    EXPECT_EQ(run({"-"}, {}, "Ah Kh - 7c\n").out.find("Win chances"), std::string::npos);
    // The win chances follow the rows on the same line.
    EXPECT_NE(run({"-", "--vs", "QdQc"}, {}, "Ah Kh\n")
                  .out.find(" | Best hand: High card | Win chances against 1 opponent: | "
                            "AhKh  win  46.02%  tie   0.39%  equity  46.21% | QdQc  win  53.59%  "
                            "tie   0.39%  equity  53.79% | all 1 712 304 boards\n"),
              std::string::npos);
}

// A JSON line is the object --json prints for the same cards, numbered by its
// input line; a refused line gives an error object in its place.
TEST(OddsBatch, JsonLinesAreTheSingleTableObjectsOnePerTable) {
    const auto numbered = [](long line, const std::string& object) {
        return "{\"line\": " + std::to_string(line) + ", " + object.substr(1);
    };
    const auto batch = run({"--json", "-", "--round", "river"}, {},
                           "Kh Ah\n# note\nAh Ah\nTh Jh Qh Kh 2c\n2c 3c 4c 5c 6c 7c 8c 9c\n");
    EXPECT_EQ(batch.status, 2);
    EXPECT_EQ(
        batch.out,
        numbered(1, run({"--json", "--round", "river", "Kh", "Ah"}).out) +
            "{\"line\": 3, \"error\": \"card 'Ah' is given twice\"}\n" +
            numbered(4, run({"--json", "--round", "river", "Th", "Jh", "Qh", "Kh", "2c"}).out) +
            "{\"line\": 5, \"error\": \"too many slots at '9c': a hand has at most seven\"}\n");
    EXPECT_EQ(linesOf(batch.err).size(), 2u);
    // What a refused line quotes stays one valid JSON string.
    EXPECT_EQ(run({"--json", "-"}, {}, "Ah \x7f\nKh\\\n").out,
              "{\"line\": 1, \"error\": \"unknown card code '\\u007f' (rank 23456789TJQKA or 10, "
              "then suit cdhs or \u2663\u2666\u2665\u2660, e.g. Ah)\"}\n"
              "{\"line\": 2, \"error\": \"unknown card code '\\\\' in 'Kh\\\\' (rank "
              "23456789TJQKA or 10, then suit cdhs or \u2663\u2666\u2665\u2660, e.g. Ah)\"}\n");
}

TEST(OddsBatch, BrokenOutputStopsTheBatch) {
    std::istringstream in("Ah\nKh\n");
    std::ostream broken(nullptr);
    std::ostringstream err;
    OddsCommandEnvironment env;
    env.input = &in;
    EXPECT_EQ(runOddsCommand({"-"}, env, broken, err), 1);
    EXPECT_EQ(err.str(), "korvana-odds: cannot write the output\n");
}

TEST(OddsJson, CardsAreTheSevenSlotsAsTheToolWritesThem) {
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{}, "[null, null, null, null, null, null, null]"},
        {{"ah", "-", "10\u2665"}, "[\"Ah\", null, \"Th\", null, null, null, null]"},
        {{"-,-,-,-,-,-,Qs"}, "[null, null, null, null, null, null, \"Qs\"]"},
    };
    for (const auto& [args, cards] : cases) {
        std::vector<std::string> full{"--json"};
        full.insert(full.end(), args.begin(), args.end());
        const std::string json = run(full).out;
        EXPECT_EQ(json.substr(json.rfind(", \"cards\": ")), ", \"cards\": " + cards + "}\n");
    }
}

// The round line stands before the best hand only when auto-switch moved the round.
TEST(OddsText, RoundLineNamesARoundThatWasSwitched) {
    struct Case {
        std::vector<std::string> args;
        std::string line;  // the one before the best hand; empty: a row is there
    };
    const Case cases[] = {
        {{"Th", "Jh", "Qh", "Kh", "2c"}, "Odds by the turn (round switched automatically)"},
        {{"--lang", "ru", "Th", "Jh", "Qh", "Kh", "2c", "3d"},
         "Шансы к риверу (раунд переключён автоматически)"},
        {{"--round", "river", "--auto", "Ah"}, "Odds by the flop (round switched automatically)"},
        {{"--round", "turn", "--auto", "Th", "Jh", "Qh", "Kh", "2c"}, ""},
        {{"--no-auto", "Th", "Jh", "Qh", "Kh", "2c", "3d"}, ""},
        {{"Ah", "Kh"}, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args.back());
        const auto lines = linesOf(run(c.args).out);
        ASSERT_EQ(lines.size(), c.line.empty() ? 11u : 12u);
        if (!c.line.empty()) {
            EXPECT_EQ(lines[10], c.line);
        }
    }
}

TEST(OddsText, ColourOnlyOnATerminalThatShowsIt) {
    struct Case {
        bool terminal;
        const char* noColour;
        const char* term;
        bool colour;
    };
    const Case cases[] = {
        {true, nullptr, "xterm-256color", true},
        {true, nullptr, nullptr, true},
        {true, nullptr, "dumb", false},
        {true, "", "xterm", false},
        {true, "1", "xterm", false},
        {false, nullptr, "xterm", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(colourWanted(c.terminal, c.noColour, c.term), c.colour)
            << c.terminal << (c.noColour ? c.noColour : "-") << (c.term ? c.term : "-");
}

// Cards piped to a command that reads none: a note says how to pass them.
TEST(OddsText, EmptyTableFromAPipeGetsANote) {
    OddsCommandEnvironment piped;
    piped.inputIsPipe = true;
    const auto note = run({}, piped, "Ah Kh\n");
    EXPECT_EQ(note.status, 0);
    EXPECT_EQ(note.out, run({}).out);
    EXPECT_EQ(note.err,
              "korvana-odds: note: no cards given, so the table is empty; give them as arguments "
              "(korvana-odds Ah Kh) or use - to read one table per line\n");
    EXPECT_EQ(run({"Ah"}, piped).err, "");
    EXPECT_EQ(run({"--version"}, piped).err, "");
    EXPECT_EQ(run({}).err, "");  // typed at a terminal: the user sees what he asked for
}

}  // namespace
}  // namespace korvana
