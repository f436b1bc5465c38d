#include "equity_sampling.h"

#include <array>

namespace korvana {
namespace {

// Draws of all ranged hands at once that may be thrown away before the walk
// takes over: below one draw in eight that fits, the walk is faster.
constexpr int kTrialDraws = 1024;
constexpr int kFewestFitting = kTrialDraws / 8;
// Steps of the walk before a block's first deal, per ranged opponent: the
// start is one fixed deal, and the walk must forget it.
constexpr int kStepsBeforeFirstDeal = 64;
// Every so many deals the walk also redraws two players' hands at once:
// some spots let no single hand change (six players holding the only twelve
// cards of their ranges), and two at a time they still move.
constexpr std::uint64_t kDealsPerTwoHandStep = 4;
// The walk's deals count for the standard error in batches of this many.
constexpr std::uint64_t kDealsPerBatch = 256;
// The search for the walk's start gives up after this many steps.
constexpr std::uint64_t kSearchEffort = 20'000'000;

// Spreads the bits of a number over the whole word, so that neighbouring
// block numbers seed unrelated generators.
std::uint64_t mixed(std::uint64_t x) {
    x += 0x9E3779B97F4A7C15ull;
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ull;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBull;
    return x ^ (x >> 31);
}

}  // namespace

// xoshiro256**: fast, with no pattern a deal could show. Uniform whole
// numbers below a bound come from 32-bit halves of its output by a
// multiplication, and a division only on the rare draw that must be thrown
// away to keep every number equally likely.
class DealSampler::Draw {
public:
    explicit Draw(std::uint64_t seed) {
        for (auto& word : state_) word = seed = mixed(seed);
    }

    std::uint32_t below(std::uint32_t bound) {
        std::uint64_t product = std::uint64_t{next()} * bound;
        if (static_cast<std::uint32_t>(product) < bound) {
            const std::uint32_t threshold = (0u - bound) % bound;
            while (static_cast<std::uint32_t>(product) < threshold)
                product = std::uint64_t{next()} * bound;
        }
        return static_cast<std::uint32_t>(product >> 32);
    }
    template <typename List>
    const auto& oneOf(const List& list) {
        return list[below(static_cast<std::uint32_t>(list.size()))];
    }

private:
    static std::uint64_t rotl(std::uint64_t x, int k) { return (x << k) | (x >> (64 - k)); }
    std::uint64_t word() {
        const std::uint64_t result = rotl(state_[1] * 5, 7) * 9;
        const std::uint64_t t = state_[1] << 17;
        state_[2] ^= state_[0];
        state_[3] ^= state_[1];
        state_[1] ^= state_[2];
        state_[0] ^= state_[3];
        state_[2] ^= t;
        state_[3] = rotl(state_[3], 45);
        return result;
    }
    std::uint32_t next() {
        if (spare_) {
            spare_ = false;
            return static_cast<std::uint32_t>(word_ >> 32);
        }
        word_ = word();
        spare_ = true;
        return static_cast<std::uint32_t>(word_);
    }
    std::array<std::uint64_t, 4> state_{};
    std::uint64_t word_ = 0;
    bool spare_ = false;
};

DealSampler::DealSampler(const DealPlan& plan) : plan_(plan), ranged_(plan.rangedCount()) {
    if (ranged_ < 2) return;
    Draw draw(mixed(ranged_));
    int fitting = 0;
    for (int trial = 0; trial < kTrialDraws; ++trial) {
        CardMask used = 0;
        size_t i = 0;
        for (; i < ranged_; ++i) {
            const CardMask hand = draw.oneOf(plan.opponents[i].hands).mask();
            if ((hand & used) != 0) break;
            used |= hand;
        }
        fitting += i == ranged_ ? 1 : 0;
    }
    if (fitting >= kFewestFitting) return;
    const auto start = plan.someRangedDeal(kSearchEffort);
    // A search that gave up leaves the draws, which find what deals there are.
    if (!start) return;
    anyDeal_ = !start->empty();
    walk_ = anyDeal_;
    start_ = *start;
}

void DealSampler::redrawOne(Draw& draw, PocketCards* held, CardMask& used) const {
    const auto i = draw.below(static_cast<std::uint32_t>(ranged_));
    const CardMask others = used & ~held[i].mask();
    const auto& hands = plan_.opponents[i].hands;
    // A few blind draws, then one among the hands that fit: either way each
    // fitting hand is as likely as any other.
    for (int attempt = 0; attempt < 8; ++attempt) {
        const PocketCards hand = draw.oneOf(hands);
        if ((hand.mask() & others) == 0) {
            held[i] = hand;
            used = others | hand.mask();
            return;
        }
    }
    std::uint32_t fitting = 0;
    for (const PocketCards& hand : hands) fitting += (hand.mask() & others) == 0 ? 1 : 0;
    std::uint32_t pick = draw.below(fitting);  // at least the hand held now fits
    for (const PocketCards& hand : hands)
        if ((hand.mask() & others) == 0 && pick-- == 0) {
            held[i] = hand;
            break;
        }
    used = others | held[i].mask();
}

void DealSampler::redrawTwo(Draw& draw, PocketCards* held, CardMask& used) const {
    const auto i = draw.below(static_cast<std::uint32_t>(ranged_));
    auto j = draw.below(static_cast<std::uint32_t>(ranged_ - 1));
    j += j >= i ? 1 : 0;
    const CardMask others = used & ~held[i].mask() & ~held[j].mask();
    const auto& first = plan_.opponents[i].hands;
    const auto& second = plan_.opponents[j].hands;
    const auto fit = [&](const PocketCards& a, const PocketCards& b) {
        return (a.mask() & others) == 0 && (b.mask() & (others | a.mask())) == 0;
    };
    for (int attempt = 0; attempt < 8; ++attempt) {
        const PocketCards a = draw.oneOf(first), b = draw.oneOf(second);
        if (fit(a, b)) {
            held[i] = a;
            held[j] = b;
            used = others | a.mask() | b.mask();
            return;
        }
    }
    std::uint32_t fitting = 0;
    for (const PocketCards& a : first)
        if ((a.mask() & others) == 0)
            for (const PocketCards& b : second) fitting += fit(a, b) ? 1 : 0;
    std::uint32_t pick = draw.below(fitting);  // at least the hands held now fit
    for (const PocketCards& a : first)
        if ((a.mask() & others) == 0)
            for (const PocketCards& b : second)
                if (fit(a, b) && pick-- == 0) {
                    held[i] = a;
                    held[j] = b;
                    used = others | a.mask() | b.mask();
                    return;
                }
}

EquityTally DealSampler::block(std::uint64_t seed, std::uint64_t block, std::uint64_t deals,
                               const std::atomic<bool>& stop) const {
    const HandEvaluator& evaluator = handEvaluator();
    const DealPlan& plan = plan_;
    const size_t ranged = ranged_;
    Draw draw(mixed(seed ^ mixed(block)));
    EquityTally tally, batch;
    std::vector<int> cards;
    std::array<PocketCards, kMaxOpponents> held{};
    CardMask used = 0;
    if (walk_) {
        for (size_t i = 0; i < ranged; ++i) {
            held[i] = start_[i];
            used |= held[i].mask();
        }
        for (size_t step = 0; step < kStepsBeforeFirstDeal * ranged; ++step) {
            redrawOne(draw, held.data(), used);
            redrawTwo(draw, held.data(), used);
        }
    }

    for (std::uint64_t n = 0; n < deals; ++n) {
        if (walk_) {
            redrawOne(draw, held.data(), used);
            if (n % kDealsPerTwoHandStep == 0) redrawTwo(draw, held.data(), used);
            if (n % kDealsPerBatch == 0) {
                tally.addBatch(batch);
                batch = {};
                if (stop.load(std::memory_order_relaxed)) return tally;
            }
        } else {
            // The ranged opponents' hands are drawn together and drawn again
            // when two of them share a card: every combination stays equally likely.
            for (std::uint64_t attempt = 1;; ++attempt) {
                used = 0;
                size_t i = 0;
                for (; i < ranged; ++i) {
                    held[i] = draw.oneOf(plan.opponents[i].hands);
                    if ((held[i].mask() & used) != 0) break;
                    used |= held[i].mask();
                }
                if (i == ranged) break;
                if (attempt % 4096 == 0 && stop.load(std::memory_order_relaxed)) return tally;
            }
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
        (walk_ ? batch : tally).add(sharing, hero.category(), 1);
    }
    tally.addBatch(batch);
    return tally;
}

}  // namespace korvana
