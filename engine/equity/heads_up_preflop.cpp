#include "engine/equity/heads_up_preflop.h"

#include <vector>

#include "engine/cards/hand_rank.h"
#include "engine/equity/preflop/match_ups.h"
#include "engine/evaluator/hand_evaluator.h"

namespace korvana {
namespace {

// The list index of the category of every hand rank.
constexpr std::array<std::uint8_t, kHandStrengths + 1> kListIndexOfRank = [] {
    std::array<std::uint8_t, kHandStrengths + 1> indices{};
    for (size_t value = 0; value < indices.size(); ++value)
        indices[value] = static_cast<std::uint8_t>(listIndex(hand_rank_detail::kCategoryOf[value]));
    return indices;
}();

}  // namespace

// Each board of the hero's counts for the opponent's hands it leaves: all of
// them, less those holding one of its cards, plus those holding two (taken
// off twice), so the weights of single cards and pairs of cards are enough.
std::array<std::uint64_t, 10> heroFinalCategories(PocketCards hero,
                                                  std::span<const WeightedHand> opponent) {
    std::uint64_t all = 0;
    std::array<std::uint64_t, kDeckSize> ofCard{};
    std::vector<std::array<std::uint64_t, kDeckSize>> ofPair(kDeckSize);
    for (const WeightedHand& hand : opponent) {
        all += hand.weight;
        ofCard[static_cast<size_t>(hand.hand.low)] += hand.weight;
        ofCard[static_cast<size_t>(hand.hand.high)] += hand.weight;
        ofPair[static_cast<size_t>(hand.hand.low)][static_cast<size_t>(hand.hand.high)] +=
            hand.weight;
        ofPair[static_cast<size_t>(hand.hand.high)][static_cast<size_t>(hand.hand.low)] +=
            hand.weight;
    }
    std::vector<size_t> deck;
    for (int index = 0; index < kDeckSize; ++index)
        if ((hero.mask() & cardBit(index)) == 0) deck.push_back(static_cast<size_t>(index));
    const size_t n = deck.size();
    const HandEvaluator& evaluator = handEvaluator();
    const PartialHand cards = PartialHand().plus(hero.low).plus(hero.high);
    // Unsigned sums wrap on the way but end at the true count.
    std::array<std::uint64_t, 10> categories{};
    for (size_t a = 0; a < n; ++a) {
        const size_t ca = deck[a];
        const PartialHand withA = cards.plus(static_cast<int>(ca));
        const std::uint64_t leftA = all - ofCard[ca];
        for (size_t b = a + 1; b < n; ++b) {
            const size_t cb = deck[b];
            const PartialHand withB = withA.plus(static_cast<int>(cb));
            const std::uint64_t leftB = leftA - ofCard[cb] + ofPair[ca][cb];
            for (size_t c = b + 1; c < n; ++c) {
                const size_t cc = deck[c];
                const PartialHand withC = withB.plus(static_cast<int>(cc));
                const std::uint64_t leftC = leftB - ofCard[cc] + ofPair[ca][cc] + ofPair[cb][cc];
                for (size_t d = c + 1; d < n; ++d) {
                    const size_t cd = deck[d];
                    const PartialHand withD = withC.plus(static_cast<int>(cd));
                    const std::uint64_t leftD =
                        leftC - ofCard[cd] + ofPair[ca][cd] + ofPair[cb][cd] + ofPair[cc][cd];
                    const auto& pairsA = ofPair[ca];
                    const auto& pairsB = ofPair[cb];
                    const auto& pairsC = ofPair[cc];
                    const auto& pairsD = ofPair[cd];
                    for (size_t e = d + 1; e < n; ++e) {
                        const size_t ce = deck[e];
                        const std::uint64_t left =
                            leftD - ofCard[ce] + pairsA[ce] + pairsB[ce] + pairsC[ce] + pairsD[ce];
                        const HandRank rank = evaluator.rank(withD.plus(static_cast<int>(ce)));
                        categories[kListIndexOfRank[rank.value]] += left;
                    }
                }
            }
        }
    }
    return categories;
}

EquityTally countHeadsUpPreflop(PocketCards hero, std::span<const WeightedHand> opponent) {
    const HeroMatchUps matchUps(hero);
    std::uint64_t wins = 0, ties = 0, deals = 0;
    for (const WeightedHand& hand : opponent) {
        const MatchUpCount count = matchUps.against(hand.hand);
        wins += hand.weight * count.wins;
        ties += hand.weight * count.ties;
        deals += hand.weight * kBoardsPerMatchUp;
    }
    // Whole numbers far below 2^53: exact as the tally's doubles.
    const auto real = [](std::uint64_t n) { return static_cast<double>(n); };
    EquityTally tally;
    tally.deals = deals;
    tally.weight = real(deals);
    tally.observations = deals;
    tally.wins = {real(wins), real(deals - wins - ties)};
    tally.ties = {real(ties), real(ties)};
    tally.shares = {
        real(wins) * EquityTally::kPot + real(ties) * EquityTally::kShare[2],
        real(deals - wins - ties) * EquityTally::kPot + real(ties) * EquityTally::kShare[2]};
    return tally;
}

}  // namespace korvana
