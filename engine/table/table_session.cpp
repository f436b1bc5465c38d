#include "engine/table/table_session.h"

#include <algorithm>
#include <utility>

namespace korvana {

namespace {

TableSnapshot startTable(bool autoSwitch) {
    TableSnapshot table;
    table.autoSwitch = autoSwitch;
    return table;
}

const std::vector<int> kEverySlot = {1, 2, 3, 4, 5, 6, 7};

}  // namespace

TableSession::TableSession(bool autoSwitch, AutoSwitchKeeper keeper, std::size_t undoSteps)
    : keep_(std::move(keeper)), table_(startTable(autoSwitch)), history_(table_, undoSteps) {
    analyse();
    history_.replaceCurrent(table_);
}

TableUpdate TableSession::now() const {
    return {table_, analysis_, {}};
}

void TableSession::analyse() {
    analysis_ = korvana::analyse(table_.hand, table_.round, table_.autoSwitch, table_.best);
    table_.round = analysis_.round;
    table_.best = analysis_.best;
}

TableUpdate TableSession::change(std::vector<int> touchedSlots) {
    typing_ = 0;
    analyse();
    history_.record(table_);
    return {table_, analysis_, std::move(touchedSlots)};
}

TableUpdate TableSession::toggleCard(Card card) {
    const CardToggle toggle = table_.hand.toggleCard(card);
    if (toggle.outcome == CardToggle::Outcome::NoRoom) return change();
    std::erase(table_.dead, card);
    return change({toggle.slot});
}

TableUpdate TableSession::toggleDead(Card card) {
    if (table_.hand.contains(card)) return now();
    if (std::erase(table_.dead, card) == 0) table_.dead.push_back(card);
    return change();
}

TableUpdate TableSession::takeOff(int slot) {
    table_.hand.empty(slot);
    return change({slot});
}

TableUpdate TableSession::fold() {
    if (table_.hand.clear() >= 2) ++table_.handsPlayed;
    table_.dead.clear();
    return change(kEverySlot);
}

TableUpdate TableSession::chooseRound(Round round) {
    table_.round = round;
    return change();
}

TableUpdate TableSession::switchAutoSwitch() {
    const bool on = !table_.autoSwitch;
    if (keep_ && !keep_(on)) return now();
    table_.autoSwitch = on;
    return change();
}

TableUpdate TableSession::chooseOpponents(int count) {
    table_.opponents.count = std::clamp(count, 1, kMaxOpponents);
    return change();
}

TableUpdate TableSession::typeRange(int opponent, std::string_view text) {
    OpponentSeat& seat = table_.opponents.seat(opponent);
    seat = seatTyped(seat, text, &library_);
    // The keys typed into one box in a row make one step.
    if (typing_ == opponent)
        history_.replaceCurrent(table_);
    else
        history_.record(table_);
    typing_ = opponent;
    return {table_, analysis_, {}, true};
}

TableUpdate TableSession::finishRange(int opponent) {
    if (typing_ == opponent) typing_ = 0;
    return now();
}

TableUpdate TableSession::chooseRange(int opponent, std::string_view text) {
    OpponentSeat& seat = table_.opponents.seat(opponent);
    seat = seatTyped(seat, text, &library_);
    return change();
}

TableUpdate TableSession::copyRangeToOthers(int opponent) {
    const OpponentSeat from = table_.opponents.seat(opponent);
    for (OpponentSeat& seat : table_.opponents.seats) seat = seatHolding(from.rangeText, &library_);
    table_.opponents.seat(opponent) = from;
    return change();
}

std::variant<TableUpdate, RangeError> TableSession::placeSpot(const PastedSpot& spot) {
    Opponents opponents = table_.opponents;
    if (spot.opponents) {
        opponents.count = *spot.opponents;
        for (int opponent = 1; opponent <= opponents.count; ++opponent) {
            const auto at = static_cast<size_t>(opponent - 1);
            OpponentSeat seat =
                seatHolding(at < spot.ranges.size() ? spot.ranges[at] : "", &library_);
            if (seat.problem) return *seat.problem;
            opponents.seat(opponent) = std::move(seat);
        }
    }
    table_.hand = spot.hand;
    table_.dead = spot.dead;
    table_.opponents = std::move(opponents);
    return change(kEverySlot);
}

TableUpdate TableSession::undo() {
    return step(Step::Back);
}

TableUpdate TableSession::redo() {
    return step(Step::Forward);
}

TableUpdate TableSession::step(Step step) {
    typing_ = 0;
    const bool back = step == Step::Back;
    const std::optional<TableSnapshot> target = back ? history_.undo() : history_.redo();
    if (!target) return now();
    if (target->autoSwitch != table_.autoSwitch && keep_ && !keep_(target->autoSwitch)) {
        // Not taken: the history stays where it was.
        back ? history_.redo() : history_.undo();
        return now();
    }
    // The pass starts from that moment's round and best hand, so both come back.
    table_ = *target;
    analyse();
    return {table_, analysis_, kEverySlot};
}

TableUpdate TableSession::restoreAutoSwitch(bool on) {
    table_.autoSwitch = on;
    analyse();
    history_.replaceCurrent(table_);
    return now();
}

TableUpdate TableSession::restoreOpponents(const Opponents& opponents) {
    table_.opponents = opponents;
    history_.replaceCurrent(table_);
    return now();
}

TableUpdate TableSession::useRangeLibrary(RangeLibrary library) {
    library_ = std::move(library);
    for (OpponentSeat& seat : table_.opponents.seats)
        if (seat.typed.find('@') != std::string::npos ||
            seat.rangeText.find('@') != std::string::npos)
            seat = seatReadAgain(seat, library_);
    history_.replaceCurrent(table_);
    return now();
}

}  // namespace korvana
