#include "engine/equity/flush_boards.h"

#include <algorithm>
#include <bit>

namespace korvana {
namespace {

// Ways to choose k of n cards, for the n <= 3 other cards of a rank.
constexpr std::array<std::array<std::uint64_t, 5>, 4> kChoose = {{
    {1, 0, 0, 0, 0},
    {1, 1, 0, 0, 0},
    {1, 2, 1, 0, 0},
    {1, 3, 3, 1, 0},
}};

// A subset of places 0..4 (bit p for place p) and its size.
struct Subset {
    unsigned places = 0;
    int size = 0;
};

// kSubsetsLargestFirst[n]: the 1 << n subsets of n places, the largest
// first, so that a walk stops at the first one too small.
constexpr std::array<std::array<Subset, 32>, 6> kSubsetsLargestFirst = [] {
    std::array<std::array<Subset, 32>, 6> subsets{};
    for (unsigned n = 0; n < subsets.size(); ++n) {
        size_t at = 0;
        for (int size = static_cast<int>(n); size >= 0; --size)
            for (unsigned places = 0; places < (1u << n); ++places)
                if (std::popcount(places) == size) subsets[n][at++] = {places, size};
    }
    return subsets;
}();

}  // namespace

FlushBoardGroups::FlushBoardGroups(const DealPlan& plan) : givenBoard_(plan.board) {
    for (const Suit suit : kSuits) {
        int most = plan.hero.cardsOfSuit(suit);
        for (const auto& known : plan.knownOpponents)
            most = std::max(most, known.cards.cardsOfSuit(suit));
        toComeForFlush_[suitIndex(suit)] = 5 - most - plan.board.cardsOfSuit(suit);
    }
    for (auto& bySuit : ofRank_)
        for (OfRank& of : bySuit) of.firstOthers = {PartialHand()};
    for (const int index : plan.deck) {
        const Card card = cardAt(index);
        auto& bySuit = ofRank_[static_cast<size_t>(card.rank - 2)];
        for (const Suit suit : kSuits) {
            OfRank& of = bySuit[suitIndex(suit)];
            if (suit == card.suit) {
                of.inDeck = true;
                of.card = index;
            } else {
                of.firstOthers.push_back(of.firstOthers.back().plus(index));
            }
        }
    }
}

void FlushBoardGroups::find(const std::array<std::uint8_t, 13>& toComeOfRank,
                            std::vector<FlushBoardGroup>& groups) const {
    groups.clear();
    // The ranks to come, at most five, as places 0.. of the subsets.
    std::array<size_t, 5> ranks{};
    int places = 0;
    for (size_t rank = 0; rank < toComeOfRank.size(); ++rank)
        if (toComeOfRank[rank] > 0) ranks[static_cast<size_t>(places++)] = rank;
    for (const Suit suit : kSuits) {
        const size_t s = suitIndex(suit);
        const int needed = toComeForFlush_[s];
        if (needed > places) continue;
        // Ranks whose card of the suit is not in the deck.
        unsigned closed = 0;
        for (int p = 0; p < places; ++p)
            if (!ofRank_[ranks[static_cast<size_t>(p)]][s].inDeck) closed |= 1u << p;
        // Each subset of the ranks is the group whose board cards of the
        // suit are those ranks' cards of it.
        const auto& subsets = kSubsetsLargestFirst[static_cast<size_t>(places)];
        for (size_t n = 0; n < (1u << places) && subsets[n].size >= needed; ++n) {
            const unsigned ofSuit = subsets[n].places;
            if ((ofSuit & closed) != 0) continue;
            FlushBoardGroup group{givenBoard_, 1};
            for (int p = 0; p < places && group.boards != 0; ++p) {
                const size_t rank = ranks[static_cast<size_t>(p)];
                const OfRank& of = ofRank_[rank][s];
                const bool takesSuit = ((ofSuit >> p) & 1u) != 0;
                const size_t others = toComeOfRank[rank] - (takesSuit ? 1u : 0u);
                const size_t held = of.firstOthers.size() - 1;
                if (others > held) {
                    group.boards = 0;
                } else {
                    group.boards *= kChoose[held][others];
                    group.board = group.board + of.firstOthers[others];
                    if (takesSuit) group.board = group.board.plus(of.card);
                }
            }
            if (group.boards != 0) groups.push_back(group);
        }
    }
}

}  // namespace korvana
