// korvana-odds --history: the text block and totals, the JSON object of a hand
// and of a refused one, and the exit status.
#include <gtest/gtest.h>

#include "tests/history/played_hands.h"
#include "tests/tools/odds_run.h"

namespace korvana {
namespace {

const std::string kHand = history::test::kSidePotHand;
const std::string kRefused = kHand.substr(0, kHand.find("Villain One: calls $0.80")) +
                             "Villain One: calls $0.70" + kHand.substr(kHand.find("\nИван said"));

TEST(OddsHistory, TextGivesEachHandThenTheTotals) {
    const Outcome outcome = run({"--history", "-"}, {}, kHand + "\n" + kHand);
    EXPECT_EQ(outcome.status, 0);
    EXPECT_EQ(outcome.err, "");
    const std::string block =
        "Hand 1001 (line 1), table Test\n"
        "  Hero: Ah Kh   Board: Kd 7c 2h 5s 9d\n"
        "  Net: +$1.50\n"
        "  All-in EV (flop): equity 48.73%, EV +$1.21, won +$1.50 (+$0.29 against EV)\n\n";
    EXPECT_EQ(outcome.out.substr(0, block.size()), block);
    EXPECT_NE(outcome.out.find("Hands read: 2, refused: 0\nHero's net: +$3.00\n"
                               "All-in EV adjusted net: +$2.41\n"),
              std::string::npos);
    // Dollars and chips are never added together.
    std::string chips = kHand;
    for (auto at = chips.find('$'); at != std::string::npos; at = chips.find('$'))
        chips.erase(at, 1);
    EXPECT_NE(run({"--history", "-"}, {}, kHand + chips).out.find("Hero's net: +$1.50, +1.50\n"),
              std::string::npos);
}

TEST(OddsHistory, JsonGivesOneObjectPerHandAndRefusalsInPlace) {
    const Outcome outcome =
        run({"--history", "-", "--json", "--street-equity"}, {}, kRefused + kHand);
    EXPECT_EQ(outcome.status, 2);
    EXPECT_EQ(
        outcome.err,
        "korvana-odds: hand 1001, line 12: Villain One puts in 0.70 where the bet asks 0.80\n");
    const auto newline = outcome.out.find('\n');
    EXPECT_EQ(
        outcome.out.substr(0, newline + 1),
        "{\"hand\": \"1001\", \"line\": 12, \"error\": \"Villain One puts in 0.70 where the bet "
        "asks 0.80\"}\n");
    const std::string hand = outcome.out.substr(newline + 1);
    for (const char* piece :
         {"{\"hand\": \"1001\", \"line\": 36, \"tournament\": null, \"table\": \"Test\", \"hero\": "
          "\"Hero\", \"hero_cards\": \"AhKh\", \"board\": \"Kd7c2h5s9d\", \"players\": [{\"seat\": "
          "1, "
          "\"name\": \"Hero\", \"stack\": 10, \"cards\": \"AhKh\", \"net\": 1.5}, ",
          "\"streets\": [{\"street\": \"preflop\", \"board\": \"\", \"pot\": 0.15, \"actions\": "
          "[{\"player\": \"Hero\", \"action\": \"small_blind\", \"amount\": 0.05, \"all_in\": "
          "false}, ",
          "{\"player\": \"Hero\", \"action\": \"raise\", \"amount\": 0.85, \"to\": 0.9, "
          "\"all_in\": false}",
          "], \"equity\": 0.38",
          "\"decisions\": [{\"street\": \"preflop\", \"to_call\": 0.25, \"pot\": 0.45, \"needs\": "
          "0.35714285714285715, \"action\": \"raise\"}, {\"street\": \"flop\", \"to_call\": 7.1, "
          "\"pot\": 15.8, ",
          "\"total_pot\": 24, \"rake\": 1, \"hero_net\": 1.5, \"all_in\": {\"street\": \"flop\", "
          "\"pots\": [{\"amount\": 12, \"players\": [\"Hero\", \"Villain One\", \"Иван\"], "
          "\"hero_equity\": ",
          "\"hero_ev\": 1.21, \"method\": \"enumerated\"}}\n"})
        EXPECT_NE(hand.find(piece), std::string::npos) << piece;
}

// A name from the file reaches the terminal without the control characters
// that would make it obey.
TEST(OddsHistory, NamesAreShownWithoutTheirControlCharacters) {
    std::string hand = kHand;
    hand.replace(hand.find("Иван: calls $0.60"), std::string("Иван").size(), "Ivan\x1b[2J");
    const Outcome outcome = run({"--history", "-", "--json"}, {}, hand);
    EXPECT_EQ(outcome.status, 2);
    EXPECT_EQ(outcome.err.find('\x1b'), std::string::npos);
    EXPECT_NE(outcome.err.find("Ivan\xEF\xBF\xBD[2J has no seat"), std::string::npos)
        << outcome.err;
}

}  // namespace
}  // namespace korvana
