#include "engine/rows/exact_chance.h"

#include <algorithm>
#include <bit>
#include <stdexcept>

#include "engine/rows/hand_contents.h"

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

// Completions that hold each hand.
class Hits {
public:
    std::uint64_t& operator[](Category category) {
        return byRow_[static_cast<size_t>(listIndex(category))];
    }

private:
    std::array<std::uint64_t, kCategoriesInListOrder.size()> byRow_{};
};

// Completions in which one suit holds five in a row: the suit's ranks are taken
// one at a time, ace first (it also plays below the 2), keeping the run so far
// and how many of the missing cards the suit has taken, with the number of ways.
std::uint64_t straightFlushes(unsigned held, int otherSuits, int missing) {
    constexpr int kAce = 12, kDone = 5;
    const auto step = [](int run, bool in) { return run == kDone ? kDone : in ? run + 1 : 0; };
    const bool aceHeld = ((held >> kAce) & 1u) != 0;
    std::uint64_t total = 0;
    for (int aceDrawn = 0; aceDrawn <= (aceHeld ? 0 : std::min(1, missing)); ++aceDrawn) {
        const bool ace = aceHeld || aceDrawn == 1;
        std::array<std::array<std::uint64_t, kMaxMissing + 1>, kDone + 1>
            ways{};  // [run][cards taken]
        ways[ace ? 1 : 0][static_cast<size_t>(aceDrawn)] = 1;
        for (int rank = 0; rank < kAce; ++rank) {
            const bool isHeld = ((held >> rank) & 1u) != 0;
            std::array<std::array<std::uint64_t, kMaxMissing + 1>, kDone + 1> after{};
            for (int run = 0; run <= kDone; ++run)
                for (int taken = 0; taken <= missing; ++taken) {
                    const std::uint64_t w =
                        ways[static_cast<size_t>(run)][static_cast<size_t>(taken)];
                    if (w == 0) continue;
                    if (isHeld) {
                        after[static_cast<size_t>(step(run, true))][static_cast<size_t>(taken)] +=
                            w;
                        continue;
                    }
                    after[static_cast<size_t>(step(run, false))][static_cast<size_t>(taken)] += w;
                    if (taken < missing)
                        after[static_cast<size_t>(step(run, true))]
                             [static_cast<size_t>(taken + 1)] += w;
                }
            ways = after;
        }
        for (int run = 0; run <= kDone; ++run)
            if (run == kDone || (run == 4 && ace))  // the ace after the king closes T J Q K A
                for (int taken = 0; taken <= missing; ++taken)
                    total += ways[static_cast<size_t>(run)][static_cast<size_t>(taken)] *
                             choose(otherSuits, missing - taken);
    }
    return total;
}

// Flush, Straight Flush and Royal Flush depend on one suit only. With at most
// seven cards only one suit can hold five, so the suits' counts simply add up.
void countSuitedHands(const SuitMasks& counted, int uncounted, int missing, Hits& hits) {
    constexpr unsigned kAllRanks = 0x1FFFu, kTenToAce = 0x1F00u;
    for (const unsigned held : counted) {
        const int heldCount = std::popcount(held);
        if (heldCount + missing < 5) continue;
        const int open = std::popcount(~held & kAllRanks);
        const int otherSuits = uncounted - open;
        for (int taken = std::max(0, 5 - heldCount); taken <= missing; ++taken)
            hits[Category::Flush] += choose(open, taken) * choose(otherSuits, missing - taken);
        // The royal cards still open must all come; the rest may be any cards.
        const int royalOpen = std::popcount(~held & kTenToAce);
        hits[Category::RoyalFlush] += choose(uncounted - royalOpen, missing - royalOpen);
        hits[Category::StraightFlush] += straightFlushes(held, otherSuits, missing);
    }
}

// The other hands depend only on how many cards of each rank there are. The
// ranks are taken one at a time, ace first (it also plays below the 2), keeping
// for every partial spread of the missing cards only what decides the hands:
// the cards still to place, the run of consecutive ranks so far, and how many
// ranks are held twice, three times, four times. Each state carries the number
// of card choices that lead to it.
class RankSpread {
public:
    // perRank: counted cards per rank, index 0 for the 2 .. 12 for the ace.
    static void count(const std::array<int, 13>& perRank, int missing, Hits& hits) {
        constexpr size_t kAce = 12;
        const int aceHeld = perRank[kAce];
        for (int acesDrawn = 0; acesDrawn <= std::min(missing, 4 - aceHeld); ++acesDrawn) {
            const int aces = aceHeld + acesDrawn;
            Table table{};
            table[index(missing - acesDrawn, aces > 0 ? 1 : 0, aces >= 2, aces >= 3, aces == 4)] =
                choose(4 - aceHeld, acesDrawn);
            for (size_t rank = 0; rank < kAce; ++rank) table = next(table, perRank[rank]);
            addMade(table, aces > 0, hits);
        }
    }

private:
    static constexpr int kRuns = 6;  // 0..4 consecutive ranks so far, 5 = five in a row seen
    static constexpr size_t kStates = (kMaxMissing + 1) * kRuns * 3 * 2 * 2;
    using Table = std::array<std::uint64_t, kStates>;

    // pairs: ranks held at least twice, up to 2; trips: any rank three times; quads: four times.
    static constexpr size_t index(int left, int run, int pairs, bool trips, bool quads) {
        return static_cast<size_t>(((((left * kRuns + run) * 3 + pairs) * 2 + trips) * 2) + quads);
    }

    static Table next(const Table& table, int held) {
        Table after{};
        const int open = 4 - held;
        for (int left = 0; left <= kMaxMissing; ++left)
            for (int run = 0; run < kRuns; ++run)
                for (int pairs = 0; pairs < 3; ++pairs)
                    for (int trips = 0; trips < 2; ++trips)
                        for (int quads = 0; quads < 2; ++quads) {
                            const std::uint64_t ways = table[index(left, run, pairs, trips, quads)];
                            if (ways == 0) continue;
                            for (int drawn = 0; drawn <= std::min(left, open); ++drawn) {
                                const int total = held + drawn;
                                const int runAfter = run == 5 ? 5 : total > 0 ? run + 1 : 0;
                                after[index(left - drawn, runAfter,
                                            std::min(2, pairs + (total >= 2)), trips || total >= 3,
                                            quads || total == 4)] += ways * choose(open, drawn);
                            }
                        }
        return after;
    }

    // Reads off the finished spreads, those with no card left to place.
    static void addMade(const Table& table, bool ace, Hits& hits) {
        for (int run = 0; run < kRuns; ++run)
            for (int pairs = 0; pairs < 3; ++pairs)
                for (int trips = 0; trips < 2; ++trips)
                    for (int quads = 0; quads < 2; ++quads) {
                        const std::uint64_t ways = table[index(0, run, pairs, trips, quads)];
                        const auto count = [&](Category category, bool made) {
                            if (made) hits[category] += ways;
                        };
                        count(Category::Pair, pairs >= 1);
                        count(Category::TwoPairs, pairs >= 2);
                        count(Category::ThreeOfAKind, trips);
                        // The ace after the king closes T J Q K A.
                        count(Category::Straight, run == 5 || (run == 4 && ace));
                        count(Category::FullHouse, trips && pairs >= 2);
                        count(Category::FourOfAKind, quads);
                    }
    }
};

SuitMasks checkedMasks(std::span<const Card> counted, int target) {
    if (target < 5 || target > 7) throw std::invalid_argument("target must be 5, 6 or 7 cards");
    if (counted.size() > static_cast<size_t>(target))
        throw std::invalid_argument("more counted cards than the target");
    SuitMasks masks{};
    for (const Card& card : counted) {
        if (card.rank < 2 || card.rank > 14 || suitIndex(card.suit) >= kSuits.size())
            throw std::invalid_argument("not a card");
        auto& suited = masks[suitIndex(card.suit)];
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
    RankSpread::count(perRank, missing, hits);

    const CategorySet made = containedCategories(masks);
    ExactChances result;
    const std::uint64_t completions = choose(uncounted, missing);
    hits[Category::HighCard] = completions;  // every completion holds cards
    for (const Category category : kCategoriesInListOrder) {
        auto& row = result.rows[static_cast<size_t>(listIndex(category))];
        row.chance.hits = hits[category];
        row.chance.completions = completions;
        row.chance.probability =
            static_cast<double>(row.chance.hits) / static_cast<double>(completions);
    }
    if (missing == 0) return result;
    // Suit by suit, each from the 2 to the ace: the picker's order.
    for (const Suit suit : kSuits)
        for (int rank = 2; rank <= 14; ++rank) {
            SuitMasks withCard = masks;
            auto& suited = withCard[suitIndex(suit)];
            if (suited & rankBit(rank)) continue;
            suited |= rankBit(rank);
            const CategorySet madeWith = containedCategories(withCard);
            for (const Category category : kCategoriesInListOrder)
                if (!made.has(category) && madeWith.has(category))
                    result.rows[static_cast<size_t>(listIndex(category))].outs.push_back(
                        {rank, suit});
        }
    return result;
}

}  // namespace korvana
