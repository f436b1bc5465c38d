#include "equity_enumeration.h"

#include "sorted_hands.h"

#include <algorithm>
#include <numeric>

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

// One part's walk over its boards and the opponents' hands on each.
class PartWalk {
public:
    PartWalk(const DealPlan& plan, const EnumerationPart& part, BoardRanks& ranks,
             const std::atomic<bool>& stop)
        : plan_(plan), part_(part), ranks_(ranks), stop_(stop), evaluator_(handEvaluator()) {
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
    }

    EquityTally run() {
        PartialHand board = plan_.board;
        CardMask cards = 0;
        for (int i = 0; i < part_.leadingCount; ++i) {
            const int index =
                plan_.deck[static_cast<size_t>(part_.leading[static_cast<size_t>(i)])];
            board = board.plus(index);
            cards |= cardBit(index);
        }
        const int next = part_.leadingCount == 0
                             ? 0
                             : part_.leading[static_cast<size_t>(part_.leadingCount - 1)] + 1;
        completeBoard(board, cards, next, plan_.boardToCome - part_.leadingCount);
        return tally_;
    }

private:
    void completeBoard(const PartialHand& board, CardMask cards, int from, int toCome) {
        if (toCome == 0) {
            if (!stop_.load(std::memory_order_relaxed)) showdowns(board, cards);
            return;
        }
        const int deckSize = static_cast<int>(plan_.deck.size());
        for (int position = from; position <= deckSize - toCome; ++position) {
            const int index = plan_.deck[static_cast<size_t>(position)];
            completeBoard(board.plus(index), cards | cardBit(index), position + 1, toCome - 1);
        }
    }

    // Every deal of the opponents' hands on one complete board; boardCards
    // are the cards that came to it (the given ones are in no hand).
    void showdowns(const PartialHand& board, CardMask boardCards) {
        ranks_.setBoard(board, boardCards | plan_.boardCards);
        const HandRank hero = evaluator_.rank(board + plan_.hero);
        heroCategory_ = hero.category();
        HandRank best = hero;
        PlayerSet sharing = PlayerSet::only(0);
        for (const auto& known : plan_.knownOpponents)
            settle(evaluator_.rank(board + known.cards), known.player, best, sharing);
        if (plan_.opponents.empty()) {
            tally_.add(sharing, heroCategory_, 1);
            return;
        }
        for (size_t i = 0; i < listed_; ++i) {
            const auto& hands = plan_.opponents[i].hands;
            const size_t first = i == 0 ? part_.firstHand : 0;
            const size_t end = i == 0 ? part_.endHand : hands.size();
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
        deal(0, 0, best, sharing);
    }

    static void settle(HandRank rank, int player, HandRank& best, PlayerSet& sharing) {
        if (rank > best) {
            best = rank;
            sharing = PlayerSet::only(player);
        } else if (rank == best) {
            sharing = sharing.with(player);
        }
    }

    void deal(size_t level, CardMask used, HandRank best, PlayerSet sharing) {
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
            HandRank nextBest = best;
            PlayerSet nextSharing = sharing;
            settle(HandRank{hands.ranks[h]}, player, nextBest, nextSharing);
            deal(level + 1, used | hands.cards[h], nextBest, nextSharing);
        }
    }

    const DealPlan& plan_;
    const EnumerationPart& part_;
    BoardRanks& ranks_;
    const std::atomic<bool>& stop_;
    const HandEvaluator& evaluator_;
    CardMask deckCards_ = 0, available_ = 0;
    bool countLastByRanks_ = false, countLastInOrder_ = false;
    std::vector<PocketCards> lastHands_;
    std::vector<HandRank> lastRanks_;
    SortedHands sortedLast_;
    size_t listed_ = 0;
    std::vector<RankedHands> onBoard_;
    Category heroCategory_ = Category::HighCard;
    EquityTally tally_;
};

}  // namespace

std::vector<EnumerationPart> enumerationParts(const DealPlan& plan, int threads) {
    const int deckSize = static_cast<int>(plan.deck.size());
    const int leadingCount = std::min(plan.boardToCome, 2);
    std::vector<EnumerationPart> byBoard;
    // The first cards leave room for the rest of the board after them.
    const int lastFirst = deckSize - plan.boardToCome;
    if (leadingCount == 0) byBoard.push_back({});
    for (int a = 0; leadingCount >= 1 && a <= lastFirst; ++a) {
        if (leadingCount == 1) byBoard.push_back({{a, 0}, 1});
        for (int b = a + 1; leadingCount == 2 && b <= lastFirst + 1; ++b)
            byBoard.push_back({{a, b}, 2});
    }
    // Few boards: each part also takes a slice of the first opponent's hands,
    // so that every thread has work and a stop comes soon.
    const size_t wanted = 64 * static_cast<size_t>(std::max(threads, 1));
    size_t slices = 1;
    if (!plan.opponents.empty() && byBoard.size() < wanted && plan.opponents.size() > 1)
        slices = std::min(plan.opponents.front().hands.size(),
                          (wanted + byBoard.size() - 1) / byBoard.size());
    const size_t hands = plan.opponents.empty() ? 0 : plan.opponents.front().hands.size();
    std::vector<EnumerationPart> parts;
    for (const EnumerationPart& board : byBoard)
        for (size_t s = 0; s < slices; ++s) {
            EnumerationPart part = board;
            part.firstHand = hands * s / slices;
            part.endHand = hands * (s + 1) / slices;
            parts.push_back(part);
        }
    // A stride near the golden section of the count, with no common factor,
    // visits every part once and keeps neighbours apart.
    const size_t n = parts.size();
    size_t stride = std::max<size_t>(1, static_cast<size_t>(static_cast<double>(n) * 0.618));
    while (std::gcd(stride, n) != 1) ++stride;
    std::vector<EnumerationPart> spread(n);
    for (size_t i = 0; i < n; ++i) spread[i] = parts[(i * stride) % n];
    return spread;
}

EquityTally enumeratePart(const DealPlan& plan, const EnumerationPart& part, BoardRanks& ranks,
                          const std::atomic<bool>& stop) {
    return PartWalk(plan, part, ranks, stop).run();
}

}  // namespace korvana
