#include "tests/history/hand_generator.h"

#include <algorithm>
#include <numeric>

#include "engine/evaluator/hand_evaluator.h"

namespace korvana::history::test {
namespace {

const char* const kNames[] = {"Hero",   "bob 77",         "Иван Грозный", "x.y-z!",   "Dr. No (3)",
                              "王小明", "said the raven", "O'Neil",       "  spaced", "Ünal"};

struct Table {
    explicit Table(std::mt19937_64& generator) : random(generator) {}
    std::mt19937_64& random;
    std::string text;
    std::string currency;
    bool decimals = false;
    std::vector<std::string> names;
    std::vector<Amount> stack, put, bet, collected;
    std::vector<bool> folded, acted;
    std::vector<std::array<Card, 2>> cards;
    std::vector<Card> board;
    Amount bigBlind = 0, highest = 0, lastRaise = 0;
    int players = 0;

    int roll(int below) { return static_cast<int>(random() % static_cast<std::uint64_t>(below)); }
    std::string money(Amount amount) const { return amountText(amount, currency, decimals); }
    void line(const std::string& words) {
        text += words + "\n";
        if (roll(12) == 0)
            text += names[static_cast<std::size_t>(roll(players))] + " said, \"x: folds\"\n";
        if (roll(25) == 0)
            text += names[static_cast<std::size_t>(roll(players))] + " is disconnected\n";
    }
    Amount left(int p) const { return stack[p] - put[p]; }
    bool in(int p) const { return !folded[p]; }
    bool canAct(int p) const { return in(p) && left(p) > 0; }
    int count(bool (Table::*test)(int) const) const {
        int n = 0;
        for (int p = 0; p < players; ++p) n += (this->*test)(p);
        return n;
    }
    void pay(int p, Amount chips) {
        put[p] += chips;
        bet[p] += chips;
    }
    std::string allInWords(int p) const { return left(p) == 0 ? " and is all-in" : ""; }

    // One betting round from player `first`; false when one player is left.
    bool betting(int first) {
        int p = first;
        for (int guard = 0; guard < 200; ++guard, p = (p + 1) % players) {
            if (count(&Table::in) <= 1) return false;
            bool over = true;
            for (int q = 0; q < players; ++q)
                if (canAct(q) && (bet[q] < highest || (!acted[q] && count(&Table::canAct) > 1)))
                    over = false;
            if (over) return true;
            if (!canAct(p) || (acted[p] && bet[p] == highest)) continue;
            const std::string& name = names[static_cast<std::size_t>(p)];
            const int choice = roll(10);
            const bool othersCanAct = count(&Table::canAct) > 1;
            const Amount raiseTo =
                std::min(stack[p] - put[p] + bet[p],
                         highest + std::max(lastRaise, bigBlind) * (1 + roll(3)) +
                             (roll(6) == 0 ? stack[p] : 0));
            if (highest > bet[p] && choice < 3) {
                folded[p] = true;
                line(name + ": folds");
            } else if (highest == bet[p] && choice < 5) {
                line(name + ": checks");
            } else if (choice < 8 || raiseTo <= highest || !othersCanAct) {
                if (highest == bet[p]) {
                    line(name + ": checks");
                } else {
                    const Amount chips = std::min(highest - bet[p], left(p));
                    pay(p, chips);
                    line(name + ": calls " + money(chips) + allInWords(p));
                }
            } else if (highest == 0) {
                pay(p, raiseTo);
                lastRaise = highest = raiseTo;
                line(name + ": bets " + money(raiseTo) + allInWords(p));
                std::fill(acted.begin(), acted.end(), false);
            } else {
                pay(p, raiseTo - bet[p]);
                line(name + ": raises " + money(raiseTo - highest) + " to " + money(raiseTo) +
                     allInWords(p));
                lastRaise = std::max(lastRaise, raiseTo - highest);
                highest = raiseTo;
                std::fill(acted.begin(), acted.end(), false);
            }
            acted[p] = true;
        }
        return count(&Table::in) > 1;
    }

    // Gives back what nobody matched, and clears the round.
    void endRound() {
        const int top = static_cast<int>(std::max_element(bet.begin(), bet.end()) - bet.begin());
        Amount second = 0;
        for (int p = 0; p < players; ++p)
            if (p != top) second = std::max(second, bet[p]);
        if (bet[top] > second) {
            put[top] -= bet[top] - second;
            line("Uncalled bet (" + money(bet[top] - second) + ") returned to " + names[top]);
        }
        std::fill(bet.begin(), bet.end(), 0);
        std::fill(acted.begin(), acted.end(), false);
        highest = lastRaise = 0;
    }
};

std::string cardsText(const std::vector<Card>& cards) {
    std::string text = "[";
    for (const Card card : cards) text += (text.size() > 1 ? " " : "") + cardCode(card);
    return text + "]";
}

}  // namespace

GeneratedHand generateHand(std::mt19937_64& random, int number) {
    Table t(random);
    const bool tournament = t.roll(2) == 0;
    t.players = 2 + t.roll(8);
    const std::size_t n = static_cast<std::size_t>(t.players);
    t.currency = tournament ? "" : (t.roll(2) ? "$" : "\xE2\x82\xAC");
    t.decimals = !tournament;
    t.bigBlind = tournament ? 2000 : 10;
    const Amount smallBlind = t.bigBlind / 2, ante = tournament ? 200 : 0;
    std::vector<int> seats(9);
    std::iota(seats.begin(), seats.end(), 1);
    std::shuffle(seats.begin(), seats.end(), random);
    seats.resize(n);
    std::sort(seats.begin(), seats.end());
    t.names.assign(std::begin(kNames), std::begin(kNames) + t.players);
    std::shuffle(t.names.begin(), t.names.end(), random);
    t.stack.resize(n);
    for (Amount& s : t.stack) s = t.bigBlind * (t.roll(4) == 0 ? 1 + t.roll(10) : 20 + t.roll(200));
    t.put = t.bet = t.collected = std::vector<Amount>(n);
    t.folded = t.acted = std::vector<bool>(n);
    std::vector<int> deck(52);
    std::iota(deck.begin(), deck.end(), 0);
    std::shuffle(deck.begin(), deck.end(), random);
    for (std::size_t p = 0; p < n; ++p)
        t.cards.push_back({cardAt(deck[2 * p]), cardAt(deck[2 * p + 1])});
    const int button = t.roll(t.players);
    const int sb = t.players == 2 ? button : (button + 1) % t.players, bb = (sb + 1) % t.players;

    t.text += "PokerStars Hand #" + std::to_string(number) + ": " +
              (tournament ? "Tournament #77, $1+$0.10 USD Hold'em No Limit - Level I (" +
                                t.money(smallBlind) + "/" + t.money(t.bigBlind) + ")"
                          : "Hold'em No Limit (" + t.money(smallBlind) + "/" + t.money(t.bigBlind) +
                                " USD)") +
              " - 2026/01/02 10:00:00 ET\n";
    t.text += "Table 'Test " + std::to_string(number % 7) + "' 9-max Seat #" +
              std::to_string(seats[button]) + " is the button\n";
    for (std::size_t p = 0; p < n; ++p)
        t.text += "Seat " + std::to_string(seats[p]) + ": " + t.names[p] + " (" +
                  t.money(t.stack[p]) + " in chips)\n";
    const auto post = [&](int p, const std::string& words, Amount amount, bool live) {
        const Amount chips = std::min(amount, t.left(p));
        t.put[p] += chips;
        if (live) t.bet[p] += chips;
        t.line(t.names[p] + ": posts " + words + t.money(chips) + t.allInWords(p));
    };
    for (int p = 0; p < t.players && ante > 0; ++p) post(p, "the ante ", ante, false);
    post(sb, "small blind ", smallBlind, true);
    post(bb, "big blind ", t.bigBlind, true);
    t.highest = *std::max_element(t.bet.begin(), t.bet.end());
    t.line("*** HOLE CARDS ***");
    t.line("Dealt to " + t.names[0] + " " + cardsText({t.cards[0][0], t.cards[0][1]}));

    bool showdown = t.betting((bb + 1) % t.players);
    t.endRound();
    const char* streets[] = {"FLOP", "TURN", "RIVER"};
    for (int street = 0; street < 3 && showdown; ++street) {
        const std::vector<Card> before = t.board;
        const int dealt = street == 0 ? 3 : 1;
        for (int i = 0; i < dealt; ++i) t.board.push_back(cardAt(deck[2 * n + t.board.size()]));
        t.line(std::string("*** ") + streets[street] + " *** " +
               (street == 0 ? cardsText(t.board)
                            : cardsText(before) + " " + cardsText({t.board.back()})));
        if (t.count(&Table::canAct) > 1) {
            showdown = t.betting((button + 1) % t.players);
            t.endRound();
        }
    }

    // The pots: each smallest stake still in, taken from everyone, until none is left.
    GeneratedHand generated;
    HandTruth& truth = generated.truth;
    std::vector<Amount> remaining = t.put;
    while (std::accumulate(remaining.begin(), remaining.end(), Amount{0}) > 0) {
        Amount level = 0;
        for (int p = 0; p < t.players; ++p)
            if (t.in(p) && remaining[p] > 0 && (level == 0 || remaining[p] < level))
                level = remaining[p];
        if (level == 0) level = *std::max_element(remaining.begin(), remaining.end());
        Pot pot;
        for (int p = 0; p < t.players; ++p) {
            if (t.in(p) && remaining[p] >= level) pot.players.push_back(p);
            const Amount taken = std::min(remaining[p], level);
            pot.amount += taken;
            remaining[p] -= taken;
        }
        if (pot.players.empty())
            truth.pots.back().amount += pot.amount;
        else
            truth.pots.push_back(pot);
    }
    truth.total = std::accumulate(t.put.begin(), t.put.end(), Amount{0});
    if (showdown) t.line("*** SHOW DOWN ***");
    for (int p = 0; p < t.players && showdown; ++p)
        if (t.in(p))
            t.line(t.names[p] + ": shows " + cardsText({t.cards[p][0], t.cards[p][1]}) +
                   " (a hand)");
    // A cash game's rake: a twentieth of each pot that saw the river, at most 3.00 in all.
    std::vector<Amount> raked;
    for (const Pot& pot : truth.pots) {
        raked.push_back(
            !tournament && t.board.size() == 5 ? std::min(pot.amount / 20, 300 - truth.rake) : 0);
        truth.rake += raked.back();
    }
    for (std::size_t k = truth.pots.size(); k-- > 0;) {
        const Pot& pot = truth.pots[k];
        std::vector<int> winners;
        HandRank best{};
        for (const int p : pot.players) {
            std::vector<Card> seven = t.board;
            seven.insert(seven.end(), t.cards[p].begin(), t.cards[p].end());
            const HandRank rank = showdown ? handEvaluator().rank(PartialHand(seven)) : HandRank{};
            if (winners.empty() || best < rank)
                winners.assign(1, p), best = rank;
            else if (rank == best)
                winners.push_back(p);
        }
        // A split pot is shared in whole cents or chips; the first winner takes what is left.
        const Amount unit = tournament ? kAmountScale : 1,
                     split = static_cast<Amount>(winners.size());
        const Amount share = (pot.amount - raked[k]) / unit / split * unit;
        for (std::size_t w = 0; w < winners.size(); ++w) {
            const Amount won = share + (w == 0 ? pot.amount - raked[k] - share * split : 0);
            t.collected[winners[w]] += won;
            const std::string from = truth.pots.size() == 1 ? "pot"
                                     : k == 0               ? "main pot"
                                                            : "side pot-" + std::to_string(k);
            t.line(t.names[winners[w]] + " collected " + t.money(won) + " from " + from);
        }
    }
    t.text += "*** SUMMARY ***\nTotal pot " + t.money(truth.total) + " | Rake " +
              t.money(truth.rake) + "\n";
    if (!t.board.empty()) t.text += "Board " + cardsText(t.board) + "\n";
    for (std::size_t p = 0; p < n; ++p)
        t.text += "Seat " + std::to_string(seats[p]) + ": " + t.names[p] +
                  (t.in(static_cast<int>(p)) ? " collected (" + t.money(t.collected[p]) + ")"
                                             : " folded") +
                  "\n";
    truth.put = t.put;
    truth.collected = t.collected;
    truth.board = t.board;
    truth.hero = t.cards[0];
    generated.text = std::move(t.text);
    return generated;
}

}  // namespace korvana::history::test
