// Writes engine/ranges/strength_order.cpp: every starting hand's exact equity
// against one random hand, preflop, and the hands in that order. Run from
// the source folder, then format it:
//   build/bin/hand_order > engine/ranges/strength_order.cpp && clang-format -i
//   engine/ranges/strength_order.cpp
// (a few minutes on two cores).
#include <algorithm>
#include <iostream>
#include <string>
#include <thread>
#include <vector>

#include "engine/equity/strength_count.h"
#include "engine/ranges/strength_order.h"

namespace {

using namespace korvana;

const char* suitsName(StartingHand::Suits suits) {
    switch (suits) {
        case StartingHand::Suits::Pair: return "Pair";
        case StartingHand::Suits::Suited: return "Suited";
        case StartingHand::Suits::Offsuit: return "Offsuit";
    }
    return "";
}

}  // namespace

int main() {
    std::vector<RankedStartingHand> table;
    for (int high = 2; high <= 14; ++high)
        for (int low = 2; low <= high; ++low) {
            if (high == low) {
                table.push_back({{high, low, StartingHand::Suits::Pair}});
            } else {
                table.push_back({{high, low, StartingHand::Suits::Suited}});
                table.push_back({{high, low, StartingHand::Suits::Offsuit}});
            }
        }
    const int threads = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
    for (auto& entry : table) {
        entry.equityPoints = countEquityPoints(entry.hand, threads);
        std::cerr << entry.hand.name() << ' ' << entry.equityPoints << '\n';
    }
    std::stable_sort(table.begin(), table.end(), [](const auto& a, const auto& b) {
        if (a.equityPoints != b.equityPoints) return a.equityPoints > b.equityPoints;
        return breaksTieBefore(a.hand, b.hand);
    });

    std::cout
        << "// Written by tools/hand_order: do not edit by hand.\n"
           "#include \"engine/ranges/strength_order.h\"\n\n"
           "namespace korvana {\n\n"
           "const std::array<RankedStartingHand, kStartingHands>& startingHandsByStrength() {\n"
           "    using enum StartingHand::Suits;\n"
           "    static constexpr std::array<RankedStartingHand, kStartingHands> kOrder{{\n";
    for (const auto& entry : table)
        std::cout << "        {{" << entry.hand.high << ", " << entry.hand.low << ", "
                  << suitsName(entry.hand.suits) << "}, " << entry.equityPoints << "},  // "
                  << entry.hand.name() << '\n';
    std::cout << "    }};\n"
                 "    return kOrder;\n"
                 "}\n\n"
                 "}  // namespace korvana\n";
}
