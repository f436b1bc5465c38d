#include "engine/equity_sampling.h"

#include <array>
#include <random>
#include <vector>

namespace korvana {
namespace {

// Uniform whole numbers below a bound, from 32-bit halves of the generator's
// output: a multiplication, and a division only on the rare draw that must be
// thrown away to keep every number equally likely.
class Draw {
public:
    explicit Draw(std::uint64_t seed) : generator_(seed) {}

    std::uint32_t below(std::uint32_t bound) {
        std::uint64_t product = std::uint64_t{next()} * bound;
        if (static_cast<std::uint32_t>(product) < bound) {
            const std::uint32_t threshold = (0u - bound) % bound;
            while (static_cast<std::uint32_t>(product) < threshold)
                product = std::uint64_t{next()} * bound;
        }
        return static_cast<std::uint32_t>(product >> 32);
    }

private:
    std::uint32_t next() {
        if (spare_) {
            spare_ = false;
            return static_cast<std::uint32_t>(word_ >> 32);
        }
        word_ = generator_();
        spare_ = true;
        return static_cast<std::uint32_t>(word_);
    }
    std::mt19937_64 generator_;
    std::uint64_t word_ = 0;
    bool spare_ = false;
};

// Spreads the bits of a number over the whole word, so that neighbouring
// block numbers seed unrelated generators.
std::uint64_t mixed(std::uint64_t x) {
    x += 0x9E3779B97F4A7C15ull;
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ull;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBull;
    return x ^ (x >> 31);
}

}  // namespace

EquityTally sampleBlock(const DealPlan& plan, std::uint64_t seed, std::uint64_t block,
                        std::uint64_t deals, const std::atomic<bool>& stop) {
    const HandEvaluator& evaluator = handEvaluator();
    Draw draw(mixed(seed ^ mixed(block)));
    EquityTally tally;
    std::vector<int> cards;
    std::array<PocketCards, kMaxOpponents> held{};
    size_t ranged = 0;
    while (ranged < plan.opponents.size() && !plan.opponents[ranged].anyTwoCards) ++ranged;

    for (std::uint64_t n = 0; n < deals; ++n) {
        // The ranged opponents' hands are drawn together and drawn again when
        // two of them share a card: every possible combination stays equally likely.
        CardMask used = 0;
        for (std::uint64_t attempt = 1;; ++attempt) {
            used = 0;
            size_t i = 0;
            for (; i < ranged; ++i) {
                const auto& hands = plan.opponents[i].hands;
                held[i] = hands[draw.below(static_cast<std::uint32_t>(hands.size()))];
                if ((held[i].mask() & used) != 0) break;
                used |= held[i].mask();
            }
            if (i == ranged) break;
            if (attempt % 4096 == 0 && stop.load(std::memory_order_relaxed)) return tally;
        }
        // The others' hands and the board from the cards left, by the first
        // steps of a shuffle; each of those deals is as likely as any other,
        // whatever order the cards were left in by the deal before.
        if (ranged > 0 || cards.empty()) {
            cards.clear();
            for (const int index : plan.deck)
                if ((used & cardBit(index)) == 0) cards.push_back(index);
        }
        size_t dealt = 0;
        const auto next = [&] {
            const auto pick = dealt + draw.below(static_cast<std::uint32_t>(cards.size() - dealt));
            std::swap(cards[dealt], cards[pick]);
            return cards[dealt++];
        };
        for (size_t i = ranged; i < plan.opponents.size(); ++i) {
            const int a = next(), b = next();
            held[i] = a < b ? PocketCards{a, b} : PocketCards{b, a};
        }
        PartialHand board = plan.board;
        for (int i = 0; i < plan.boardToCome; ++i) board = board.plus(next());

        const HandRank hero = evaluator.rank(board + plan.hero);
        HandRank best = hero;
        PlayerSet sharing = PlayerSet::only(0);
        const auto settle = [&](HandRank rank, int player) {
            if (rank > best) {
                best = rank;
                sharing = PlayerSet::only(player);
            } else if (rank == best) {
                sharing = sharing.with(player);
            }
        };
        for (const auto& known : plan.knownOpponents)
            settle(evaluator.rank(board + known.cards), known.player);
        for (size_t i = 0; i < plan.opponents.size(); ++i)
            settle(evaluator.rank(board.plus(held[i].low).plus(held[i].high)),
                   plan.opponents[i].player);
        tally.add(sharing, hero.category(), 1);
    }
    return tally;
}

}  // namespace korvana
