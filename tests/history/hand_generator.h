#pragma once
// Random legal hands written in the hand-history format, with the truth of
// each (what every player put in and collected, the pots and who could win
// them), worked out here by the rules of the game and not by the reader.
#include <array>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "history/played_hand.h"

namespace korvana::history::test {

struct HandTruth {
    std::vector<Amount> put, collected;  // by seat order
    std::vector<Pot> pots;
    Amount total = 0, rake = 0;
    std::vector<Card> board;
    std::array<Card, 2> hero{};
};

struct GeneratedHand {
    std::string text;  // lines ending in "\n"
    HandTruth truth;
};

GeneratedHand generateHand(std::mt19937_64& random, int number);

}  // namespace korvana::history::test
