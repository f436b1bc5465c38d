// The reader against hands whose truth is known: random legal hands from the
// generator, one hand written out with every figure worked by hand, the
// faults each check must catch, and hostile streams.
#include <gtest/gtest.h>

#include <sstream>

#include "history/history_reader.h"
#include "history/table_at_step.h"
#include "tests/history/hand_generator.h"
#include "tests/history/played_hands.h"

namespace korvana::history {
namespace {

std::vector<ReadHand> readAll(const std::string& text) {
    std::istringstream input(text);
    HistoryReader reader(input);
    std::vector<ReadHand> hands;
    while (auto hand = reader.next()) hands.push_back(std::move(*hand));
    return hands;
}

std::string withCrlf(const std::string& text) {
    std::string out;
    for (const char c : text) out += c == '\n' ? std::string("\r\n") : std::string(1, c);
    return out;
}

TEST(HistoryReader, RandomHandsMatchTheirTruth) {
    std::mt19937_64 random(35);
    for (const bool crlf : {false, true}) {
        std::string file = crlf ? "\xEF\xBB\xBF" : "";
        std::vector<test::HandTruth> truths;
        for (int number = 1; number <= 400; ++number) {
            auto hand = test::generateHand(random, number);
            file += hand.text + std::string(number % 3, '\n');
            truths.push_back(std::move(hand.truth));
        }
        const auto hands = readAll(crlf ? withCrlf(file) : file);
        ASSERT_EQ(hands.size(), truths.size());
        for (std::size_t i = 0; i < hands.size(); ++i) {
            const auto* hand = std::get_if<PlayedHand>(&hands[i]);
            ASSERT_TRUE(hand) << "hand " << i + 1 << ": "
                              << refusalText(std::get<HandRefusal>(hands[i]), Language::English)
                              << " at line " << std::get<HandRefusal>(hands[i]).line;
            const test::HandTruth& truth = truths[i];
            for (std::size_t p = 0; p < truth.put.size(); ++p) {
                EXPECT_EQ(hand->players[p].put, truth.put[p])
                    << "hand " << i + 1 << " player " << p;
                EXPECT_EQ(hand->players[p].collected, truth.collected[p]) << "hand " << i + 1;
            }
            ASSERT_EQ(hand->pots.size(), truth.pots.size()) << "hand " << i + 1;
            for (std::size_t k = 0; k < truth.pots.size(); ++k) {
                EXPECT_EQ(hand->pots[k].amount, truth.pots[k].amount) << "hand " << i + 1;
                EXPECT_EQ(hand->pots[k].players, truth.pots[k].players) << "hand " << i + 1;
            }
            EXPECT_EQ(hand->totalPot, truth.total);
            EXPECT_EQ(hand->rake, truth.rake);
            EXPECT_EQ(hand->board, truth.board);
            EXPECT_EQ(hand->heroPlayer()->cards, truth.hero);
        }
    }
}

// Hands with a line dropped, doubled, swapped or a digit changed: each is
// read or refused, and every hand read still adds up.
TEST(HistoryReader, DamagedHandsAreReadOrRefusedAndWhatIsReadAddsUp) {
    std::mt19937_64 random(3535);
    std::string file;
    for (int number = 1; number <= 300; ++number) {
        std::vector<std::string> lines;
        std::istringstream text(test::generateHand(random, number).text);
        for (std::string line; std::getline(text, line);) lines.push_back(line);
        const std::size_t a = 1 + random() % (lines.size() - 1),
                          b = 1 + random() % (lines.size() - 1);
        switch (random() % 4) {
            case 0: lines.erase(lines.begin() + static_cast<long>(a)); break;
            case 1: lines.insert(lines.begin() + static_cast<long>(a), lines[a]); break;
            case 2: std::swap(lines[a], lines[b]); break;
            default:
                for (char& c : lines[a])
                    if (c >= '1' && c <= '8') {
                        ++c;
                        break;
                    }
        }
        for (const std::string& line : lines) file += line + "\n";
    }
    const auto hands = readAll(file);
    EXPECT_EQ(hands.size(), 300u);
    int read = 0;
    for (const ReadHand& hand : hands) {
        const auto* played = std::get_if<PlayedHand>(&hand);
        if (!played) continue;
        ++read;
        Amount put = 0, collected = 0, inPots = 0;
        for (const SeatedPlayer& player : played->players)
            put += player.put, collected += player.collected;
        for (const Pot& pot : played->pots) inPots += pot.amount;
        EXPECT_EQ(put, played->totalPot);
        EXPECT_EQ(inPots, put);
        EXPECT_EQ(collected + played->rake, put);
    }
    EXPECT_GT(read, 0);
    EXPECT_LT(read, 300);
}

TEST(HistoryReader, WorksOutTheSidePotHand) {
    const auto hands = readAll(test::kSidePotHand);
    ASSERT_EQ(hands.size(), 1u);
    const PlayedHand& hand = std::get<PlayedHand>(hands[0]);
    EXPECT_EQ(hand.number, "1001");
    EXPECT_EQ(hand.players[1].name, "Villain One");
    struct Street {
        Amount pot;
        std::size_t playersIn;
    };
    const Street streets[] = {{15, 3}, {270, 3}, {2400, 3}, {2400, 3}};
    ASSERT_EQ(hand.streets.size(), 4u);
    for (std::size_t s = 0; s < 4; ++s) {
        EXPECT_EQ(hand.streets[s].pot, streets[s].pot) << s;
        EXPECT_EQ(hand.streets[s].playersIn.size(), streets[s].playersIn) << s;
    }
    EXPECT_EQ(hand.pots, (std::vector<Pot>{{1200, {0, 1, 2}}, {1200, {0, 2}}}));
    EXPECT_EQ(hand.rake, 100);
    EXPECT_EQ(hand.heroNet(), 150);
    EXPECT_EQ(hand.players[1].net(), 750);
    EXPECT_EQ(hand.players[2].net(), -1000);
    ASSERT_EQ(hand.decisions.size(), 2u);
    EXPECT_EQ(hand.decisions[0].toCall, 25);
    EXPECT_EQ(hand.decisions[0].pot, 45);
    EXPECT_EQ(hand.decisions[1].toCall, 710);
    EXPECT_EQ(hand.decisions[1].pot, 1580);
    ASSERT_TRUE(hand.allIn);
    EXPECT_EQ(hand.allIn->street, history::Street::Flop);
    // Steps: the blinds alone, then the flop's bet, call and raise.
    struct Step {
        std::size_t street, actions;
        Amount middle;
        std::vector<Amount> behind, inFront;
    };
    for (const Step& step : {Step{0, 2, 0, {995, 390, 2000}, {5, 10, 0}},
                             Step{1, 3, 270, {710, 110, 1000}, {200, 200, 910}}}) {
        const TableAtStep table = tableAt(hand, step.street, step.actions);
        EXPECT_EQ(table.middle, step.middle);
        for (std::size_t p = 0; p < 3; ++p) {
            EXPECT_EQ(table.seats[p].behind, step.behind[p]) << step.street << " " << p;
            EXPECT_EQ(table.seats[p].inFront, step.inFront[p]) << step.street << " " << p;
        }
    }
}

std::string changed(std::string text, std::string_view find, std::string_view to) {
    const auto at = text.find(find);
    EXPECT_NE(at, std::string::npos) << find;
    return at == std::string::npos ? text : text.replace(at, find.size(), to);
}

int lineOf(const std::string& text, std::string_view find) {
    if (find.empty()) return static_cast<int>(std::count(text.begin(), text.end(), '\n'));
    return static_cast<int>(
               std::count(text.begin(), text.begin() + static_cast<long>(text.find(find)), '\n')) +
           1;
}

TEST(HistoryReader, RefusesEachFaultAtItsLine) {
    struct Fault {
        const char* find;
        const char* to;
        HandProblem problem;
        const char* at;  // the refused line's text; empty for the hand's last line
    };
    const std::string uncalled = "Uncalled bet ($1.00) returned to Иван\n*** TURN ***";
    const Fault faults[] = {
        {"shows [7d 7h]", "shows [Kd 7h]", HandProblem::CardTwice, "shows [Kd 7h]"},
        {"Иван: calls $0.60", "Ivan: calls $0.60", HandProblem::UnknownPlayer, "Ivan: calls"},
        {"Villain One: calls $0.80", "Иван: calls $0.60", HandProblem::OutOfTurn,
         "Иван: calls $0.60"},
        {"Иван: raises $7.10 to $9.10", "Иван: raises $27.10 to $29.10", HandProblem::BeyondStack,
         "$29.10"},
        {"Villain One: calls $0.80", "Villain One: calls $0.70", HandProblem::WrongAmount, "$0.70"},
        {"Villain One: calls $2.00", "Villain One: checks", HandProblem::WrongCheck, "One: checks"},
        {"Hero ($10.00 in", "Hero ($11.00 in", HandProblem::AllInMismatch, "Hero: calls $7.10"},
        {"Иван: calls $0.60\n", "", HandProblem::BettingNotOver, "*** FLOP ***"},
        {"[Kd 7c 2h] [5s]", "[Kd 7c 3h] [5s]", HandProblem::BoardMismatch, "*** TURN"},
        {"*** TURN ***", uncalled.c_str(), HandProblem::WrongReturn, "Uncalled"},
        {"Hero collected", "Villain One collected", HandProblem::NotEligible,
         "One collected $11.50 from side"},
        {"Hero collected $11.50", "Hero collected $12.50", HandProblem::PayoutMismatch, ""},
        {"Total pot $24.00", "Total pot $25.00", HandProblem::TotalPotMismatch, ""},
        {"Hold'em No Limit", "Omaha Pot Limit", HandProblem::NotHoldem, "PokerStars"},
        {"*** SUMMARY ***", "", HandProblem::CutOff, ""},
    };
    for (const Fault& fault : faults) {
        std::string text = changed(test::kSidePotHand, fault.find, fault.to);
        if (fault.problem == HandProblem::CutOff) text.resize(text.find("Total pot"));
        const auto hands = readAll(text + test::kSidePotHand);
        ASSERT_EQ(hands.size(), 2u) << fault.to;
        const auto* refusal = std::get_if<HandRefusal>(&hands[0]);
        ASSERT_TRUE(refusal) << fault.to;
        EXPECT_EQ(refusal->problem, fault.problem)
            << fault.to << ": " << refusalText(*refusal, Language::English);
        EXPECT_EQ(refusal->line, lineOf(text, fault.at)) << fault.to;
        EXPECT_EQ(refusal->hand, "1001");
        EXPECT_TRUE(std::holds_alternative<PlayedHand>(hands[1])) << fault.to;
    }
}

TEST(HistoryReader, ReadsWhatRealTablesAddAndStaysBoundedOnHostileText) {
    const std::string good = test::kSidePotHand;
    // A player sitting out, and a late player posting both blinds who folds.
    const std::string extras =
        changed(changed(changed(changed(good, "Seat 5:",
                                        "Seat 2: Sleepy ($5.00 in chips) is sitting out\n"
                                        "Seat 4: Late ($10 in chips)\nSeat 5:"),
                                "*** HOLE", "Late: posts small & big blinds $0.15\n*** HOLE"),
                        "Иван: raises $0.20", "Late: folds\nИван: raises $0.20"),
                "Villain One collected $11.50 from main pot\n*** SUMMARY ***\nTotal pot $24.00",
                "Villain One collected $11.65 from main pot\n*** SUMMARY ***\nTotal pot $24.15");
    const std::string chatter(6000 * 12, 'x');
    std::string connections;
    for (int i = 0; i < 6000; ++i) connections += "A is connected\n";
    const std::string longHand = changed(good, "*** FLOP", connections + "*** FLOP");
    const std::string longLine =
        changed(good, "Villain One is disconnected", std::string(200'000, 'z'));
    const auto hands =
        readAll("garbage\n" + chatter + "\n" + extras + longHand + good + longLine + good);
    ASSERT_EQ(hands.size(), 5u);
    const PlayedHand& withExtras = std::get<PlayedHand>(hands[0]);
    EXPECT_EQ(withExtras.totalPot, 2415);
    EXPECT_EQ(withExtras.pots[0].amount, 1215);
    EXPECT_FALSE(withExtras.players[1].dealtIn);
    EXPECT_EQ(std::get<HandRefusal>(hands[1]).problem, HandProblem::HandTooLong);
    EXPECT_TRUE(std::holds_alternative<PlayedHand>(hands[2]));
    EXPECT_EQ(std::get<HandRefusal>(hands[3]).problem, HandProblem::LineTooLong);
    EXPECT_TRUE(std::holds_alternative<PlayedHand>(hands[4]));
}

}  // namespace
}  // namespace korvana::history
