#include "engine/equity/equity_enumeration.h"

#include <algorithm>
#include <memory>
#include <numeric>
#include <span>

#include "engine/equity/showdown.h"
#include "engine/evaluator/sorted_hands.h"

namespace korvana {
namespace {

// An opponent's hands that a board leaves possible, with their ranks on it;
// in two arrays, so that counting them is a loop the compiler can widen.
struct RankedHands {
    std::vector<CardMask> cards;
    std::vector<std::uint16_t> ranks;  // HandRank values
    void clear() {
        cards.clear();
        ranks.clear();
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
        onBoard_.resize(listed_);
        // A flush of a suit needs five of its cards among the board's and a
        // player's two. flushReach_[n]: the most cards of each suit a player
        // holds, and n more, which each of n ranks to come may bring.
        std::array<int, 4> reach{};
        for (const Suit suit : kSuits) {
            int& most = reach[suitIndex(suit)];
            most = plan.hero.cardsOfSuit(suit);
            for (const auto& known : plan.knownOpponents)
                most = std::max(most, known.cards.cardsOfSuit(suit));
        }
        for (auto& counts : flushReach_) {
            counts = PartialHand::suitCounts(reach);
            for (int& n : reach) ++n;
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
                knownHandsShowdown(plan_.board);
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
    // ranks the same on all of them: those count at once, and only boards
    // with enough cards of one suit for someone's flush are shown down one
    // by one.
    void knownHandsOnEveryBoard() {
        std::uint64_t boards = 1;
        for (const auto& choices : steps_) boards *= choices.size();
        const std::uint64_t maybeFlush = boardsWithFlushCards(0, plan_.board);
        if (boards == maybeFlush) return;
        PartialHand someBoard = plan_.board;  // any board of the task: its ranks are what count
        for (const auto& choices : steps_) someBoard = someBoard + choices.front().cards;
        const Showdown showdown = Showdown::ofKnownHands(
            plan_, someBoard,
            [this](const PartialHand& seven) { return evaluator_.rankWithoutFlush(seven); });
        tally_.add(showdown.sharing, showdown.hero.category(), boards - maybeFlush);
    }

    // Shows down the boards from this step on that bring some suit the cards
    // a flush needs, and returns how many there were.
    std::uint64_t boardsWithFlushCards(size_t step, const PartialHand& board) {
        const size_t left = steps_.size() - step;
        if (!board.fiveOfASuitWith(flushReach_[left])) return 0;
        std::uint64_t shown = 0;
        if (left == 1) {
            for (const Choice& choice : steps_[step]) {
                const PartialHand full = board + choice.cards;
                if (full.fiveOfASuitWith(flushReach_[0])) {
                    knownHandsShowdown(full);
                    ++shown;
                }
            }
            return shown;
        }
        for (const Choice& choice : steps_[step])
            shown += boardsWithFlushCards(step + 1, board + choice.cards);
        return shown;
    }

    void knownHandsShowdown(const PartialHand& board) {
        const Showdown showdown = Showdown::ofKnownHands(plan_, board, evaluator_);
        tally_.add(showdown.sharing, showdown.hero.category(), 1);
    }

    // Every deal of the opponents' hands on one complete board; boardCards
    // are the cards that came to it (the given ones are in no hand).
    void showdowns(const PartialHand& board, CardMask boardCards) {
        const Showdown showdown = Showdown::ofKnownHands(plan_, board, evaluator_);
        heroCategory_ = showdown.hero.category();
        ranks_.setBoard(board, boardCards | plan_.boardCards);
        for (size_t i = 0; i < listed_; ++i) {
            const auto& hands = plan_.opponents[i].hands;
            const size_t first = i == 0 ? task_->firstHand : 0;
            const size_t end = i == 0 ? task_->endHand : hands.size();
            RankedHands& ranked = onBoard_[i];
            ranked.clear();
            for (size_t h = first; h < end; ++h)
                if ((hands[h].mask() & boardCards) == 0) {
                    ranked.cards.push_back(hands[h].mask());
                    ranked.ranks.push_back(ranks_.of(hands[h]).value);
                }
        }
        if (countLastInOrder_) {
            lastHands_.clear();
            lastRanks_.clear();
            for (const PocketCards& hand : plan_.opponents.back().hands)
                if ((hand.mask() & boardCards) == 0) {
                    lastHands_.push_back(hand);
                    lastRanks_.push_back(ranks_.of(hand));
                }
            sortedLast_.set(lastHands_, lastRanks_);
        }
        available_ = deckCards_ & ~boardCards;
        deal(0, 0, showdown);
    }

    void deal(size_t level, CardMask used, const Showdown& shown) {
        const HandRank best = shown.best;
        const PlayerSet sharing = shown.sharing;
        const int player = plan_.opponents[level].player;
        const bool last = level + 1 == plan_.opponents.size();
        if (last) {
            RankSplit split;
            if (countLastByRanks_) {
                split = splitAnyTwoCards(ranks_, available_ & ~used, best);
            } else if (countLastInOrder_) {
                split = sortedLast_.split(used, best);
            } else {
                const RankedHands& hands = onBoard_[level];
                std::uint64_t below = 0, equal = 0, above = 0;
                for (size_t h = 0; h < hands.cards.size(); ++h) {
                    const std::uint64_t free = (hands.cards[h] & used) == 0;
                    below += free & (hands.ranks[h] < best.value);
                    equal += free & (hands.ranks[h] == best.value);
                    above += free & (hands.ranks[h] > best.value);
                }
                split = {below, equal, above};
            }
            tally_.add(sharing, heroCategory_, split.below);
            tally_.add(sharing.with(player), heroCategory_, split.equal);
            tally_.add(PlayerSet::only(player), heroCategory_, split.above);
            return;
        }
        const RankedHands& hands = onBoard_[level];
        for (size_t h = 0; h < hands.cards.size(); ++h) {
            if ((hands.cards[h] & used) != 0) continue;
            Showdown next = shown;
            next.show(HandRank{hands.ranks[h]}, player);
            deal(level + 1, used | hands.cards[h], next);
        }
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
    bool countLastByRanks_ = false, countLastInOrder_ = false;
    std::vector<PocketCards> lastHands_;
    std::vector<HandRank> lastRanks_;
    SortedHands sortedLast_;
    size_t listed_ = 0;
    std::vector<RankedHands> onBoard_;
    Category heroCategory_ = Category::HighCard;
    EquityTally tally_;
    bool stopped_ = false;
    std::array<std::uint64_t, 6> flushReach_{};  // see the constructor
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
