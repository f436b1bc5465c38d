// korvana-odds with opponents: the win-chance block, its JSON and its complaints.
#include <gtest/gtest.h>

#include <fstream>

#include <sstream>
#include <vector>

#include "engine/equity/win_chance.h"
#include "engine/table/opponent_seat.h"
#include "engine/table/spot_text.h"
#include "tools/korvana_odds/odds_command.h"
#include "tools/korvana_odds/text/progress_line.h"

namespace korvana {
namespace {

struct Outcome {
    int status;
    std::string out, err;
};

Outcome run(std::vector<std::string> args, OddsCommandEnvironment env = {}) {
    std::ostringstream out, err;
    env.threads = 2;
    const int status = runOddsCommand(args, env, out, err);
    return {status, out.str(), err.str()};
}

TEST(OddsEquity, TextBlockFollowsTheRows) {
    struct Case {
        std::vector<std::string> args;
        OddsCommandEnvironment env;
        std::string block;  // from the blank line after the best hand
    };
    const Case cases[] = {
        {{"Ah", "Kh", "--vs", "QdQc"},
         {},
         "\n\nWin chances against 1 opponent:\n"
         " AhKh  win  46.02%  tie   0.39%  equity  46.21%\n"
         " QdQc  win  53.59%  tie   0.39%  equity  53.79%\n"
         "all 1 712 304 boards\n"},
        {{"--lang", "ru", "AhKh", "Qh", "Jh", "Th", "2c", "3d", "--opponents", "1"},
         {false, ","},
         "\n\nШансы против 1 соперника:\n"
         " AhKh    выигрыш 100,00%  ничья   0,00%  доля банка 100,00%\n"
         " random  выигрыш   0,00%  ничья   0,00%  доля банка   0,00%\n"
         "все раздачи: 990\n"},
        {{"Ah", "Kh", "--vs", "JJ+", "--opponents", "2", "--samples", "40000", "--seed", "7"},
         {},
         "\n\nWin chances against 2 opponents:\n"
         " AhKh    win  33.80%  tie   0.82%  equity  34.15%\n"
         " JJ+     win  51.41%  tie   0.64%  equity  51.68%\n"
         " random  win  13.85%  tie   0.76%  equity  14.17%\n"
         "40 000 sampled deals, \u00b10.49%\n"},
        // A weighted range for the hero: his kings at one half win 3 x 5 x 0.5 of 127.5.
        {{"-", "-", "Kc", "8d", "3s", "2h", "7c", "--hero", "QQ+:0.5, AK", "--vs", "KK, 88, 73s"},
         {},
         "\n\nWin chances against 1 opponent:\n"
         " QQ+:0.5, AK  win   5.88%  tie   0.00%  equity   5.88%\n"
         " KK, 88, 73s  win  94.12%  tie   0.00%  equity  94.12%\n"
         "all 183 deals\n"},
        {{"Ah", "Kh", "--vs", "random", "--samples", "1"},
         {},
         "\n\nWin chances against 1 opponent:\n"
         " AhKh    win   0.00%  tie   0.00%  equity   0.00%\n"
         " random  win 100.00%  tie   0.00%  equity 100.00%\n"
         "1 sampled deal, too few to estimate the error\n"},
        {{"Ah", "Kh", "Qh", "Jh", "Th", "2c", "3c", "--opponents", "1", "--dead",
          "2d3d4d5d6d7d8d9dTdJdQdKdAd2s3s4s5s6s7s8s9sTsJsQsKsAs4c5c6c7c8c9cTcJcQcKcAc2h3h4h5h6h7h"},
         {},
         "\n\nWin chances against 1 opponent:\n"
         " AhKh    win 100.00%  tie   0.00%  equity 100.00%\n"
         " random  win   0.00%  tie   0.00%  equity   0.00%\n"
         "the only board\n"},
        {{"Ah", "Kh", "--vs", "KK", "--dead", "Kc"},
         {},
         "\n\nWin chances against 1 opponent:\n"
         " AhKh  win  36.97%  tie   0.88%  equity  37.41%\n"
         " KK    win  62.15%  tie   0.88%  equity  62.59%\n"
         "all 1 533 939 boards\n"},
        {{"Ah", "Kh", "--vs", "QQ+,\t" + std::string(29 * 3, ',') + "AK", "--samples", "100"},
         {},
         "\n\nWin chances against 1 opponent:\n"
         " AhKh                                      win  29.00%  tie  40.00%  equity  49.00%\n"
         " QQ+,\\t,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,\u2026  win  31.00%  tie  40.00%  equity  "
         "51.00%\n"
         "100 sampled deals, \u00b17.59%\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args.back());
        const auto outcome = run(c.args, c.env);
        ASSERT_EQ(outcome.status, 0) << outcome.err;
        EXPECT_EQ(outcome.err, "");
        EXPECT_EQ(outcome.out.substr(outcome.out.find("\n\n")), c.block);
    }
}

// The same seed gives the same sample on any number of threads.
// The window's Copy, run by korvana-odds as a shell splits it, counts what
// the window counts: every opponent on his own range.
TEST(OddsEquity, ACopiedSpotGivesTheWindowsFigure) {
    const struct {
        std::vector<std::string> ranges;
        std::vector<Card> dead = {};  // seen folded
    } rows[] = {
        {{"QQ+, AKs", "15%", "T9s-65s, 22-66"}},
        {{"", "KK", ""}},
        {{"AA", "KK", "QQ", "JJ"}, {{12, Suit::Clubs}, {9, Suit::Hearts}}},
    };
    const Hand hand = std::get<PastedSpot>(readSpotText("Ah Kd 7c 8d 2s Js")).hand;
    for (const auto& [ranges, dead] : rows) {
        Opponents opponents{static_cast<int>(ranges.size())};
        for (size_t i = 0; i < ranges.size(); ++i) opponents.seats[i] = seatHolding(ranges[i]);
        const auto counted = computeEquity(*winChanceSpot(hand, opponents.countedRanges(), dead),
                                           winChancePasses(2).back());
        const double window = std::get<EquityResult>(counted).players.front().equity * 100;

        std::istringstream words(spotText(hand, opponents.countedTexts(), dead));
        std::vector<std::string> args;
        for (std::string word; words >> word;) args.push_back(word);
        const std::string out = run(args).out;
        const size_t hero = out.find("equity", out.find("Win chances against"));
        ASSERT_NE(hero, std::string::npos) << out;
        EXPECT_NEAR(std::stod(out.substr(hero + 6)), window, 0.006) << out;
    }
}

TEST(OddsEquity, SeedRepeatsTheSample) {
    const std::vector<std::string> args = {"Ah",        "Kh",    "--opponents", "3",
                                           "--samples", "50000", "--seed",      "9"};
    std::vector<std::string> oneThread = args;
    oneThread.insert(oneThread.end(), {"--threads", "1"});
    EXPECT_EQ(run(args).out, run(oneThread).out);
    std::vector<std::string> otherSeed = args;
    otherSeed.back() = "10";
    EXPECT_NE(run(args).out, run(otherSeed).out);
}

TEST(OddsEquity, JsonAddsTheEquityObject) {
    const auto enumerated =
        run({"--json", "Ah", "Kh", "7h", "7c", "2d", "--vs", "7s7d", "--vs", "random"});
    ASSERT_EQ(enumerated.status, 0) << enumerated.err;
    EXPECT_NE(
        enumerated.out.find(
            ", \"best_category\": \"pair\", \"equity\": {\"method\": \"enumerated\", "
            "\"deals\": 893970, \"std_error\": null, \"time_limit_reached\": false, \"players\": "
            "[{\"spec\": \"AhKh\", "
            "\"wins\": 0, \"ties\": 0, \"equity\": 0}, {\"spec\": \"7s7d\", \"wins\": 893868, "
            "\"ties\": 0, \"equity\": 0.9998859022114837}, {\"spec\": \"random\", \"wins\": 102, "
            "\"ties\": 0, \"equity\": 0.00011409778851639317}], \"hero_final\": {\"royal_flush\": "
            "0, "
            "\"straight_flush\": 0, \"four_of_a_kind\": 0, \"full_house\": 8127, \"flush\": 40635, "
            "\"straight\": 0, \"three_of_a_kind\": 0, \"two_pairs\": 357588, \"pair\": 487620, "
            "\"high_card\": 0}}, \"cards\": [\"Ah\", \"Kh\", \"7h\", \"7c\", \"2d\", null, "
            "null]}\n"),
        std::string::npos)
        << enumerated.out;
    // The hero's range is what the JSON names him by; weighted deals add up to their weight.
    const auto ranged = run({"--json", "-", "-", "Kc", "8d", "3s", "2h", "7c", "--hero",
                             "QQ+:0.5, AK", "--vs", "KK, 88, 73s"});
    EXPECT_NE(ranged.out.find("\"deals\": 183, \"weight\": 127.5, \"std_error\": null, "
                              "\"time_limit_reached\": false, \"players\": [{\"spec\": "
                              "\"QQ+:0.5, AK\", \"wins\": 7.5, \"ties\": 0"),
              std::string::npos)
        << ranged.out;
    const auto sampled = run({"--json", "Ah", "Kh", "--opponents", "2", "--samples", "5000"});
    EXPECT_NE(sampled.out.find(
                  "\"equity\": {\"method\": \"sampled\", \"deals\": 5000, \"std_error\": 0.0"),
              std::string::npos)
        << sampled.out;
    // One deal tells nothing of the error.
    EXPECT_NE(run({"--json", "Ah", "Kh", "--opponents", "1", "--samples", "1"})
                  .out.find("\"deals\": 1, \"std_error\": null"),
              std::string::npos);
}

// The pot odds follow the win chances: in the text, on the batch line and in JSON.
TEST(OddsEquity, PotOddsFollowTheWinChances) {
    const std::vector<std::string> spot{"Ah", "Kh", "--vs", "QdQc", "--pot", "100", "--call", "20"};
    const struct {
        std::vector<std::string> more;
        std::string input, expected;
    } rows[] = {
        {{},
         "",
         "\nPot odds: 20 to call into 100 needs 16.67% equity; yours is 46.21%: the call pays\n"},
        {{"--lang", "ru"},
         "",
         "Шансы банка: колл 20 в банк 100 требует доли банка 16.67%; у вас 46.21%: колл "
         "окупается\n"},
        // Each amount a number, their sum beyond one.
        {{"--pot", std::string(308, '9'), "--call", std::string(308, '9'), "--json"},
         "",
         "\"needed_equity\": 0.5, "},
        {{"--json"},
         "",
         ", \"pot_odds\": {\"pot\": 100, \"call\": 20, \"needed_equity\": 0.16666666666666666, "
         "\"equity\": 0.46214457245909607, \"call_pays\": true}, \"cards\""},
    };
    for (const auto& row : rows) {
        std::vector<std::string> args = spot;
        args.insert(args.end(), row.more.begin(), row.more.end());
        const auto outcome = run(args);
        EXPECT_NE(outcome.out.find(row.expected), std::string::npos) << outcome.out;
    }
    // A call of 120 into 100 needs 54.55%: not with 46.21%.
    std::istringstream table("Ah Kh\n");
    OddsCommandEnvironment env;
    env.input = &table;
    EXPECT_NE(run({"-", "--vs", "QdQc", "--pot", "100", "--call", "120"}, env)
                  .out.find(" | Pot odds: 120 to call into 100 needs 54.55% equity; yours is "
                            "46.21%: the call does not pay\n"),
              std::string::npos);
}

// A run the time limit stops says so, with every deal it counted.
TEST(OddsEquity, TimeLimitIsNamedInTextAndJson) {
    const std::vector<std::string> args = {"Ah",          "Kh",    "--opponents",  "3",
                                           "--precision", "0.002", "--time-limit", "0.05"};
    const auto text = run(args);
    EXPECT_EQ(text.status, 0);
    EXPECT_NE(text.out.find(" sampled deals, \u00b10."), std::string::npos) << text.out;
    EXPECT_NE(text.out.find("% (time limit reached)\n"), std::string::npos) << text.out;
    std::vector<std::string> json = args;
    json.push_back("--json");
    EXPECT_NE(run(json).out.find("\"time_limit_reached\": true"), std::string::npos);
}

// A long count on a terminal: the share done, then the time left once its
// pace shows.
TEST(OddsEquity, ProgressTellsTheTimeLeft) {
    using std::chrono::seconds;
    const struct {
        bool counting;
        double done;
        seconds elapsed;
        const char* line;
    } cases[] = {
        {true, 0.01, seconds(2), "korvana-odds: counting deals, 1%"},
        {true, 0.25, seconds(3), "korvana-odds: counting deals, 25%, about 9 s left"},
        {false, 0.5, seconds(100), "korvana-odds: sampling deals, 50%, about 2 min left"},
        {true, 0.1, seconds(3600), "korvana-odds: counting deals, 10%, about 9 h left"},
        {true, 1.0, seconds(5), "korvana-odds: counting deals, 100%"},
    };
    for (const auto& c : cases) EXPECT_EQ(progressLine(c.counting, c.done, c.elapsed), c.line);
}

// What a range holds on the board: the JSON object as scripts read it, the
// same counts in the text block, the known cards left out.
TEST(OddsEquity, RangeHitsInJsonAndText) {
    const auto json = run({"--json", "Ah", "Kd", "Qs", "Jc", "2h", "--range-hits", "QQ+, T9s"});
    ASSERT_EQ(json.status, 0) << json.err;
    EXPECT_NE(
        json.out.find("\"range_hits\": {\"range\": \"QQ+, T9s\", \"combos\": 13, \"categories\": "
                      "{\"royal_flush\": 0, \"straight_flush\": 0, \"four_of_a_kind\": 0, "
                      "\"full_house\": 0, \"flush\": 0, \"straight\": 0, \"three_of_a_kind\": 3, "
                      "\"two_pairs\": 0, \"pair\": 6, \"high_card\": 4}, \"draws\": "
                      "{\"flush_draw\": 0, \"open_ended\": 4, \"gutshot\": 0}}"),
        std::string::npos)
        << json.out;
    std::string longRange = "QQ+,\tT9s";
    while (longRange.size() < 9'990) longRange += ", AK";
    const struct {
        std::vector<std::string> more;
        std::string expected;
        bool shares = true;  // rows of the range's shares follow
    } rows[] = {
        {{"QQ+, T9s"}, "\nRange QQ+, T9s on this board, 13 combinations:\n"},
        {{"QQ+, T9s"}, " Open-ended straight draw     4   30.8%\n"},
        {{"QQ+, T9s", "--dead", "Qh"}, "\nRange QQ+, T9s on this board, 11 combinations:\n"},
        // The heading as short and as safe as an opponent's name.
        {{longRange},
         "\nRange QQ+,\\tT9s, AK, AK, AK, AK, AK, AK, AK, \u2026 on this board, 22 "
         "combinations:\n"},
        // Said once, with no rows of nothing.
        {{"AhKh, QsQd"},
         "\nRange AhKh, QsQd on this board: the known cards leave none of its combinations\n",
         false},
    };
    for (const auto& row : rows) {
        std::vector<std::string> args{"Ah", "Kd", "Qs", "Jc", "2h", "--range-hits"};
        args.insert(args.end(), row.more.begin(), row.more.end());
        const auto text = run(args);
        EXPECT_EQ(text.status, 0) << text.err;
        EXPECT_NE(text.out.find(row.expected), std::string::npos) << text.out;
        EXPECT_EQ(text.out.find('%') != std::string::npos, row.shares) << text.out;
    }
}

// Ranges named in the library's file, and a range narrowed to what it hits:
// the JSON as scripts read it, the text block's line, the bad line told.
TEST(OddsEquity, NamedRangesAndNarrowing) {
    std::ofstream("odds_equity_ranges.txt") << "mine = QQ+\nbroken\n";
    OddsCommandEnvironment env;
    env.rangeLibraryPath = "odds_equity_ranges.txt";
    const std::vector<std::string> args = {"Ah",         "Kd",       "Qs",
                                           "Jc",         "2h",       "--range-hits",
                                           "@mine, T9s", "--narrow", "three_of_a_kind, open_ended"};
    auto json = args;
    json.push_back("--json");
    const auto narrowed = run(json, env);
    EXPECT_NE(narrowed.out.find("\"gutshot\": 0}, \"narrowed\": {\"range\": \"QQ, T9s\", "
                                "\"combos\": [\"QdQc\", \"QhQc\", \"QhQd\", \"Tc9c\", "
                                "\"Td9d\", \"Th9h\", \"Ts9s\"]}}"),
              std::string::npos)
        << narrowed.out;
    EXPECT_EQ(narrowed.err,
              "korvana-odds: odds_equity_ranges.txt, line 2: write a name, \"=\" and a range, "
              "e.g. btn = 40%.\n");
    EXPECT_NE(run(args, env).out.find("\nKept: QQ, T9s (7 combinations)\n"), std::string::npos);
    const auto vs = run({"Ah", "Kd", "--vs", "@MINE", "--vs", "@4bet", "--samples", "1000"}, env);
    EXPECT_NE(vs.out.find("\n @MINE "), std::string::npos) << vs.out;
    EXPECT_EQ(run({"Ah", "Kd", "--vs", "@mine"}).status, 2);  // no library, no name of its own
}

TEST(OddsEquity, ProblemsAreOneLineAndNothingOnStdout) {
    struct Case {
        std::vector<std::string> args;
        std::string message;
    };
    const Case cases[] = {
        {{"Ah", "Kh", "--vs", "QQ, AKx"}, "--vs 'QQ, AKx': \"AKx\" is not a hand (e.g. QQ"},
        {{"Ah", "Kh", "--vs", "QQs"}, "\"QQs\": a pair is neither suited nor offsuit (see"},
        {{"Ah", "Kh", "--vs", "AKs-QJo"}, "\"AKs-QJo\": both ends must be pairs"},
        {{"Ah", "Kh", "--vs", ""}, "The range holds no hands (see"},
        {{"Ah", "Kh", "--opponents", "10"},
         "--opponents needs a number of opponents from 1 to 9, not '10'"},
        {{"Ah", "Kh", "--opponents", "1", "--vs", "QQ", "--vs", "JJ"},
         "--opponents 1 is fewer than the 2 opponents given with --vs"},
        {{"Ah", "Kh", "--dead", "Qs"}, "option '--dead' needs --vs, --opponents or --range-hits"},
        {{"Ah", "Kh", "--vs", "QdQc", "--pot", "1,000", "--call", "500"},
         "--pot '1,000': a comma before three digits may separate thousands or decimals; write "
         "1000 or 1.000"},
        {{"Ah", "Kh", "--vs", "random", "--dead", "Kh"}, "card 'Kh' is given twice"},
        {{"Ah", "--vs", "random"}, "win chances need both pocket cards"},
        {{"Ah", "-", "--hero", "AA", "--vs", "random"}, "leave both pocket slots empty (- -)"},
        {{"-", "-", "Ac", "Ad", "Ah", "--hero", "AA", "--vs", "KK"},
         "your range ('AA') holds no hand without a card that is already known"},
        {{"-", "-", "--hero", "AA", "--vs", "KK", "--next-card"},
         "need your two cards, not --hero"},
        {{"-", "-", "--hero", "AA:2", "--vs", "KK"}, "\"AA:2\": a weight is from 0 to 1"},
        {{"Ah", "Kh", "--vs", "AhAs"},
         "opponent 1 ('AhAs') holds no hand without a card that is already known"},
        {{"Ah", "Kh", "--vs", "QQ", "--vs", "QQ", "--vs", "QQ"},
         "no way to deal: the ranges of opponents 1, 2 and 3 ('QQ', 'QQ', 'QQ') cannot all"},
        // Twelve cards hold six hands: too many combinations to count, and no deal.
        {{"2c",   "3d",     "--vs", "QQ+,AK", "--vs", "QQ+,AK", "--vs", "QQ+,AK", "--vs", "QQ+,AK",
          "--vs", "QQ+,AK", "--vs", "QQ+,AK", "--vs", "QQ+,AK", "--vs", "QQ+,AK", "--vs", "QQ+,AK"},
         "no way to deal: the ranges of opponents 1, 2, 3, 4, 5, 6 and 7 ('QQ+,AK',"},
        {{"--json", "Ah", "Kh", "--vs", "AdKd", "--vs", "AdKd"},
         "no way to deal: the range of opponent 2 ('AdKd') holds no hand the others leave"},
        // Nine random hands: about 4.5 x 10^31 deals, more than 64 bits hold.
        {{"Ah", "Kh", "--opponents", "9", "--exact", "--max-deals", "18446744073709551615"},
         "--exact would count about 4.5e+31 deals, more than the limit of 18 446 744 073 709 "
         "551 615"},
        {{"Ah", "Kh", "--vs", "random", "--time-limit", "0"}, "--time-limit needs seconds above 0"},
        {{"Ah", "Kh", "--vs", "random", "--exact", "--max-deals", "1000000000"},
         "--exact would count 2 097 572 400 deals, more than the limit of 1 000 000 000"},
        {{"Ah", "Kh", "--vs", "random", "--exact", "--samples", "10"}, "leave out --samples"},
        {{"Ah", "Kh", "--vs", "random", "--precision", "0"},
         "--precision needs percentage points above 0"},
        {{"Ah", "Kh", "--opponents", std::string(100, '9')},
         "not '" + std::string(59, '9') + "\u2026' (see"},
        {{"Ah", "Kh", "--range-hits", "0%"},
         "\"0%\": a share of hands is more than 0% and at most 100% (see"},
        {{"Ah", "Kh", "Qs", "--range-hits", "QQ+"}, "--range-hits needs the flop"},
        {{"Ah", "Kh", "--vs", "AK, @nothing"},
         "--vs 'AK, @nothing': \"@nothing\": the library holds no range of that name (see"},
        {{"Ah", "Kh", "Qs", "Jc", "2h", "--narrow", "pair"}, "--narrow needs --range-hits"},
        {{"Ah", "Kh", "Qs", "Jc", "2h", "--range-hits", "QQ+", "--narrow", "pair,paer"},
         "--narrow: 'paer' is no hand or draw of --range-hits ("},
        {{"Ah", "Kh", "--vs", std::string(10'001, ',')},
         "': The range is longer than 10000 characters (see"},
        {{"Ah", "Kh", "--vs", "QdQc", "--pot", "100"}, "--pot and --call go together"},
        {{"Ah", "Kh", "--vs", "QdQc", "--pot", "100", "--call", "0"},
         "--call needs an amount of chips above 0, e.g. 20, not '0'"},
        {{"Ah", "Kh", "--pot", "100", "--call", "20"}, "option '--pot' needs --vs or --opponents"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message);
        const auto outcome = run(c.args);
        EXPECT_EQ(outcome.status, 2);
        EXPECT_EQ(outcome.out, "");
        EXPECT_NE(outcome.err.find(c.message), std::string::npos) << outcome.err;
        EXPECT_EQ(outcome.err.find('\n'), outcome.err.size() - 1);
    }
}

}  // namespace
}  // namespace korvana
