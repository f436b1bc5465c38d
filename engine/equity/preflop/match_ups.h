#pragma once
// Heads-up before the flop, every board: how one hand fares against another.
//
// Two hands fare alike when one match-up turns into the other by renaming
// suits (AhKh against QdQc is AsKs against QhQd), so the counts of the
// 1 712 304 boards of every match-up are kept once per class of them, in a
// table written by tools/match_up_table from the engine's own count of every
// board. A heads-up count before the flop is then a sum of table entries.
#include <array>
#include <cstdint>
#include <span>
#include <utility>
#include <vector>

#include "engine/cards/pocket_cards.h"

namespace korvana {

// The boards of a heads-up deal before the flop: five of the 48 other cards.
inline constexpr std::uint32_t kBoardsPerMatchUp = 1'712'304;

// What the first hand of a match-up makes of its boards; it loses the rest.
struct MatchUpCount {
    std::uint32_t wins = 0;
    std::uint32_t ties = 0;
    friend bool operator==(const MatchUpCount&, const MatchUpCount&) = default;
};

// The table, one entry per class of match-ups in the order of
// matchUpClasses(), and where each of the 169 starting hands' entries begin
// (see matchUpClasses), with the end last. Written by tools/match_up_table.
std::span<const MatchUpCount> matchUpTable();
const std::array<std::uint32_t, 170>& matchUpTableStarts();

// One match-up of each class, in table order: the starting hands in grid
// order (startingHandNumber), each with its cards in the first suits (clubs,
// then diamonds), then its opponents' hands of the same or a later starting
// hand (a match-up against an earlier one is in that one's block, seen from
// the other side), by PocketCards::number, each the lowest-numbered of the
// hands that renaming the suits the first hand leaves alone makes of it.
std::vector<std::pair<PocketCards, PocketCards>> matchUpClasses();

// 0..168: the starting hand of the cards as the grid puts it, row by the
// higher rank from the aces down, suited hands right of the pairs.
int startingHandNumber(PocketCards hand);

// Every match-up of one hand against the hands an opponent may hold.
class HeroMatchUps {
public:
    // 'starts' as matchUpTableStarts(): given by the program that writes them.
    explicit HeroMatchUps(PocketCards hero,
                          const std::array<std::uint32_t, 170>& starts = matchUpTableStarts());
    // The table entry of the hero against a hand that shares no card with
    // his, and whether the entry sees it from the opponent's hand.
    std::uint32_t entryAgainst(PocketCards opponent) const {
        return entryOf_[static_cast<size_t>(opponent.number())] & ~kSeenFromTheOpponent;
    }
    bool seenFromTheOpponent(PocketCards opponent) const {
        return (entryOf_[static_cast<size_t>(opponent.number())] & kSeenFromTheOpponent) != 0;
    }
    // The hero's count against a hand that shares no card with his.
    MatchUpCount against(PocketCards opponent) const {
        const std::uint32_t entry = entryOf_[static_cast<size_t>(opponent.number())];
        const MatchUpCount count = matchUpTable()[entry & ~kSeenFromTheOpponent];
        if ((entry & kSeenFromTheOpponent) == 0) return count;
        return {kBoardsPerMatchUp - count.wins - count.ties, count.ties};
    }

private:
    static constexpr std::uint32_t kSeenFromTheOpponent = 1u << 31;
    std::array<std::uint32_t, kPocketCardPairs> entryOf_{};
};

}  // namespace korvana
