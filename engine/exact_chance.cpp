#include "exact_chance.h"

#include <algorithm>
#include <bit>
#include <stdexcept>

#include "hand_contents.h"

namespace korvana {
namespace {

// Binomial coefficients up to 52 choose 7 (all that a completion can need).
constexpr int kMaxMissing = 7;
struct BinomialTable {
    std::array<std::array<std::uint64_t, kMaxMissing + 1>, 53> value{};
    constexpr BinomialTable() {
        for (size_t n = 0; n <= 52; ++n) {
            value[n][0] = 1;
            for (size_t k = 1; k <= kMaxMissing && k <= n; ++k)
                value[n][k] = value[n - 1][k - 1] + value[n - 1][k];
        }
    }
};
constexpr BinomialTable kBinomial;

constexpr std::uint64_t choose(int n, int k) {
    if (k < 0 || n < 0 || k > n) return 0;
    return kBinomial.value[static_cast<size_t>(n)][static_cast<size_t>(k)];
}

using Hits = std::array<std::uint64_t, 11>;  // indexed by category value

// Flash, Straight Flash and Royal Flash depend on one suit only. With at most
// seven cards only one suit can hold five, so the suits' counts simply add up:
// for each suit, every set of its missing cards that may join the counted ones,
// times the ways to fill the rest from the other suits.
void countSuitedHands(const SuitMasks& counted, int uncounted, int missing, Hits& hits) {
    constexpr unsigned kAllRanks = 0x1FFFu, kTenToAce = 0x1F00u;
    for (const unsigned held : counted) {
        const int heldCount = std::popcount(held);
        if (heldCount + missing < 5) continue;
        const unsigned open = ~held & kAllRanks;
        const int otherSuits = uncounted - std::popcount(open);
        for (unsigned drawn = open;; drawn = (drawn - 1) & open) {
            const int drawnCount = std::popcount(drawn);
            if (drawnCount <= missing && heldCount + drawnCount >= 5) {
                const std::uint64_t ways = choose(otherSuits, missing - drawnCount);
                const unsigned all = held | drawn;
                hits[static_cast<size_t>(Category::Flush)] += ways;
                if (hasFiveInARow(all)) hits[static_cast<size_t>(Category::StraightFlush)] += ways;
                if ((all & kTenToAce) == kTenToAce) hits[static_cast<size_t>(Category::RoyalFlush)] += ways;
            }
            if (drawn == 0) break;
        }
    }
}

// The other hands depend on how many cards of each rank there are. Walks every
// way of spreading the missing cards over the ranks, each weighted by the
// number of suit choices that give it.
class RankSpread {
public:
    RankSpread(const std::array<int, 13>& counted, Hits& hits) : counted_(counted), hits_(hits) {
        for (int r = 12; r >= 0; --r)
            openFrom_[static_cast<size_t>(r)] = openFrom_[static_cast<size_t>(r) + 1] + 4 - at(r);
    }

    void walk(int rank, int missing, unsigned present, int pairs, int trips, bool quads,
              std::uint64_t ways) {
        if (rank == 13) {
            add(present, pairs, trips, quads, ways);
            return;
        }
        const int held = at(rank);
        const int open = 4 - held;
        // Leave no more missing cards than the higher ranks can take.
        const int fewest = std::max(0, missing - openFrom_[static_cast<size_t>(rank) + 1]);
        const int most = std::min(missing, open);
        for (int drawn = fewest; drawn <= most; ++drawn) {
            const int total = held + drawn;
            walk(rank + 1, missing - drawn, total > 0 ? present | (1u << rank) : present,
                 pairs + (total >= 2), trips + (total >= 3), quads || total == 4,
                 ways * choose(open, drawn));
        }
    }

private:
    int at(int rank) const { return counted_[static_cast<size_t>(rank)]; }

    void add(unsigned present, int pairs, int trips, bool quads, std::uint64_t ways) {
        const auto count = [&](Category category, bool made) {
            if (made) hits_[static_cast<size_t>(category)] += ways;
        };
        count(Category::HighCard, present != 0);
        count(Category::Pair, pairs >= 1);
        count(Category::TwoPairs, pairs >= 2);
        count(Category::ThreeOfAKind, trips >= 1);
        count(Category::Straight, hasFiveInARow(present));
        count(Category::FullHouse, trips >= 1 && pairs >= 2);
        count(Category::FourOfAKind, quads);
    }

    const std::array<int, 13>& counted_;
    Hits& hits_;
    std::array<int, 14> openFrom_{};  // missing cards the ranks from r up can still take
};

SuitMasks checkedMasks(std::span<const Card> counted, int target) {
    if (target < 5 || target > 7) throw std::invalid_argument("target must be 5, 6 or 7 cards");
    if (counted.size() > static_cast<size_t>(target))
        throw std::invalid_argument("more counted cards than the target");
    SuitMasks masks{};
    for (const Card& card : counted) {
        if (card.rank < 2 || card.rank > 14 || card.suit < 1 || card.suit > 4)
            throw std::invalid_argument("not a card");
        auto& suited = masks[static_cast<size_t>(card.suit - 1)];
        if (suited & rankBit(card.rank)) throw std::invalid_argument("a card counted twice");
        suited |= rankBit(card.rank);
    }
    return masks;
}

}  // namespace

ExactChances exactChances(std::span<const Card> counted, int target) {
    const SuitMasks masks = checkedMasks(counted, target);
    const int known = static_cast<int>(counted.size());
    const int uncounted = 52 - known;
    const int missing = target - known;

    Hits hits{};
    countSuitedHands(masks, uncounted, missing, hits);
    std::array<int, 13> perRank{};
    for (const Card& card : counted) ++perRank[static_cast<size_t>(card.rank - 2)];
    RankSpread(perRank, hits).walk(0, missing, 0, 0, 0, false, 1);

    const CategorySet made = containedCategories(masks);
    ExactChances result;
    const std::uint64_t completions = choose(uncounted, missing);
    for (const Category category : kCategoriesInListOrder) {
        auto& row = result.rows[static_cast<size_t>(listIndex(category))];
        row.chance.hits = hits[static_cast<size_t>(category)];
        row.chance.completions = completions;
        row.chance.probability =
            static_cast<double>(row.chance.hits) / static_cast<double>(completions);
    }
    if (missing == 0) return result;
    for (const auto& code : allCardCodes()) {
        const Card card = *parseCardCode(code);
        const auto suit = static_cast<size_t>(card.suit - 1);
        if (masks[suit] & rankBit(card.rank)) continue;
        SuitMasks withCard = masks;
        withCard[suit] |= rankBit(card.rank);
        const CategorySet madeWith = containedCategories(withCard);
        for (const Category category : kCategoriesInListOrder)
            if (!made.has(category) && madeWith.has(category))
                result.rows[static_cast<size_t>(listIndex(category))].outs.push_back(card);
    }
    return result;
}

}  // namespace korvana
