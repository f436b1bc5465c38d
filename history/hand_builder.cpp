#include "history/hand_builder.h"

#include <algorithm>
#include <numeric>

#include "history/pots.h"

namespace korvana::history {
namespace {

constexpr signed char kNobody = -1;
constexpr signed char kBoardOwner = 100;
constexpr std::size_t kMostSeats = 10;

bool startsWith(std::string_view text, std::string_view start) {
    return text.substr(0, start.size()) == start;
}

std::string_view afterPrefix(std::string_view text, std::string_view prefix) {
    return text.substr(prefix.size());
}

std::optional<int> readNumber(std::string_view text, std::size_t& used) {
    int value = 0;
    std::size_t at = 0;
    while (at < text.size() && at < 6 && text[at] >= '0' && text[at] <= '9')
        value = value * 10 + (text[at++] - '0');
    if (at == 0) return std::nullopt;
    used = at;
    return value;
}

// The cards of the first "[..]" in text, or nullopt when a code is not a card.
std::optional<std::vector<Card>> bracketCards(std::string_view text, std::size_t& end) {
    const auto open = text.find('[');
    if (open == std::string_view::npos) return std::nullopt;
    const auto close = text.find(']', open);
    if (close == std::string_view::npos) return std::nullopt;
    std::vector<Card> cards;
    std::string_view inside = text.substr(open + 1, close - open - 1);
    while (!inside.empty()) {
        const auto blank = inside.find(' ');
        const std::string_view code = inside.substr(0, blank);
        if (!code.empty()) {
            const auto card = parseCardCode(code);
            if (!card || cards.size() >= 5) return std::nullopt;
            cards.push_back(*card);
        }
        if (blank == std::string_view::npos) break;
        inside.remove_prefix(blank + 1);
    }
    end = close + 1;
    return cards;
}

bool sameCards(const std::vector<Card>& a, const std::vector<Card>& b) {
    return a == b;
}

}  // namespace

bool isHandHeader(std::string_view line) {
    // The room's name, then "Hand #" or "Game #", the number and a colon; a
    // quote or a colon before it makes it a chat line or an action.
    const auto hash = line.find('#');
    if (hash == std::string_view::npos || hash < 5 || hash > 60) return false;
    const std::string_view mark = line.substr(hash - 5, 5);
    if (mark != "Hand " && mark != "Game ") return false;
    if (line.substr(0, hash).find_first_of("\":") != std::string_view::npos) return false;
    const auto colon = line.find(':', hash);
    if (colon == std::string_view::npos || colon == hash + 1) return false;
    return line.substr(hash + 1, colon - hash - 1).find(' ') == std::string_view::npos;
}

HandBuilder::HandBuilder(std::string_view header, int line) {
    cardOwner_.fill(kNobody);
    hand_.actions.reserve(32);
    hand_.line = line;
    line_ = line;
    readHeader(header);
}

void HandBuilder::refuse(HandProblem problem, int line, int player, Amount expected, Amount found) {
    if (refusal_) return;
    HandRefusal refusal;
    refusal.hand = hand_.number;
    refusal.line = line;
    refusal.problem = problem;
    if (player >= 0) refusal.player = hand_.players[static_cast<std::size_t>(player)].name;
    refusal.expected = expected;
    refusal.found = found;
    refusal_ = std::move(refusal);
}

HandRefusal HandBuilder::refuseAt(HandProblem problem, int line) {
    refuse(problem, line);
    return *refusal_;
}

std::optional<Amount> HandBuilder::amountAt(std::string_view text, std::size_t& used) {
    const auto amount = readAmount(text, used);
    if (!amount) return std::nullopt;
    const std::string_view sign = currencySignAt(text);
    if (!sign.empty() && hand_.currency.empty()) hand_.currency = std::string(sign);
    if (text.substr(0, used).find('.') != std::string_view::npos) hand_.decimals = true;
    return amount;
}

void HandBuilder::readHeader(std::string_view line) {
    const auto hash = line.find('#');
    const auto colon = line.find(':', hash);
    hand_.number = std::string(line.substr(hash + 1, colon - hash - 1));
    const std::string_view rest = line.substr(colon + 1);
    if (const auto at = rest.find("Tournament #"); at != std::string_view::npos) {
        const std::string_view number = rest.substr(at + 12);
        hand_.tournament = std::string(number.substr(0, number.find_first_of(", ")));
        tournament_ = true;
    }
    if (rest.find("Hold'em") == std::string_view::npos &&
        rest.find("Holdem") == std::string_view::npos)
        return refuse(HandProblem::NotHoldem, line_);
    hand_.limit = rest.find("No Limit") != std::string_view::npos    ? BettingLimit::NoLimit
                  : rest.find("Pot Limit") != std::string_view::npos ? BettingLimit::PotLimit
                  : rest.find("Limit") != std::string_view::npos     ? BettingLimit::FixedLimit
                                                                     : BettingLimit::NoLimit;
    // The stakes: the first "(small/big".
    for (auto open = rest.find('('); open != std::string_view::npos;
         open = rest.find('(', open + 1)) {
        std::size_t used = 0, usedBig = 0;
        const std::string_view stakes = rest.substr(open + 1);
        const auto small = amountAt(stakes, used);
        if (!small || used >= stakes.size() || stakes[used] != '/') continue;
        const auto big = amountAt(stakes.substr(used + 1), usedBig);
        if (!big) continue;
        hand_.smallBlind = *small;
        hand_.bigBlind = *big;
        break;
    }
}

void HandBuilder::take(std::string_view line, int lineNumber) {
    if (refusal_) return;
    line_ = lineNumber;
    if (line.empty()) return;
    if (phase_ == Phase::Table) {
        if (startsWith(line, "Table '")) return readTable(line);
        phase_ = Phase::Seats;
    }
    if (phase_ == Phase::Seats) {
        if (startsWith(line, "Seat ") && line.find(" in chips") != std::string_view::npos)
            return readSeat(line);
        seatsDone();
        if (refusal_) return;
    }
    if (startsWith(line, "*** ")) return readStreet(line);
    if (phase_ == Phase::Summary) return readSummary(line);
    if (startsWith(line, "Dealt to ")) {
        const std::string_view rest = afterPrefix(line, "Dealt to ");
        const auto open = rest.rfind(" [");
        if (open == std::string_view::npos) return;  // dealt, cards not shown
        const std::string_view name = rest.substr(0, open);
        const auto player = std::find_if(hand_.players.begin(), hand_.players.end(),
                                         [&](const SeatedPlayer& p) { return p.name == name; });
        if (player == hand_.players.end()) {
            HandRefusal refusal{hand_.number, line_, HandProblem::UnknownPlayer, std::string(name)};
            refusal_ = std::move(refusal);
            return;
        }
        std::size_t end = 0;
        const auto cards = bracketCards(rest.substr(open), end);
        if (!cards || cards->size() != 2) return refuse(HandProblem::UnreadableLine, line_);
        const int index = static_cast<int>(player - hand_.players.begin());
        if (hand_.hero >= 0 && hand_.hero != index)
            return;  // another player's, as some rooms write
        hand_.hero = index;
        return showCards(index, *cards);
    }
    if (startsWith(line, "Uncalled bet (")) {
        std::size_t used = 0;
        const auto amount = amountAt(afterPrefix(line, "Uncalled bet ("), used);
        const std::string_view tail = line.substr(14 + used);
        if (!amount || !startsWith(tail, ") returned to "))
            return refuse(HandProblem::UnreadableLine, line_);
        const std::string_view name = afterPrefix(tail, ") returned to ");
        const int player = playerNamed(name, "");
        if (player < 0) {
            refusal_ =
                HandRefusal{hand_.number, line_, HandProblem::UnknownPlayer, std::string(name)};
            return;
        }
        return returnBet(player, *amount);
    }
    const int player = playerNamed(line, ": ");
    if (player >= 0) {
        return readPlayerLine(
            player, line.substr(hand_.players[static_cast<std::size_t>(player)].name.size() + 2));
    }
    readOther(line);
}

void HandBuilder::readTable(std::string_view line) {
    const std::string_view rest = afterPrefix(line, "Table '");
    const auto close = rest.rfind('\'');
    if (close == std::string_view::npos) return refuse(HandProblem::UnreadableLine, line_);
    hand_.table = std::string(rest.substr(0, close));
    if (const auto at = rest.find("Seat #", close); at != std::string_view::npos) {
        std::size_t used = 0;
        hand_.buttonSeat = readNumber(rest.substr(at + 6), used).value_or(0);
    }
    phase_ = Phase::Seats;
}

void HandBuilder::readSeat(std::string_view line) {
    std::size_t used = 0;
    const auto seat = readNumber(afterPrefix(line, "Seat "), used);
    const std::string_view rest = line.substr(5 + used);
    const auto chips = rest.find(" in chips");
    const auto open = rest.rfind(" (", chips);
    if (!seat || !startsWith(rest, ": ") || open == std::string_view::npos || open < 2)
        return refuse(HandProblem::UnreadableLine, line_);
    SeatedPlayer player;
    player.seat = *seat;
    player.name = std::string(rest.substr(2, open - 2));
    std::size_t amountUsed = 0;
    const auto stack = amountAt(rest.substr(open + 2), amountUsed);
    if (!stack || open + 2 + amountUsed != chips) return refuse(HandProblem::UnreadableLine, line_);
    player.stack = *stack;
    const std::string_view after = rest.substr(chips);
    // Tournament players sitting out are dealt in and fold in turn; cash game
    // ones are not, nor a player moved in "out of hand".
    player.dealtIn = after.find("out of hand") == std::string_view::npos &&
                     (tournament_ || after.find("sitting out") == std::string_view::npos);
    for (const SeatedPlayer& other : hand_.players)
        if (other.seat == player.seat || other.name == player.name)
            return refuse(HandProblem::TooManyPlayers, line_);
    if (hand_.players.size() == kMostSeats || player.name.empty())
        return refuse(HandProblem::TooManyPlayers, line_);
    hand_.players.push_back(std::move(player));
}

void HandBuilder::seatsDone() {
    phase_ = Phase::Betting;
    if (hand_.players.empty()) return refuse(HandProblem::UnreadableLine, line_);
    std::sort(hand_.players.begin(), hand_.players.end(),
              [](const SeatedPlayer& a, const SeatedPlayer& b) { return a.seat < b.seat; });
    rounds_.assign(hand_.players.size(), {});
    namesByLength_.resize(hand_.players.size());
    std::iota(namesByLength_.begin(), namesByLength_.end(), 0);
    std::sort(namesByLength_.begin(), namesByLength_.end(), [&](int a, int b) {
        return hand_.players[static_cast<std::size_t>(a)].name.size() >
               hand_.players[static_cast<std::size_t>(b)].name.size();
    });
}

int HandBuilder::playerNamed(std::string_view line, std::string_view after) const {
    for (const int index : namesByLength_) {
        const std::string& name = hand_.players[static_cast<std::size_t>(index)].name;
        if (after.empty()
                ? line == name
                : line.size() > name.size() + after.size() && line[name.size()] == after[0] &&
                      startsWith(line, name) && startsWith(line.substr(name.size()), after))
            return index;
    }
    return -1;
}

int HandBuilder::playerAtSeat(int seat) const {
    for (std::size_t i = 0; i < hand_.players.size(); ++i)
        if (hand_.players[i].seat == seat) return static_cast<int>(i);
    return -1;
}

void HandBuilder::readPlayerLine(int player, std::string_view rest) {
    const bool allInSaid = rest.ends_with(" and is all-in");
    std::size_t used = 0;
    const auto amountAfter = [&](std::string_view prefix) -> std::optional<Amount> {
        if (!startsWith(rest, prefix)) return std::nullopt;
        const auto amount = amountAt(rest.substr(prefix.size()), used);
        if (!amount) refuse(HandProblem::UnreadableLine, line_);
        return amount;
    };
    if (startsWith(rest, "posts ")) {
        struct Post {
            std::string_view words;
            ActionKind kind;
        };
        for (const Post post : {Post{"posts the ante ", ActionKind::Ante},
                                Post{"posts small blind ", ActionKind::SmallBlind},
                                Post{"posts big blind ", ActionKind::BigBlind},
                                Post{"posts small & big blinds ", ActionKind::DeadBlinds},
                                Post{"posts straddle ", ActionKind::Straddle}}) {
            if (const auto amount = amountAfter(post.words))
                return this->post(player, post.kind, *amount, allInSaid);
            if (refusal_) return;
        }
        return refuse(HandProblem::UnreadableLine, line_);
    }
    if (startsWith(rest, "folds")) {
        act(player, ActionKind::Fold, 0, 0, false);
        std::size_t end = 0;
        if (const auto cards = bracketCards(rest, end); cards && !refusal_)
            showCards(player, *cards);
        return;
    }
    if (rest == "checks" || startsWith(rest, "checks "))
        return act(player, ActionKind::Check, 0, 0, false);
    if (const auto amount = amountAfter("calls "))
        return act(player, ActionKind::Call, *amount, 0, allInSaid);
    if (refusal_) return;
    if (const auto amount = amountAfter("bets "))
        return act(player, ActionKind::Bet, *amount, 0, allInSaid);
    if (refusal_) return;
    if (const auto by = amountAfter("raises ")) {
        const std::string_view tail = rest.substr(7 + used);
        std::size_t toUsed = 0;
        const auto to = startsWith(tail, " to ") ? amountAt(tail.substr(4), toUsed) : std::nullopt;
        if (!to) return refuse(HandProblem::UnreadableLine, line_);
        return act(player, ActionKind::Raise, *by, *to, allInSaid);
    }
    if (refusal_) return;
    if (startsWith(rest, "shows [") || startsWith(rest, "mucks [")) {
        std::size_t end = 0;
        const auto cards = bracketCards(rest, end);
        if (!cards) return refuse(HandProblem::UnreadableLine, line_);
        return showCards(player, *cards);
    }
    // Anything else a player does (sits out, times out, does not show) moves no money.
}

void HandBuilder::readOther(std::string_view line) {
    // "<name> collected <amount> from pot|main pot|side pot|side pot-N"
    const int collector = playerNamed(line, " collected ");
    if (collector >= 0) {
        const std::string_view rest =
            line.substr(hand_.players[static_cast<std::size_t>(collector)].name.size() + 11);
        std::size_t used = 0;
        const auto amount = amountAt(rest, used);
        if (!amount) return refuse(HandProblem::UnreadableLine, line_);
        const std::string_view from = rest.substr(used);
        int pot = -1;
        if (startsWith(from, " from main pot"))
            pot = 0;
        else if (startsWith(from, " from side pot-")) {
            std::size_t numberUsed = 0;
            pot = readNumber(afterPrefix(from, " from side pot-"), numberUsed).value_or(1);
        } else if (startsWith(from, " from side pot"))
            pot = 1;
        else if (!startsWith(from, " from pot"))
            return refuse(HandProblem::UnreadableLine, line_);
        collections_.push_back({collector, *amount, pot, line_});
        hand_.players[static_cast<std::size_t>(collector)].collected += *amount;
        phase_ = Phase::Showdown;
        return;
    }
    // A chat line never moves money, whatever it quotes.
    if (line.find(" said, \"") != std::string_view::npos) return;
    // An action or a collection by a name without a seat.
    const auto colon = line.find(": ");
    if (colon != std::string_view::npos) {
        const std::string_view rest = line.substr(colon + 2);
        for (const std::string_view verb :
             {"posts ", "folds", "checks", "calls ", "bets ", "raises ", "shows ["})
            if (startsWith(rest, verb)) {
                refusal_ = HandRefusal{hand_.number, line_, HandProblem::UnknownPlayer,
                                       std::string(line.substr(0, colon))};
                return;
            }
    }
    if (const auto at = line.find(" collected "); at != std::string_view::npos) {
        std::size_t used = 0;
        const std::string_view rest = line.substr(at + 11);
        if (readAmount(rest, used) && startsWith(rest.substr(used), " from ")) {
            refusal_ = HandRefusal{hand_.number, line_, HandProblem::UnknownPlayer,
                                   std::string(line.substr(0, at))};
            return;
        }
    }
    // Connections, seats taken or left, time banks: nothing that moves money.
}

bool HandBuilder::canAct(int player) const {
    const SeatedPlayer& p = hand_.players[static_cast<std::size_t>(player)];
    return p.dealtIn && !p.folded && !p.allIn;
}

int HandBuilder::playersIn() const {
    return static_cast<int>(
        std::count_if(hand_.players.begin(), hand_.players.end(),
                      [](const SeatedPlayer& p) { return p.dealtIn && !p.folded; }));
}

int HandBuilder::playersAbleToAct() const {
    int count = 0;
    for (std::size_t i = 0; i < hand_.players.size(); ++i) count += canAct(static_cast<int>(i));
    return count;
}

bool HandBuilder::bettingRoundOver() const {
    if (playersIn() <= 1) return true;
    const int able = playersAbleToAct();
    for (std::size_t i = 0; i < hand_.players.size(); ++i) {
        if (!canAct(static_cast<int>(i))) continue;
        if (rounds_[i].bet < highest_) return false;
        if (able >= 2 && !rounds_[i].acted) return false;
    }
    return true;
}

int HandBuilder::nextToAct(int after) const {
    const int count = static_cast<int>(hand_.players.size());
    for (int step = 1; step <= count; ++step) {
        const int player = (after + step) % count;
        if (canAct(player)) return player;
    }
    return -1;
}

int HandBuilder::firstAfterSeat(int seat) const {
    // The players are in seat order: the first one seated after the seat, round the table.
    int before = -1;
    for (std::size_t i = 0; i < hand_.players.size(); ++i)
        if (hand_.players[i].seat <= seat) before = static_cast<int>(i);
    if (before < 0) before = static_cast<int>(hand_.players.size()) - 1;
    return nextToAct(before);
}

Amount HandBuilder::middle() const {
    Amount total = 0;
    for (const SeatedPlayer& player : hand_.players) total += player.put;
    return total;
}

void HandBuilder::putIn(int player, Amount chips, bool live, bool allInSaid) {
    SeatedPlayer& p = hand_.players[static_cast<std::size_t>(player)];
    const Amount left = p.stack - p.put;
    if (chips > left) return refuse(HandProblem::BeyondStack, line_, player, left, chips);
    if (allInSaid && chips != left)
        return refuse(HandProblem::AllInMismatch, line_, player, left - chips, 0);
    p.put += chips;
    if (live) rounds_[static_cast<std::size_t>(player)].bet += chips;
    if (p.put == p.stack) p.allIn = true;
}

void HandBuilder::post(int player, ActionKind kind, Amount amount, bool allInSaid) {
    SeatedPlayer& p = hand_.players[static_cast<std::size_t>(player)];
    if (voluntaryStarted_ || street_ != Street::Preflop)
        return refuse(HandProblem::OutOfTurn, line_, player);
    if (p.folded) return refuse(HandProblem::NotInHand, line_, player);
    p.dealtIn = true;  // a player back from sitting out posts to be dealt in
    Amount live = amount;
    if (kind == ActionKind::Ante) live = 0;
    if (kind == ActionKind::DeadBlinds && hand_.bigBlind > 0)
        live = std::min(amount, hand_.bigBlind);
    if (kind == ActionKind::Ante) {
        putIn(player, amount, false, allInSaid);
    } else {
        putIn(player, live, true, false);
        if (!refusal_) putIn(player, amount - live, false, allInSaid);
    }
    if (refusal_) return;
    highest_ = std::max(highest_, rounds_[static_cast<std::size_t>(player)].bet);
    if ((kind == ActionKind::BigBlind && firstBlindSeat_ < 0) || kind == ActionKind::Straddle)
        firstBlindSeat_ = p.seat;
    hand_.actions.push_back({Street::Preflop, player, kind, amount, 0, p.allIn, line_});
}

bool HandBuilder::checkTurn(int player) {
    SeatedPlayer& p = hand_.players[static_cast<std::size_t>(player)];
    if (!p.dealtIn || p.folded) {
        refuse(HandProblem::NotInHand, line_, player);
        return false;
    }
    if (!voluntaryStarted_) {
        voluntaryStarted_ = true;
        if (hand_.streets.empty()) startStreet(Street::Preflop);
        toAct_ = firstAfterSeat(firstBlindSeat_ >= 0 ? firstBlindSeat_ : hand_.buttonSeat);
    }
    if (player == toAct_) return true;
    // Before the flop of a cash game, a seated player who posted nothing and
    // has not acted may not have been dealt in (waiting for the big blind):
    // whoever acts is in turn when only such players are passed over.
    if (street_ == Street::Preflop && !tournament_ && toAct_ >= 0 && !p.allIn) {
        std::vector<int> passed;
        for (int next = toAct_; next != player; next = nextToAct(next)) {
            const SeatedPlayer& skipped = hand_.players[static_cast<std::size_t>(next)];
            if (skipped.put > 0 || rounds_[static_cast<std::size_t>(next)].acted ||
                passed.size() >= hand_.players.size())
                break;
            passed.push_back(next);
            if (nextToAct(next) == player) {
                for (const int out : passed)
                    hand_.players[static_cast<std::size_t>(out)].dealtIn = false;
                return true;
            }
        }
    }
    refuse(HandProblem::OutOfTurn, line_, player);
    return false;
}

void HandBuilder::act(int player, ActionKind kind, Amount amount, Amount raisedTo, bool allInSaid) {
    if (phase_ != Phase::Betting) return refuse(HandProblem::OutOfTurn, line_, player);
    if (!checkTurn(player)) return;
    SeatedPlayer& p = hand_.players[static_cast<std::size_t>(player)];
    Round& round = rounds_[static_cast<std::size_t>(player)];
    const Amount left = p.stack - p.put;
    const std::size_t index = hand_.actions.size();
    if (player == hand_.hero && highest_ > round.bet)
        hand_.decisions.push_back({street_, std::min(highest_ - round.bet, left), middle(), index});
    Amount chips = 0;
    switch (kind) {
        case ActionKind::Fold: p.folded = true; break;
        case ActionKind::Check:
            if (round.bet < highest_) return refuse(HandProblem::WrongCheck, line_, player);
            break;
        case ActionKind::Call: {
            const Amount owed = std::min(highest_ - round.bet, left);
            if (amount > left) return refuse(HandProblem::BeyondStack, line_, player, left, amount);
            if (owed <= 0 || amount != owed)
                return refuse(HandProblem::WrongAmount, line_, player, std::max<Amount>(owed, 0),
                              amount);
            chips = amount;
            break;
        }
        case ActionKind::Bet:
            if (highest_ > 0 || amount <= 0)
                return refuse(HandProblem::WrongAmount, line_, player, highest_, amount);
            chips = amount;
            break;
        default:  // a raise of `amount` to `raisedTo`
            if (raisedTo - amount != highest_ || amount <= 0)
                return refuse(HandProblem::WrongAmount, line_, player, highest_, raisedTo - amount);
            chips = raisedTo - round.bet;
            break;
    }
    putIn(player, chips, true, allInSaid);
    if (refusal_) return;
    if (round.bet > highest_) {
        highest_ = round.bet;
        for (Round& other : rounds_) other.acted = false;
    }
    round.acted = true;
    hand_.actions.push_back(
        {street_, player, kind, chips, kind == ActionKind::Raise ? raisedTo : 0, p.allIn, line_});
    toAct_ = bettingRoundOver() ? -1 : nextToAct(player);
}

void HandBuilder::returnBet(int player, Amount amount) {
    Amount others = 0;
    for (std::size_t i = 0; i < rounds_.size(); ++i)
        if (static_cast<int>(i) != player) others = std::max(others, rounds_[i].bet);
    Round& round = rounds_[static_cast<std::size_t>(player)];
    const Amount uncalled = round.bet - others;
    if (amount != uncalled || amount <= 0)
        return refuse(HandProblem::WrongReturn, line_, player, std::max<Amount>(uncalled, 0),
                      amount);
    SeatedPlayer& p = hand_.players[static_cast<std::size_t>(player)];
    round.bet -= amount;
    highest_ = std::max(others, round.bet);
    p.put -= amount;
    p.returned += amount;
    p.allIn = false;
    hand_.actions.push_back({street_, player, ActionKind::Returned, amount, 0, false, line_});
}

void HandBuilder::startStreet(Street street) {
    street_ = street;
    StreetRecord record;
    record.street = street;
    record.board = hand_.board;
    record.pot = middle();
    for (std::size_t i = 0; i < hand_.players.size(); ++i)
        if (hand_.players[i].dealtIn && !hand_.players[i].folded)
            record.playersIn.push_back(static_cast<int>(i));
    record.firstAction = hand_.actions.size();
    hand_.streets.push_back(std::move(record));
}

void HandBuilder::noteAllInMoment() {
    if (hand_.allIn || playersIn() < 2 || playersAbleToAct() > 1 || street_ == Street::River)
        return;
    AllInMoment moment;
    moment.street = street_;
    moment.board = hand_.board;
    for (std::size_t i = 0; i < hand_.players.size(); ++i)
        if (hand_.players[i].dealtIn && !hand_.players[i].folded)
            moment.players.push_back(static_cast<int>(i));
    hand_.allIn = std::move(moment);
}

void HandBuilder::dealStreet(Street street, const std::vector<Card>& board) {
    if (phase_ != Phase::Betting) return refuse(HandProblem::BoardMismatch, line_);
    if (!voluntaryStarted_ && hand_.streets.empty()) startStreet(Street::Preflop);
    if (!bettingRoundOver() || playersIn() < 2) return refuse(HandProblem::BettingNotOver, line_);
    noteAllInMoment();
    hand_.board = board;
    for (Round& round : rounds_) round = {};
    highest_ = 0;
    startStreet(street);
    voluntaryStarted_ = true;
    toAct_ = bettingRoundOver() ? -1 : firstAfterSeat(hand_.buttonSeat);
}

bool HandBuilder::claimCards(const std::vector<Card>& cards, int owner) {
    for (const Card card : cards) {
        signed char& held = cardOwner_[static_cast<std::size_t>(cardIndex(card))];
        if (held != kNobody && held != owner) {
            refuse(HandProblem::CardTwice, line_);
            refusal_->card = card;
            return false;
        }
        held = static_cast<signed char>(owner);
    }
    return true;
}

void HandBuilder::showCards(int player, const std::vector<Card>& cards) {
    SeatedPlayer& p = hand_.players[static_cast<std::size_t>(player)];
    if (cards.size() == 2 && p.cards) {
        const bool same = ((*p.cards)[0] == cards[0] && (*p.cards)[1] == cards[1]) ||
                          ((*p.cards)[0] == cards[1] && (*p.cards)[1] == cards[0]);
        if (!same) refuse(HandProblem::CardsChanged, line_, player);
        return;
    }
    if (cards.size() > 2) return refuse(HandProblem::UnreadableLine, line_);
    if (!claimCards(cards, player)) return;
    if (cards.size() == 2) p.cards = std::array<Card, 2>{cards[0], cards[1]};
}

void HandBuilder::readStreet(std::string_view line) {
    struct Marker {
        std::string_view text;
        Street street;
        int board;  // 1 or 2; 0 for no cards
    };
    static constexpr Marker kMarkers[] = {
        {"*** FLOP ***", Street::Flop, 1},          {"*** TURN ***", Street::Turn, 1},
        {"*** RIVER ***", Street::River, 1},        {"*** FIRST FLOP ***", Street::Flop, 1},
        {"*** FIRST TURN ***", Street::Turn, 1},    {"*** FIRST RIVER ***", Street::River, 1},
        {"*** SECOND FLOP ***", Street::Flop, 2},   {"*** SECOND TURN ***", Street::Turn, 2},
        {"*** SECOND RIVER ***", Street::River, 2},
    };
    if (startsWith(line, "*** HOLE CARDS ***")) {
        if (phase_ != Phase::Betting || !hand_.streets.empty())
            return refuse(HandProblem::UnreadableLine, line_);
        return startStreet(Street::Preflop);
    }
    if (startsWith(line, "*** SUMMARY ***")) {
        phase_ = Phase::Summary;
        return;
    }
    if (line.find("SHOW DOWN ***") != std::string_view::npos) {
        if (phase_ == Phase::Betting) {
            if (!bettingRoundOver()) return refuse(HandProblem::BettingNotOver, line_);
            noteAllInMoment();
        }
        phase_ = Phase::Showdown;
        return;
    }
    for (const Marker& marker : kMarkers) {
        if (!startsWith(line, marker.text)) continue;
        const int cardsBefore = marker.street == Street::Flop   ? 0
                                : marker.street == Street::Turn ? 3
                                                                : 4;
        std::size_t end = 0;
        const std::string_view rest = line.substr(marker.text.size());
        auto first = bracketCards(rest, end);
        if (!first) return refuse(HandProblem::UnreadableLine, line_);
        std::vector<Card> before, added = *first;
        if (cardsBefore > 0) {
            std::size_t secondEnd = 0;
            const auto second = bracketCards(rest.substr(end), secondEnd);
            if (!second || second->size() != 1 || static_cast<int>(first->size()) != cardsBefore)
                return refuse(HandProblem::BoardMismatch, line_);
            before = *first;
            added = *second;
        } else if (added.size() != 3) {
            return refuse(HandProblem::BoardMismatch, line_);
        }
        std::vector<Card>& board = marker.board == 1 ? hand_.board : hand_.secondBoard;
        // The second board starts as the first one up to where the runs part.
        if (marker.board == 2 && board.empty())
            board.assign(hand_.board.begin(),
                         hand_.board.begin() +
                             std::min<std::ptrdiff_t>(
                                 cardsBefore, static_cast<std::ptrdiff_t>(hand_.board.size())));
        if (!sameCards(before, board)) return refuse(HandProblem::BoardMismatch, line_);
        if (!claimCards(added, marker.board == 1 ? kBoardOwner : kBoardOwner + 1)) return;
        std::vector<Card> dealt = board;
        dealt.insert(dealt.end(), added.begin(), added.end());
        if (marker.board == 2) {
            board = std::move(dealt);
            return;
        }
        if (phase_ == Phase::Showdown) {
            // Cards run out after the showdown began: no betting left.
            hand_.board = std::move(dealt);
            return;
        }
        return dealStreet(marker.street, dealt);
    }
    // Other "***" lines a room may add carry nothing we need.
}

void HandBuilder::readSummary(std::string_view line) {
    if (startsWith(line, "Total pot ")) {
        std::size_t used = 0;
        const auto total = amountAt(afterPrefix(line, "Total pot "), used);
        if (!total) return refuse(HandProblem::UnreadableLine, line_);
        hand_.totalPot = *total;
        hand_.rake = 0;
        // "| Rake $0.05", and any other fee the room writes after a bar.
        for (auto bar = line.find("| "); bar != std::string_view::npos;
             bar = line.find("| ", bar + 2)) {
            std::string_view fee = line.substr(bar + 2);
            const auto blank = fee.find(' ');
            if (blank == std::string_view::npos) continue;
            std::size_t feeUsed = 0;
            if (const auto amount = amountAt(fee.substr(blank + 1), feeUsed)) hand_.rake += *amount;
        }
        sawTotal_ = true;
        return;
    }
    const auto boardLine = [&](std::string_view prefix, const std::vector<Card>& board) {
        std::size_t end = 0;
        const auto cards = bracketCards(afterPrefix(line, prefix), end);
        if (!cards || !sameCards(*cards, board)) refuse(HandProblem::BoardMismatch, line_);
    };
    if (startsWith(line, "Board [")) return boardLine("Board ", hand_.board);
    if (startsWith(line, "FIRST Board [")) return boardLine("FIRST Board ", hand_.board);
    if (startsWith(line, "SECOND Board [")) return boardLine("SECOND Board ", hand_.secondBoard);
    if (startsWith(line, "Seat ")) {
        std::size_t used = 0;
        const auto seat = readNumber(afterPrefix(line, "Seat "), used);
        const int player = seat ? playerAtSeat(*seat) : -1;
        if (player < 0) return;
        const std::string& name = hand_.players[static_cast<std::size_t>(player)].name;
        const std::string_view rest =
            line.substr(std::min(line.size(), 5 + used + 2 + name.size()));
        for (const std::string_view shown : {"showed [", "mucked ["}) {
            const auto at = rest.find(shown);
            if (at == std::string_view::npos) continue;
            std::size_t end = 0;
            const auto cards = bracketCards(rest.substr(at), end);
            if (!cards) return refuse(HandProblem::UnreadableLine, line_);
            return showCards(player, *cards);
        }
    }
}

std::variant<PlayedHand, HandRefusal> HandBuilder::finish(int lastLine) {
    line_ = lastLine;
    if (!refusal_ && (!sawTotal_ || hand_.players.empty())) refuse(HandProblem::CutOff, lastLine);
    if (refusal_) return *refusal_;
    if (playersIn() >= 2 && (!bettingRoundOver() || hand_.board.size() != 5)) {
        refuse(HandProblem::BettingNotOver, lastLine);
        return *refusal_;
    }
    const Amount wentIn = middle();
    if (hand_.totalPot != wentIn) {
        refuse(HandProblem::TotalPotMismatch, lastLine, -1, wentIn, hand_.totalPot);
        return *refusal_;
    }
    Amount paid = hand_.rake;
    for (const Collection& collection : collections_) paid += collection.amount;
    if (paid != hand_.totalPot) {
        refuse(HandProblem::PayoutMismatch, lastLine, -1, hand_.totalPot, paid);
        return *refusal_;
    }
    hand_.pots = splitPots(hand_.players);
    for (const Collection& collection : collections_) {
        const SeatedPlayer& collector = hand_.players[static_cast<std::size_t>(collection.player)];
        bool eligible = !collector.folded && collector.dealtIn;
        if (eligible && collection.pot >= 0) {
            const auto pot = static_cast<std::size_t>(collection.pot);
            eligible = pot < hand_.pots.size() &&
                       std::find(hand_.pots[pot].players.begin(), hand_.pots[pot].players.end(),
                                 collection.player) != hand_.pots[pot].players.end();
        }
        if (!eligible) {
            refuse(HandProblem::NotEligible, collection.line, collection.player);
            return *refusal_;
        }
    }
    return std::move(hand_);
}

}  // namespace korvana::history
