// Writes engine/equity/preflop/match_up_table.cpp: the counts of every class of
// heads-up match-ups before the flop over their 1 712 304 boards, each
// counted by the engine dealing every board. Run from the source folder:
//   build/bin/match_up_table > engine/equity/preflop/match_up_table.cpp &&
//   clang-format -i engine/equity/preflop/match_up_table.cpp
// (about 2.5 minutes of processor time, some 3 ms a class; progress on
// stderr). A match-up and the same one seen from the other hand are counted
// once.
#include <algorithm>
#include <atomic>
#include <iostream>
#include <map>
#include <string>
#include <thread>
#include <variant>
#include <vector>

#include "engine/equity/equity.h"
#include "engine/equity/preflop/match_ups.h"
#include "engine/ranges/range_grid.h"

namespace {

using namespace korvana;

MatchUpCount countEveryBoard(PocketCards hero, PocketCards opponent) {
    EquitySpot spot;
    spot.hero = {cardAt(hero.low), cardAt(hero.high)};
    spot.opponents = {HandRange({opponent})};
    EquityOptions options;
    options.method = EquityMethod::Enumerate;
    options.matchUpTable = false;
    const auto outcome = computeEquity(spot, options);
    const auto& result = std::get<EquityResult>(outcome);
    return {static_cast<std::uint32_t>(result.players[0].wins),
            static_cast<std::uint32_t>(result.players[0].ties)};
}

}  // namespace

int main(int argc, char** argv) {
    auto classes = matchUpClasses();
    // A first count to time: build/bin/match_up_table N counts N classes only.
    const size_t only = argc > 1 ? std::stoul(argv[1]) : classes.size();
    // Where each starting hand's entries begin, and each class's mirror: the
    // entry of the same match-up seen from the opponent's hand.
    std::array<std::uint32_t, 170> starts{};
    for (const auto& [hero, opponent] : classes)
        ++starts[static_cast<size_t>(startingHandNumber(hero)) + 1];
    for (size_t i = 1; i < starts.size(); ++i) starts[i] += starts[i - 1];
    std::vector<std::uint32_t> mirror(classes.size());
    {
        std::map<int, HeroMatchUps> byHand;
        for (size_t i = 0; i < classes.size(); ++i) {
            const auto& [hero, opponent] = classes[i];
            auto found = byHand.find(opponent.number());
            if (found == byHand.end())
                found = byHand.emplace(opponent.number(), HeroMatchUps(opponent, starts)).first;
            mirror[i] = found->second.entryAgainst(hero);
        }
    }
    std::vector<MatchUpCount> table(classes.size());
    std::vector<size_t> toCount;
    for (size_t i = 0; i < classes.size(); ++i)
        if (mirror[i] >= i && toCount.size() < only) toCount.push_back(i);
    std::atomic<size_t> next{0}, done{0};
    const unsigned threads = std::max(1u, std::thread::hardware_concurrency());
    std::vector<std::thread> workers;
    for (unsigned t = 0; t < threads; ++t)
        workers.emplace_back([&] {
            for (size_t k; (k = next.fetch_add(1)) < toCount.size();) {
                const size_t i = toCount[k];
                table[i] = countEveryBoard(classes[i].first, classes[i].second);
                if (const size_t n = ++done; n % 1000 == 0)
                    std::cerr << n << " of " << toCount.size() << '\n';
            }
        });
    for (auto& worker : workers) worker.join();
    if (only < classes.size()) return 0;
    for (size_t i = 0; i < classes.size(); ++i)
        if (mirror[i] < i) {
            const MatchUpCount seen = table[mirror[i]];
            table[i] = {kBoardsPerMatchUp - seen.wins - seen.ties, seen.ties};
        }

    std::cout << "// Written by tools/match_up_table: do not edit by hand.\n"
                 "// Heads-up before the flop, every board: "
              << classes.size()
              << " entries, one for each of the\n"
                 "// 47 008 classes of match-ups of two hands up to renamed suits (two\n"
                 "// hands of one starting hand may have one from each), in the order of\n"
                 "// matchUpClasses() in match_ups.h. An entry is {wins, ties} of the first\n"
                 "// hand over the 1 712 304 boards; it loses the rest. kStarts: where each\n"
                 "// starting hand's entries begin, by startingHandNumber, the end last.\n"
                 "#include \"engine/equity/preflop/match_ups.h\"\n\n"
                 "namespace korvana {\n"
                 "namespace {\n\n"
                 "constexpr std::array<std::uint32_t, 170> kStarts = {\n";
    for (size_t i = 0; i < starts.size(); ++i)
        std::cout << (i % 10 == 0 ? "    " : " ") << starts[i] << ','
                  << (i % 10 == 9 || i + 1 == starts.size() ? "\n" : "");
    std::cout << "};\n\n"
                 "// The entries as written, six to a line: clang-format would give each\n"
                 "// its own.\n"
                 "// clang-format off\n"
                 "constexpr MatchUpCount kTable[] = {\n";
    for (size_t hand = 0; hand + 1 < starts.size(); ++hand) {
        const StartingHand starting =
            startingHandAt(static_cast<int>(hand) / kGridSide, static_cast<int>(hand) % kGridSide);
        std::cout << "    // " << starting.name() << '\n';
        for (std::uint32_t i = starts[hand]; i < starts[hand + 1]; ++i)
            std::cout << ((i - starts[hand]) % 6 == 0 ? "    " : " ") << '{' << table[i].wins
                      << ", " << table[i].ties << "},"
                      << ((i - starts[hand]) % 6 == 5 || i + 1 == starts[hand + 1] ? "\n" : "");
    }
    std::cout << "};\n"
                 "// clang-format on\n\n"
                 "}  // namespace\n\n"
                 "std::span<const MatchUpCount> matchUpTable() {\n"
                 "    return kTable;\n"
                 "}\n\n"
                 "const std::array<std::uint32_t, 170>& matchUpTableStarts() {\n"
                 "    return kStarts;\n"
                 "}\n\n"
                 "}  // namespace korvana\n";
}
