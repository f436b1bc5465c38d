#pragma once
// Known hands over the boards of given ranks. Where no suit can make anyone a
// flush, every board of the ranks deals the same hands, so those boards count
// at once; the others are gathered into groups of boards that also deal the
// same hands, and each group needs a single showdown.
//
// Why a group deals the same hands: a suit can make a flush only with three
// or more board cards of it (a player holds two), and five board cards hold
// three of at most one suit. Such a board makes nobody a flush in another
// suit, so the cards of that one suit decide every hand, whatever the suits
// of the other cards. A group is that suit and its board cards; its boards
// are the ways to give the other cards of each rank the other suits. About a
// fifth of the boards that may make a flush, for two known hands.
#include <array>
#include <cstdint>
#include <vector>

#include "engine/equity/deal_plan.h"

namespace korvana {

struct FlushBoardGroup {
    PartialHand board;       // one of the group's boards, the given cards included
    std::uint64_t boards{};  // how many boards the group holds
};

class FlushBoardGroups {
public:
    // For a spot in which every hand is known.
    explicit FlushBoardGroups(const DealPlan& plan);
    // The groups of the boards whose cards to come have the given numbers of
    // each rank (the 2 first), into 'groups'.
    void find(const std::array<std::uint8_t, 13>& toComeOfRank,
              std::vector<FlushBoardGroup>& groups) const;

private:
    PartialHand givenBoard_;
    // Cards of the suit to come that make the board a possible flush: five
    // less those of the given board and of the player holding most of it.
    // Zero or less when the given cards already do.
    std::array<int, 4> toComeForFlush_{};
    // By rank (the 2 first) and suit: whether the deck holds the card of the
    // suit, and the deck's cards of the rank in other suits, as the first n
    // of them for each n.
    struct OfRank {
        bool inDeck = false;
        int card = 0;
        std::vector<PartialHand> firstOthers;  // firstOthers[n]: n other cards
    };
    std::array<std::array<OfRank, 4>, 13> ofRank_;
};

}  // namespace korvana
