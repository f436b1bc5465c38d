#include "engine/equity/equity_sampling.h"

#include <algorithm>
#include <array>
#include <bit>

#include "engine/equity/showdown.h"

namespace korvana {
namespace {

// Draws of all ranged hands at once that may be thrown away before the walk
// takes over: below one draw in eight that fits, the walk is faster.
constexpr int kTrialDraws = 1024;
constexpr int kFewestFitting = kTrialDraws / 8;
// Steps of the walk before a block's first deal, per ranged opponent: the
// start is one fixed deal, and the walk must forget it.
constexpr int kStepsBeforeFirstDeal = 16;
// The walk's deals count for the standard error in batches of this many.
constexpr std::uint64_t kDealsPerBatch = 256;
// Blind draws that a redraw tries before it lists the hands that fit: worth
// it for wide ranges, where most hands fit.
constexpr int kBlindDraws = 4;
constexpr size_t kListAtOnce = 128;  // ranges of at most this many hands are listed at once

// Up to this many ranged opponents are drawn at once, from every way to give
// them hands that fit, as long as their ranges make at most so many ways
// (three ranges of 40 hands): a list of a few megabytes at most, made in
// about a millisecond.
constexpr size_t kMostJoined = 3;
constexpr size_t kMostJoinedWays = 1 << 16;

// The walk tries a whole new deal at every step, or, when the first draws
// found almost none that fit (so that nearly every try is thrown away), at
// every eighth, where the tries would cost more than they bring.
constexpr int kFewestFittingFresh = kTrialDraws / 128;
constexpr std::uint32_t kRareFreshDeals = 8;

// The search for the walk's start gives up after this many steps.
constexpr std::uint64_t kSearchEffort = 20'000'000;
// Ranges with at most this many deals have them all listed instead of
// walked (a few hundred kilobytes), as long as the listing takes at most so
// many steps (a millisecond); finding out that there are more costs a fraction
// of that.
constexpr size_t kMostListedDeals = 1 << 12;
constexpr std::uint64_t kListingEffort = 1'000'000;

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

std::vector<DealSampler::DrawGroup> DealSampler::drawGroups(const DealPlan& plan, size_t ranged) {
    std::vector<DrawGroup> groups;
    for (size_t i = 0; i < ranged;) {
        DrawGroup& group = groups.emplace_back();
        group.first = i;
        size_t ways = plan.opponents[i].hands.size();
        while (group.players < kMostJoined && i + group.players < ranged &&
               ways * plan.opponents[i + group.players].hands.size() <= kMostJoinedWays)
            ways *= plan.opponents[i + group.players++].hands.size();
        // Every way, one opponent's hand after the other, as a counter would run.
        std::array<PocketCards, kMostJoined> held{};
        const auto add = [&](auto& self, size_t k, CardMask used) -> void {
            if (k == group.players) {
                group.hands.insert(group.hands.end(), held.begin(), held.begin() + k);
                group.cards.push_back(used);
                return;
            }
            for (const PocketCards& hand : plan.opponents[i + k].hands) {
                if ((hand.mask() & used) != 0) continue;
                held[k] = hand;
                self(self, k + 1, used | hand.mask());
            }
        };
        add(add, 0, 0);
        i += group.players;
    }
    return groups;
}

DealSampler::DealSampler(const DealPlan& plan)
    : plan_(plan), ranged_(plan.rangedCount()), groups_(drawGroups(plan, ranged_)) {
    for (const int index : plan.deck) deckCards_ |= cardBit(index);
    for (size_t i = 0; i < ranged_; ++i) {
        masks_.emplace_back();
        for (const PocketCards& hand : plan.opponents[i].hands)
            masks_.back().push_back(hand.mask());
    }
    // Opponents without a way to hold hands that fit each other have no deal.
    if (std::any_of(groups_.begin(), groups_.end(),
                    [](const DrawGroup& group) { return group.hands.empty(); })) {
        anyDeal_ = false;
        return;
    }
    if (groups_.size() < 2) return;
    Draw draw(mixed(ranged_));
    int fitting = 0;
    for (int trial = 0; trial < kTrialDraws; ++trial) {
        CardMask used = 0;
        size_t g = 0;
        for (; g < groups_.size(); ++g) {
            const CardMask cards = draw.oneOf(groups_[g].cards);
            if ((cards & used) != 0) break;
            used |= cards;
        }
        fitting += g == groups_.size() ? 1 : 0;
    }
    if (fitting >= kFewestFitting) return;
    if (auto every = plan.everyRangedDeal(kMostListedDeals, kListingEffort)) {
        anyDeal_ = !every->empty();
        DrawGroup all{0, ranged_, std::move(*every), {}};
        for (size_t way = 0; way < all.hands.size(); way += ranged_) {
            CardMask cards = 0;
            for (size_t i = way; i < way + ranged_; ++i) cards |= all.hands[i].mask();
            all.cards.push_back(cards);
        }
        groups_ = {std::move(all)};
        return;
    }
    const auto start = plan.someRangedDeal(kSearchEffort);
    // A search that gave up leaves the draws, which find what deals there are.
    if (!start) return;
    anyDeal_ = !start->empty();
    walk_ = anyDeal_;
    start_ = *start;
    freshDealEvery_ = fitting >= kFewestFittingFresh ? 1 : kRareFreshDeals;
}

namespace {

// The places in 'hands' of those that hold none of the cards; 'into' has room for all.
std::uint32_t fitting(const std::vector<CardMask>& hands, CardMask cards, std::uint16_t* into) {
    std::uint32_t n = 0;
    for (size_t h = 0; h < hands.size(); ++h) {
        into[n] = static_cast<std::uint16_t>(h);
        n += (hands[h] & cards) == 0 ? 1 : 0;
    }
    return n;
}

}  // namespace

void DealSampler::walkOn(Draw& draw, Held& held, Scratch& scratch) const {
    redrawTwo(draw, held, scratch);
    if (--held.untilFreshDeal > 0) return;
    held.untilFreshDeal = freshDealEvery_;
    tryFreshDeal(draw, held);
}

void DealSampler::tryFreshDeal(Draw& draw, Held& held) const {
    std::array<std::uint32_t, kMaxOpponents> ways{};
    CardMask used = 0;
    for (size_t g = 0; g < groups_.size(); ++g) {
        ways[g] = draw.below(static_cast<std::uint32_t>(groups_[g].cards.size()));
        if ((groups_[g].cards[ways[g]] & used) != 0) return;
        used |= groups_[g].cards[ways[g]];
    }
    for (size_t g = 0; g < groups_.size(); ++g) {
        const DrawGroup& group = groups_[g];
        for (size_t k = 0; k < group.players; ++k) {
            const PocketCards& hand = group.hands[ways[g] * group.players + k];
            held.hands[group.first + k] = hand;
            held.masks[group.first + k] = hand.mask();
        }
    }
    held.used = used;
}

void DealSampler::redrawTwo(Draw& draw, Held& held, Scratch& scratch) const {
    const auto i = draw.below(static_cast<std::uint32_t>(ranged_));
    auto j = draw.below(static_cast<std::uint32_t>(ranged_ - 1));
    j += j >= i ? 1 : 0;
    const CardMask others = held.used & ~held.masks[i] & ~held.masks[j];
    const auto& first = masks_[i];
    const auto& second = masks_[j];
    const auto take = [&](std::uint32_t a, std::uint32_t b) {
        held.hands[i] = plan_.opponents[i].hands[a];
        held.hands[j] = plan_.opponents[j].hands[b];
        held.masks[i] = first[a];
        held.masks[j] = second[b];
        held.used = others | first[a] | second[b];
    };
    const bool wide = first.size() > kListAtOnce && second.size() > kListAtOnce;
    for (int attempt = 0; wide && attempt < kBlindDraws; ++attempt) {
        const auto a = draw.below(static_cast<std::uint32_t>(first.size()));
        const auto b = draw.below(static_cast<std::uint32_t>(second.size()));
        if ((first[a] & others) == 0 && (second[b] & (others | first[a])) == 0) return take(a, b);
    }
    // A pair of the hands that fit the others, and not each other: blindly
    // among those that fit the others, then by listing every such pair.
    const std::uint16_t* fitFirst = scratch.first.data();
    const std::uint16_t* fitSecond = scratch.second.data();
    const std::uint32_t m = fitting(first, others, scratch.first.data());
    const std::uint32_t n = fitting(second, others, scratch.second.data());
    for (int attempt = 0; attempt < 4 * kBlindDraws; ++attempt) {
        const auto a = fitFirst[draw.below(m)], b = fitSecond[draw.below(n)];
        if ((first[a] & second[b]) == 0) return take(a, b);
    }
    std::uint32_t pairs = 0;
    for (size_t a = 0; a < m; ++a)
        for (size_t b = 0; b < n; ++b)
            pairs += (first[fitFirst[a]] & second[fitSecond[b]]) == 0 ? 1 : 0;
    std::uint32_t pick = draw.below(pairs);  // at least the hands held now fit
    for (size_t a = 0; a < m; ++a)
        for (size_t b = 0; b < n; ++b)
            if ((first[fitFirst[a]] & second[fitSecond[b]]) == 0 && pick-- == 0)
                return take(fitFirst[a], fitSecond[b]);
}

EquityTally DealSampler::block(std::uint64_t seed, std::uint64_t block, std::uint64_t deals,
                               const std::atomic<bool>& stop) const {
    const HandEvaluator& evaluator = handEvaluator();
    const DealPlan& plan = plan_;
    const size_t ranged = ranged_;
    Draw draw(mixed(seed ^ mixed(block)));
    EquityTally tally, batch;
    Scratch scratch{std::vector<std::uint16_t>(kPocketCardPairs),
                    std::vector<std::uint16_t>(kPocketCardPairs)};
    std::array<int, kDeckSize> cards{};
    std::array<int, kDeckSize> place{};  // where each card is in 'cards'
    size_t cardsLeft = 0;
    CardMask dealtFrom = ~CardMask{0};  // the ranged hands' cards when 'cards' was last set
    std::array<std::uint32_t, kMaxOpponents> ways{};  // of each group, in a draw
    Held walked;
    std::array<PocketCards, kMaxOpponents>& held = walked.hands;
    CardMask& used = walked.used;
    if (walk_) {
        for (size_t i = 0; i < ranged; ++i) {
            held[i] = start_[i];
            walked.masks[i] = held[i].mask();
            used |= walked.masks[i];
        }
        for (size_t step = 0; step < kStepsBeforeFirstDeal * ranged; ++step)
            walkOn(draw, walked, scratch);
    }

    for (std::uint64_t n = 0; n < deals; ++n) {
        if (walk_) {
            walkOn(draw, walked, scratch);
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
                size_t g = 0;
                for (; g < groups_.size(); ++g) {
                    const DrawGroup& group = groups_[g];
                    ways[g] = draw.below(static_cast<std::uint32_t>(group.cards.size()));
                    if ((group.cards[ways[g]] & used) != 0) break;
                    used |= group.cards[ways[g]];
                }
                if (g == groups_.size()) break;
                if (attempt % 4096 == 0 && stop.load(std::memory_order_relaxed)) return tally;
            }
            for (size_t g = 0; g < groups_.size(); ++g) {
                const DrawGroup& group = groups_[g];
                const auto from =
                    group.hands.begin() + static_cast<std::ptrdiff_t>(ways[g] * group.players);
                std::copy_n(from, group.players,
                            held.begin() + static_cast<std::ptrdiff_t>(group.first));
            }
        }
        // The others' hands and the board from the cards left, by the first
        // steps of a shuffle; each of those deals is as likely as any other,
        // whatever order the cards were left in by the deal before.
        if (dealtFrom == ~CardMask{0}) {
            for (CardMask left = deckCards_ & ~used; left != 0; left &= left - 1) {
                const int card = std::countr_zero(left);
                place[static_cast<size_t>(card)] = static_cast<int>(cardsLeft);
                cards[cardsLeft++] = card;
            }
        } else if (used != dealtFrom) {
            // Only a hand or two changed: their cards leave the list or join it.
            for (CardMask gone = used & ~dealtFrom; gone != 0; gone &= gone - 1) {
                const int card = std::countr_zero(gone);
                const int at = place[static_cast<size_t>(card)];
                const int moved = cards[--cardsLeft];
                cards[static_cast<size_t>(at)] = moved;
                place[static_cast<size_t>(moved)] = at;
            }
            for (CardMask back = dealtFrom & ~used; back != 0; back &= back - 1) {
                const int card = std::countr_zero(back);
                place[static_cast<size_t>(card)] = static_cast<int>(cardsLeft);
                cards[cardsLeft++] = card;
            }
        }
        dealtFrom = used;
        size_t dealt = 0;
        const auto next = [&] {
            const auto pick = dealt + draw.below(static_cast<std::uint32_t>(cardsLeft - dealt));
            std::swap(cards[dealt], cards[pick]);
            place[static_cast<size_t>(cards[dealt])] = static_cast<int>(dealt);
            place[static_cast<size_t>(cards[pick])] = static_cast<int>(pick);
            return cards[dealt++];
        };
        for (size_t i = ranged; i < plan.opponents.size(); ++i) {
            const int a = next(), b = next();
            held[i] = a < b ? PocketCards{a, b} : PocketCards{b, a};
        }
        PartialHand board = plan.board;
        for (int i = 0; i < plan.boardToCome; ++i) board = board.plus(next());

        Showdown showdown = Showdown::ofKnownHands(plan, board, evaluator);
        for (size_t i = 0; i < plan.opponents.size(); ++i)
            showdown.show(evaluator.rank(board.plus(held[i].low).plus(held[i].high)),
                          plan.opponents[i].player);
        (walk_ ? batch : tally).add(showdown.sharing, showdown.hero.category(), 1);
    }
    tally.addBatch(batch);
    return tally;
}

}  // namespace korvana
