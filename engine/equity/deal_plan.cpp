#include "engine/equity/deal_plan.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <functional>
#include <unordered_set>

namespace korvana {
namespace {

// Ways to give the ranged opponents from 'from' onwards disjoint hands avoiding
// 'used', counted into 'ways' until 'effort' steps are spent (then false).
bool countRanged(const std::vector<DealPlan::Opponent>& ranged, size_t from, CardMask used,
                 std::uint64_t& ways, std::uint64_t& effort, std::uint64_t most) {
    if (from == ranged.size()) return ++ways <= most;
    for (const PocketCards& hand : ranged[from].hands) {
        if (effort-- == 0) return false;
        if ((hand.mask() & used) == 0 &&
            !countRanged(ranged, from + 1, used | hand.mask(), ways, effort, most))
            return false;
    }
    return true;
}

// One hand per ranged opponent, none sharing a card, narrowest ranges first
// so that a dead end shows early. Opponents holding the same hands take them
// in rising order (any deal of theirs is one of those with the seats
// swapped), and cards left that once led nowhere are not tried again: so a
// table no deal fits (eight opponents on the same few pairs) is answered at
// once, not after every order of the same hands.
class RangedSearch {
public:
    RangedSearch(std::vector<const DealPlan::Opponent*> ranged, std::uint64_t effort)
        : ranged_(std::move(ranged)),
          cardsFrom_(ranged_.size() + 1, 0),
          sameAsBefore_(ranged_.size(), false),
          held_(ranged_.size()),
          effort_(effort) {
        for (size_t i = ranged_.size(); i-- > 0;) {
            CardMask cards = 0;
            for (const PocketCards& hand : ranged_[i]->hands) cards |= hand.mask();
            cardsFrom_[i] = cardsFrom_[i + 1] | cards;
            sameAsBefore_[i] = i > 0 && ranged_[i]->hands == ranged_[i - 1]->hands;
        }
    }

    // The hands found, in the order given; empty when there is none, nullopt
    // when the search gave up.
    std::optional<std::vector<PocketCards>> run() {
        if (find(0, 0, 0)) return held_;
        return gaveUp_ ? std::nullopt : std::optional(std::vector<PocketCards>{});
    }

private:
    struct Tried {
        size_t from;
        CardMask used;
        size_t firstHand;
        friend bool operator==(const Tried&, const Tried&) = default;
    };
    struct TriedHash {
        size_t operator()(const Tried& t) const {
            return std::hash<CardMask>()(t.used * 0x9E3779B97F4A7C15ull ^ (t.from << 56) ^
                                         (t.firstHand << 40));
        }
    };
    // Enough to remember the dead ends of any table players set, in a few megabytes.
    static constexpr size_t kMostRemembered = 1u << 17;

    bool find(size_t from, CardMask used, size_t firstHand) {
        if (from == ranged_.size()) return true;
        const CardMask left = cardsFrom_[from] & ~used;
        if (std::popcount(left) < 2 * static_cast<int>(ranged_.size() - from)) return false;
        const Tried tried{from, used & cardsFrom_[from], sameAsBefore_[from] ? firstHand : 0};
        if (deadEnds_.contains(tried)) return false;
        const auto& hands = ranged_[from]->hands;
        for (size_t h = tried.firstHand; h < hands.size(); ++h) {
            if (effort_-- == 0) {
                gaveUp_ = true;
                return false;
            }
            if ((hands[h].mask() & used) != 0) continue;
            held_[from] = hands[h];
            const bool nextSame = from + 1 < ranged_.size() && sameAsBefore_[from + 1];
            if (find(from + 1, used | hands[h].mask(), nextSame ? h + 1 : 0)) return true;
            if (gaveUp_) return false;
        }
        if (deadEnds_.size() < kMostRemembered) deadEnds_.insert(tried);
        return false;
    }

    std::vector<const DealPlan::Opponent*> ranged_;
    std::vector<CardMask> cardsFrom_;  // held in the ranges from i on
    std::vector<bool> sameAsBefore_;   // the same hands as the opponent before
    std::vector<PocketCards> held_;
    std::uint64_t effort_;
    bool gaveUp_ = false;
    std::unordered_set<Tried, TriedHash> deadEnds_;
};

}  // namespace

std::uint64_t chooseCards(int n, int k) {
    if (k < 0 || k > n) return 0;
    std::uint64_t ways = 1;
    for (int i = 1; i <= k; ++i)
        ways = ways * static_cast<std::uint64_t>(n - k + i) / static_cast<std::uint64_t>(i);
    return ways;
}

std::optional<DealPlan::DealCount> DealPlan::deals(std::uint64_t effort, double most) const {
    const std::vector<Opponent> ranged(opponents.begin(),
                                       opponents.begin() + static_cast<long>(rangedCount()));
    const int anyTwo = static_cast<int>(opponents.size() - ranged.size());
    // Every ranged deal leaves the same number of cards for the rest.
    int left = static_cast<int>(deck.size()) - 2 * static_cast<int>(ranged.size());
    double restPerRangedDeal = static_cast<double>(chooseCards(left - 2 * anyTwo, boardToCome));
    for (int i = 0, cards = left; i < anyTwo; ++i, cards -= 2)
        restPerRangedDeal *= static_cast<double>(chooseCards(cards, 2));
    const double mostRanged = std::floor(most / std::max(restPerRangedDeal, 1.0));
    std::uint64_t rangedWays = 0;
    if (!countRanged(
            ranged, 0, 0, rangedWays, effort,
            mostRanged >= 1.8e19 ? ~std::uint64_t{0} : static_cast<std::uint64_t>(mostRanged)))
        return std::nullopt;
    DealCount count{rangedWays, static_cast<double>(rangedWays)};
    std::uint64_t ways = rangedWays;
    const auto times = [&](std::uint64_t factor) {
        count.about *= static_cast<double>(factor);
        if (count.whole && __builtin_mul_overflow(ways, factor, &ways)) count.whole.reset();
    };
    for (int i = 0; i < anyTwo; ++i, left -= 2) times(chooseCards(left, 2));
    times(chooseCards(left, boardToCome));
    if (count.whole) count.whole = ways;
    return count;
}

size_t DealPlan::rangedCount() const {
    size_t ranged = 0;
    while (ranged < opponents.size() && !opponents[ranged].anyTwoCards) ++ranged;
    return ranged;
}

std::vector<int> DealPlan::crowdedRanges() const {
    const size_t ranged = rangedCount();
    std::vector<CardMask> cardsOf(ranged);
    for (size_t i = 0; i < ranged; ++i)
        for (const PocketCards& hand : opponents[i].hands) cardsOf[i] |= hand.mask();
    // Every group of up to nine: at most 511 unions of a few masks.
    std::vector<int> crowded;
    for (std::uint32_t group = 1; group < (1u << ranged); ++group) {
        CardMask cards = 0;
        for (size_t i = 0; i < ranged; ++i)
            if ((group >> i) & 1u) cards |= cardsOf[i];
        if (std::popcount(cards) >= 2 * std::popcount(group)) continue;
        for (size_t i = 0; i < ranged; ++i)
            if ((group >> i) & 1u) crowded.push_back(opponents[i].player);
        return crowded;
    }
    return crowded;
}

std::optional<std::vector<PocketCards>> DealPlan::someRangedDeal(std::uint64_t effort) const {
    const size_t ranged = rangedCount();
    std::vector<size_t> order(ranged);
    for (size_t i = 0; i < ranged; ++i) order[i] = i;
    // Narrowest first, and the same ranges side by side.
    std::sort(order.begin(), order.end(), [&](size_t a, size_t b) {
        const auto& x = opponents[a].hands;
        const auto& y = opponents[b].hands;
        return x.size() != y.size() ? x.size() < y.size() : x < y;
    });
    std::vector<const Opponent*> narrowFirst;
    for (const size_t i : order) narrowFirst.push_back(&opponents[i]);
    const auto found = RangedSearch(std::move(narrowFirst), effort).run();
    if (!found || found->empty()) return found;
    std::vector<PocketCards> held(ranged);
    for (size_t k = 0; k < ranged; ++k) held[order[k]] = (*found)[k];
    return held;
}

std::optional<std::vector<PocketCards>> DealPlan::everyRangedDeal(size_t most,
                                                                  std::uint64_t effort) const {
    const size_t ranged = rangedCount();
    std::vector<PocketCards> every, held(ranged);
    size_t deals = 0;
    const auto add = [&](auto& self, size_t from, CardMask used) -> bool {
        if (from == ranged) {
            if (deals++ == most) return false;
            every.insert(every.end(), held.begin(), held.end());
            return true;
        }
        for (const PocketCards& hand : opponents[from].hands) {
            if (effort-- == 0) return false;
            if ((hand.mask() & used) != 0) continue;
            held[from] = hand;
            if (!self(self, from + 1, used | hand.mask())) return false;
        }
        return true;
    };
    if (!add(add, 0, 0)) return std::nullopt;
    return every;
}

double DealPlan::dealsAtMost() const {
    double ways = static_cast<double>(chooseCards(static_cast<int>(deck.size()), boardToCome));
    for (const Opponent& opponent : opponents) ways *= static_cast<double>(opponent.hands.size());
    return ways;
}

std::variant<DealPlan, EquityError> planDeals(const EquitySpot& spot) {
    using Problem = EquityError::Problem;
    const int opponentCount = static_cast<int>(spot.opponents.size());
    if (opponentCount < 1 || opponentCount > kMaxOpponents)
        return EquityError{Problem::OpponentCount};
    if (spot.board.size() > 5) return EquityError{Problem::BoardSize};

    DealPlan plan;
    plan.players = opponentCount + 1;
    plan.boardToCome = 5 - static_cast<int>(spot.board.size());
    const auto know = [&](Card card) {
        const CardMask bit = cardBit(card);
        if ((plan.known & bit) != 0) return false;
        plan.known |= bit;
        return true;
    };
    for (const Card& card : spot.hero) {
        if (!know(card)) return EquityError{Problem::CardTwice, 0, card};
        plan.hero = plan.hero.plus(cardIndex(card));
    }
    for (const Card& card : spot.board) {
        if (!know(card)) return EquityError{Problem::CardTwice, 0, card};
        plan.board = plan.board.plus(cardIndex(card));
        plan.boardCards |= cardBit(card);
    }
    for (const Card& card : spot.dead)
        if (!know(card)) return EquityError{Problem::CardTwice, 0, card};

    // Ranges lose the hands that hold a card given above; a range left with
    // one hand is a known hand.
    std::vector<DealPlan::Opponent> ranged, anyTwo;
    for (int i = 0; i < opponentCount; ++i) {
        DealPlan::Opponent opponent{
            i + 1, {}, spot.opponents[static_cast<size_t>(i)].isAnyTwoCards()};
        for (const PocketCards& hand : spot.opponents[static_cast<size_t>(i)].hands())
            if ((hand.mask() & plan.known) == 0) opponent.hands.push_back(hand);
        if (opponent.hands.empty()) return EquityError{Problem::RangeEmpty, i + 1};
        (opponent.anyTwoCards ? anyTwo : ranged).push_back(std::move(opponent));
    }
    for (auto it = ranged.begin(); it != ranged.end();) {
        if (it->hands.size() != 1) {
            ++it;
            continue;
        }
        const PocketCards hand = it->hands.front();
        if ((hand.mask() & plan.known) != 0)
            return EquityError{Problem::NoDeal, 0, {}, 0, 0, {it->player}};
        plan.known |= hand.mask();
        plan.knownOpponents.push_back({it->player, PartialHand().plus(hand.low).plus(hand.high)});
        it = ranged.erase(it);
    }
    for (auto& opponent : ranged) {
        std::erase_if(opponent.hands,
                      [&](const PocketCards& hand) { return (hand.mask() & plan.known) != 0; });
        if (opponent.hands.empty()) return EquityError{Problem::RangeEmpty, opponent.player};
    }
    plan.opponents = std::move(ranged);
    plan.opponents.insert(plan.opponents.end(), anyTwo.begin(), anyTwo.end());
    for (auto& opponent : plan.opponents)
        if (opponent.anyTwoCards)
            std::erase_if(opponent.hands,
                          [&](const PocketCards& hand) { return (hand.mask() & plan.known) != 0; });

    for (int index = 0; index < kDeckSize; ++index)
        if ((plan.known & cardBit(index)) == 0) plan.deck.push_back(index);
    if (static_cast<int>(plan.deck.size()) <
        2 * static_cast<int>(plan.opponents.size()) + plan.boardToCome)
        return EquityError{Problem::TooFewCards};
    return plan;
}

}  // namespace korvana
