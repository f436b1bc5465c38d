#include "engine/equity/equity_enumeration.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <numeric>
#include <optional>
#include <span>

#include "engine/equity/flush_boards.h"
#include "engine/equity/showdown.h"
#include "engine/evaluator/few_sorted_hands.h"
#include "engine/evaluator/sorted_hands.h"

namespace korvana {
namespace {

// An opponent's hands that a board leaves possible, with their ranks on it;
// in two arrays, so that counting them is a loop the compiler can widen.
// A weight in whole units of 2^-40: sums of them are exact in any order, so
// that adding them up is a loop the compiler can widen, and a weight keeps
// twelve digits.
using FixedWeight = std::uint64_t;
constexpr double kWeightUnit = 0x1p40;

struct RankedHands {
    std::vector<CardMask> cards;
    std::vector<std::uint16_t> ranks;  // HandRank values
    std::vector<FixedWeight> weights;  // of a weighted range's hands, else empty
    FixedWeight weight = 0;            // theirs together
    void clear() {
        cards.clear();
        ranks.clear();
        weights.clear();
    }
};

}  // namespace

// One thread's walk over the boards of its tasks and the opponents' hands on
// each board, with its tables kept from task to task.
class TaskCounter::Walk {
public:
    Walk(const DealPlan& plan, const std::atomic<bool>& stop)
        : plan_(plan), stop_(stop), evaluator_(handEvaluator()) {
        for (const int index : plan.deck) deckCards_ |= cardBit(index);
        const auto& opponents = plan.opponents;
        // The last varying opponent, when he may hold any two cards, is counted
        // by ranks on each board instead of hand by hand.
        countLastByRanks_ = !opponents.empty() && opponents.back().anyTwoCards;
        listed_ = opponents.size() - (countLastByRanks_ ? 1 : 0);
        // Behind other varying opponents, the last one is counted many times
        // per board: from his hands in order of rank rather than one by one.
        countLastInOrder_ = !countLastByRanks_ && opponents.size() >= 2;
        // A short range (up to 64 hands) is put in order on each board at
        // little cost; a longer one needs the lists of SortedHands.
        // (Weighted, they need the lists' sums of weights.)
        fewLast_ = countLastInOrder_ && opponents.back().weights.empty() &&
                   opponents.back().hands.size() <= FewSortedHands::kMostHands;
        onBoard_.resize(listed_);
        if (opponents.empty()) flushBoards_.emplace(plan);
        for (const auto& opponent : opponents) {
            auto& fixed = fixedWeights_.emplace_back();
            for (const double weight : opponent.weights)
                fixed.push_back(static_cast<FixedWeight>(std::llround(weight * kWeightUnit)));
        }
        for (const int index : plan.deck)
            ofRank_[static_cast<size_t>(cardAt(index).rank - 2)].push_back(index);
        for (size_t rank = 0; rank < choices_.size(); ++rank)
            for (int count = 1; count <= 4; ++count)
                choices_[rank][static_cast<size_t>(count)] = choicesOf(rank, count);
    }

    bool stopped() const { return stopped_; }

    EquityTally run(const EnumerationTask& task) {
        task_ = &task;
        tally_ = {};
        stopped_ = false;
        // For each rank of the cards to come, every choice of its suits.
        steps_.clear();
        for (size_t rank = 0; rank < task.toComeOfRank.size(); ++rank)
            if (task.toComeOfRank[rank] > 0)
                steps_.push_back(choices_[rank][task.toComeOfRank[rank]]);
        if (steps_.empty()) {
            if (plan_.opponents.empty())
                knownHandsShowdown(plan_.board, 1);
            else
                showdowns(plan_.board, 0);
            return tally_;
        }
        if (plan_.opponents.empty()) {
            if (!stopNow()) knownHandsOnEveryBoard();
            return tally_;
        }
        // The boards are every combination of one choice per rank, walked like
        // the wheels of a counter, the last rank turning fastest.
        const size_t last = steps_.size() - 1;
        std::array<size_t, 5> at{};
        // board[s]: the given board and the choices of the steps before s.
        std::array<PartialHand, 5> board;
        std::array<CardMask, 5> cards{};
        board[0] = plan_.board;
        for (size_t s = 0; s < last; ++s) {
            board[s + 1] = board[s] + steps_[s][0].cards;
            cards[s + 1] = cards[s] | steps_[s][0].mask;
        }
        for (;;) {
            for (const Choice& choice : steps_[last]) {
                if (stopNow()) return tally_;
                showdowns(board[last] + choice.cards, cards[last] | choice.mask);
            }
            size_t s = last;
            while (s > 0 && ++at[s - 1] == steps_[s - 1].size()) at[--s] = 0;
            if (s == 0) return tally_;
            for (--s; s < last; ++s) {
                board[s + 1] = board[s] + steps_[s][at[s]].cards;
                cards[s + 1] = cards[s] | steps_[s][at[s]].mask;
            }
        }
    }

private:
    bool stopNow() {
        stopped_ = stopped_ || stop_.load(std::memory_order_relaxed);
        return stopped_;
    }

    struct Choice {
        PartialHand cards;
        CardMask mask = 0;
    };

    // Every way to take 'count' of the deck's cards of a rank.
    std::vector<Choice> choicesOf(size_t rank, int count) const {
        std::vector<Choice> choices;
        const std::vector<int>& cards = ofRank_[rank];
        const auto take = [&](auto& self, size_t from, int left, Choice taken) -> void {
            if (left == 0) return choices.push_back(taken);
            for (size_t i = from; i + static_cast<size_t>(left) <= cards.size(); ++i)
                self(self, i + 1, left - 1,
                     {taken.cards.plus(cards[i]), taken.mask | cardBit(cards[i])});
        };
        take(take, 0, count, {});
        return choices;
    }

    // Known hands only: the one deal of each board of the task. The task's
    // boards share their ranks, so where nobody can make a flush every hand
    // ranks the same on all of them: those count at once, and the others
    // by groups of boards that deal the same hands (see flush_boards.h).
    void knownHandsOnEveryBoard() {
        std::uint64_t boards = 1;
        for (const auto& choices : steps_) boards *= choices.size();
        flushBoards_->find(task_->toComeOfRank, flushGroups_);
        std::uint64_t maybeFlush = 0;
        for (const FlushBoardGroup& group : flushGroups_) {
            knownHandsShowdown(group.board, group.boards);
            maybeFlush += group.boards;
        }
        if (boards == maybeFlush) return;
        PartialHand someBoard = plan_.board;  // any board of the task: its ranks are what count
        for (const auto& choices : steps_) someBoard = someBoard + choices.front().cards;
        const Showdown showdown = Showdown::ofKnownHands(
            plan_, someBoard,
            [this](const PartialHand& seven) { return evaluator_.rankWithoutFlush(seven); });
        tally_.add(showdown.sharing, showdown.hero.category(), boards - maybeFlush);
    }

    // The one deal of 'boards' boards that deal the same hands as 'board'.
    void knownHandsShowdown(const PartialHand& board, std::uint64_t boards) {
        const Showdown showdown = Showdown::ofKnownHands(plan_, board, evaluator_);
        tally_.add(showdown.sharing, showdown.hero.category(), boards);
    }

    // Every deal of the opponents' hands on one complete board; boardCards
    // are the cards that came to it (the given ones are in no hand).
    void showdowns(const PartialHand& board, CardMask boardCards) {
        const Showdown showdown = Showdown::ofKnownHands(plan_, board, evaluator_);
        heroCategory_ = showdown.hero.category();
        ranks_.setBoard(board, boardCards | plan_.boardCards);
        // Hands ranked one by one (the last opponent's, when in order, below).
        const size_t oneByOne = countLastInOrder_ ? listed_ - 1 : listed_;
        for (size_t i = 0; i < oneByOne; ++i) {
            const auto& opponent = plan_.opponents[i];
            const auto& hands = opponent.hands;
            const size_t first = i == 0 ? task_->firstHand : 0;
            const size_t end = i == 0 ? task_->endHand : hands.size();
            RankedHands& ranked = onBoard_[i];
            ranked.clear();
            if (opponent.weights.empty()) {
                for (size_t h = first; h < end; ++h)
                    if ((hands[h].mask() & boardCards) == 0) {
                        ranked.cards.push_back(hands[h].mask());
                        ranked.ranks.push_back(ranks_.of(hands[h]).value);
                    }
                continue;
            }
            // Written in place: three growing lists would cost more than the count.
            ranked.cards.resize(end - first);
            ranked.ranks.resize(end - first);
            ranked.weights.resize(end - first);
            ranked.weight = 0;
            size_t n = 0;
            for (size_t h = first; h < end; ++h)
                if ((hands[h].mask() & boardCards) == 0) {
                    ranked.cards[n] = hands[h].mask();
                    ranked.ranks[n] = ranks_.of(hands[h]).value;
                    ranked.weights[n] = fixedWeights_[i][h];
                    ranked.weight += fixedWeights_[i][h];
                    ++n;
                }
            ranked.cards.resize(n);
            ranked.ranks.resize(n);
            ranked.weights.resize(n);
        }
        if (countLastInOrder_) {
            const auto& last = plan_.opponents.back();
            lastHands_.clear();
            lastRanks_.clear();
            lastWeights_.clear();
            for (size_t h = 0; h < last.hands.size(); ++h)
                if ((last.hands[h].mask() & boardCards) == 0) {
                    lastHands_.push_back(last.hands[h]);
                    lastRanks_.push_back(ranks_.of(last.hands[h]));
                    if (!last.weights.empty()) lastWeights_.push_back(last.weights[h]);
                }
            if (fewLast_)
                fewSortedLast_.set(lastHands_, lastRanks_);
            else
                sortedLast_.set(lastHands_, lastRanks_, lastWeights_);
        }
        available_ = deckCards_ & ~boardCards;
        lastAlone_ = lastBelow_ = 0;
        lastAloneWeight_ = lastBelowWeight_ = 0;
        deal(0, 0, showdown, 1.0);
        tally_.add(PlayerSet::only(plan_.opponents.back().player), heroCategory_, lastAlone_,
                   lastAloneWeight_);
        tally_.add(lastBelowSharing_, heroCategory_, lastBelow_, lastBelowWeight_);
    }

    // 'weight': of the hands dealt so far, the product of their weights.
    void deal(size_t level, CardMask used, const Showdown& shown, double weight) {
        const size_t last = plan_.opponents.size() - 1;
        if (level == last) return dealLast(used, shown, weight);
        const int player = plan_.opponents[level].player;
        const bool weighed = !plan_.opponents[level].weights.empty();
        const RankedHands& hands = onBoard_[level];
        for (size_t h = 0; h < hands.cards.size(); ++h) {
            if ((hands.cards[h] & used) != 0) continue;
            Showdown next = shown;
            next.show(HandRank{hands.ranks[h]}, player);
            const double held =
                weighed ? weight * (static_cast<double>(hands.weights[h]) / kWeightUnit) : weight;
            // The last opponent is counted here rather than by a call, as
            // often as the others' deals: the call costs as much as the count.
            if (level + 1 == last)
                dealLast(used | hands.cards[h], next, held);
            else
                deal(level + 1, used | hands.cards[h], next, held);
        }
    }

    // The last opponent's hands, none holding a 'used' card, against the best
    // of the others, each deal of 'weight' times his hand's. Those that beat
    // everyone go to lastAlone_, and those that lose to the same players as
    // the deal before to lastBelow_: both reach the tally once per board or
    // per change of the winners, as adding to it costs more than this count.
    void dealLast(CardMask used, const Showdown& shown, double weight) {
        const HandRank best = shown.best;
        const PlayerSet sharing = shown.sharing;
        const bool weighed = !plan_.opponents.back().weights.empty();
        WeighedSplit split;
        if (countLastByRanks_) {
            split.hands = splitAnyTwoCards(ranks_, available_ & ~used, best);
        } else if (countLastInOrder_) {
            if (weighed)
                split = sortedLast_.splitWeighed(used, best);
            else
                split.hands =
                    fewLast_ ? fewSortedLast_.split(used, best) : sortedLast_.split(used, best);
        } else if (weighed) {
            split = splitWeighed(onBoard_.back(), used, best);
        } else {
            const RankedHands& hands = onBoard_.back();
            std::uint64_t below = 0, equal = 0, above = 0;
            for (size_t h = 0; h < hands.cards.size(); ++h) {
                const std::uint64_t free = (hands.cards[h] & used) == 0;
                below += free & (hands.ranks[h] < best.value);
                equal += free & (hands.ranks[h] == best.value);
                above += free & (hands.ranks[h] > best.value);
            }
            split.hands = {below, equal, above};
        }
        if (!weighed) {
            split.below = static_cast<double>(split.hands.below);
            split.equal = static_cast<double>(split.hands.equal);
            split.above = static_cast<double>(split.hands.above);
        }
        if (sharing != lastBelowSharing_) {
            tally_.add(lastBelowSharing_, heroCategory_, lastBelow_, lastBelowWeight_);
            lastBelowSharing_ = sharing;
            lastBelow_ = 0;
            lastBelowWeight_ = 0;
        }
        lastBelow_ += split.hands.below;
        lastBelowWeight_ += weight * split.below;
        tally_.add(sharing.with(plan_.opponents.back().player), heroCategory_, split.hands.equal,
                   weight * split.equal);
        lastAlone_ += split.hands.above;
        lastAloneWeight_ += weight * split.above;
    }

    // The hands of a weighted range, one by one, with their weights: the
    // same loop as the unweighted count above, as wide.
    static WeighedSplit splitWeighed(const RankedHands& hands, CardMask used, HandRank best) {
        const auto real = [](FixedWeight weight) {
            return static_cast<double>(weight) / kWeightUnit;
        };
        std::uint64_t below = 0, equal = 0;
        FixedWeight belowWeight = 0, equalWeight = 0;
        // The only opponent, or the first: every hand is free, and those
        // above are what the others leave.
        if (used == 0) {
            for (size_t h = 0; h < hands.cards.size(); ++h) {
                const std::uint64_t lower = hands.ranks[h] < best.value;
                const std::uint64_t level = hands.ranks[h] == best.value;
                below += lower;
                equal += level;
                belowWeight += hands.weights[h] & (0 - lower);
                equalWeight += hands.weights[h] & (0 - level);
            }
            return {{below, equal, hands.cards.size() - below - equal},
                    real(belowWeight),
                    real(equalWeight),
                    real(hands.weight - belowWeight - equalWeight)};
        }
        std::uint64_t above = 0;
        FixedWeight aboveWeight = 0;
        for (size_t h = 0; h < hands.cards.size(); ++h) {
            const std::uint64_t free = (hands.cards[h] & used) == 0;
            const std::uint64_t lower = free & (hands.ranks[h] < best.value);
            const std::uint64_t level = free & (hands.ranks[h] == best.value);
            const std::uint64_t higher = free & (hands.ranks[h] > best.value);
            below += lower;
            equal += level;
            above += higher;
            belowWeight += hands.weights[h] & (0 - lower);
            equalWeight += hands.weights[h] & (0 - level);
            aboveWeight += hands.weights[h] & (0 - higher);
        }
        return {{below, equal, above}, real(belowWeight), real(equalWeight), real(aboveWeight)};
    }

    const DealPlan& plan_;
    const EnumerationTask* task_ = nullptr;
    BoardRanks ranks_;
    const std::atomic<bool>& stop_;
    const HandEvaluator& evaluator_;
    CardMask deckCards_ = 0, available_ = 0;
    std::array<std::vector<int>, 13> ofRank_;  // the deck's cards by rank
    // Every choice of suits for each rank and number of its cards.
    std::array<std::array<std::vector<Choice>, 5>, 13> choices_;
    std::vector<std::span<const Choice>> steps_;  // the task's choices, rank by rank
    bool countLastByRanks_ = false, countLastInOrder_ = false, fewLast_ = false;
    std::vector<PocketCards> lastHands_;
    std::vector<HandRank> lastRanks_;
    std::vector<double> lastWeights_;
    std::vector<std::vector<FixedWeight>> fixedWeights_;  // of each opponent's hands
    SortedHands sortedLast_;
    FewSortedHands fewSortedLast_;
    size_t listed_ = 0;
    std::vector<RankedHands> onBoard_;
    Category heroCategory_ = Category::HighCard;
    // Deals of the board not yet in the tally: the last opponent wins alone,
    // or loses to lastBelowSharing_.
    std::uint64_t lastAlone_ = 0, lastBelow_ = 0;
    double lastAloneWeight_ = 0, lastBelowWeight_ = 0;  // their deals' weights
    PlayerSet lastBelowSharing_ = PlayerSet::only(0);
    EquityTally tally_;
    bool stopped_ = false;
    std::optional<FlushBoardGroups> flushBoards_;  // when every hand is known
    std::vector<FlushBoardGroup> flushGroups_;
};

std::vector<EnumerationTask> enumerationTasks(const DealPlan& plan, int threads) {
    std::array<int, 13> inDeck{};
    for (const int index : plan.deck) ++inDeck[static_cast<size_t>(cardAt(index).rank - 2)];
    // Every way to share the cards to come among the ranks.
    std::vector<EnumerationTask> byBoard;
    EnumerationTask ranks;
    const auto share = [&](auto& self, size_t rank, int toCome) -> void {
        if (rank == inDeck.size()) {
            if (toCome == 0) byBoard.push_back(ranks);
            return;
        }
        for (int n = 0; n <= std::min(toCome, inDeck[rank]); ++n) {
            ranks.toComeOfRank[rank] = static_cast<std::uint8_t>(n);
            self(self, rank + 1, toCome - n);
        }
        ranks.toComeOfRank[rank] = 0;
    };
    share(share, 0, plan.boardToCome);
    // Few boards: each task also takes a slice of the first opponent's hands,
    // so that every thread has work and a stop comes soon.
    const size_t wanted = 64 * static_cast<size_t>(std::max(threads, 1));
    size_t slices = 1;
    if (!plan.opponents.empty() && byBoard.size() < wanted && plan.opponents.size() > 1)
        slices = std::min(plan.opponents.front().hands.size(),
                          (wanted + byBoard.size() - 1) / byBoard.size());
    const size_t hands = plan.opponents.empty() ? 0 : plan.opponents.front().hands.size();
    std::vector<EnumerationTask> tasks;
    for (const EnumerationTask& board : byBoard)
        for (size_t s = 0; s < slices; ++s) {
            EnumerationTask task = board;
            task.firstHand = hands * s / slices;
            task.endHand = hands * (s + 1) / slices;
            tasks.push_back(task);
        }
    // A stride near the golden section of the count, with no common factor,
    // visits every task once and keeps neighbours apart.
    const size_t n = tasks.size();
    size_t stride = std::max<size_t>(1, static_cast<size_t>(static_cast<double>(n) * 0.618));
    while (std::gcd(stride, n) != 1) ++stride;
    std::vector<EnumerationTask> spread(n);
    for (size_t i = 0; i < n; ++i) spread[i] = tasks[(i * stride) % n];
    return spread;
}

TaskCounter::TaskCounter(const DealPlan& plan, const std::atomic<bool>& stop)
    : walk_(std::make_unique<Walk>(plan, stop)) {}

TaskCounter::~TaskCounter() = default;

std::pair<EquityTally, bool> TaskCounter::count(const EnumerationTask& task) {
    EquityTally tally = walk_->run(task);
    return {tally, !walk_->stopped()};
}

}  // namespace korvana
