#include "engine/table/opponent_seat.h"

#include <algorithm>

#include "engine/equity/win_chance.h"

namespace korvana {

std::shared_ptr<const HandRange> OpponentSeat::anyTwoCardsRange() {
    // One for every seat and every step: the commonest range by far.
    static const auto any = std::make_shared<const HandRange>(HandRange::anyTwoCards());
    return any;
}

OpponentSeat seatTyped(const OpponentSeat& seat, std::string_view text,
                       const RangeLibrary* library) {
    OpponentSeat typed = seat;
    typed.typed = std::string(text);
    auto range = library ? opponentRange(text, *library) : opponentRange(text, RangeLibrary());
    if (auto* error = std::get_if<RangeError>(&range)) {
        typed.problem = std::move(*error);
        return typed;
    }
    typed.problem.reset();
    typed.rangeText = typed.typed;
    typed.range = std::get<HandRange>(range).isAnyTwoCards()
                      ? OpponentSeat::anyTwoCardsRange()
                      : std::make_shared<const HandRange>(std::move(std::get<HandRange>(range)));
    return typed;
}

OpponentSeat seatHolding(std::string_view text, const RangeLibrary* library) {
    return seatTyped(OpponentSeat{}, text, library);
}

OpponentSeat seatReadAgain(const OpponentSeat& seat, const RangeLibrary& library) {
    // The counted text first, so that a typed text that no longer reads
    // keeps the last good one.
    return seatTyped(seatHolding(seat.rangeText, &library), seat.typed, &library);
}

bool sameSeat(const OpponentSeat& a, const OpponentSeat& b) {
    // The range and the problem follow from the texts.
    return a.typed == b.typed && a.rangeText == b.rangeText;
}

std::vector<HandRange> Opponents::countedRanges() const {
    std::vector<HandRange> ranges;
    for (int opponent = 1; opponent <= count; ++opponent) ranges.push_back(*seat(opponent).range);
    return ranges;
}

std::vector<std::string> Opponents::countedTexts() const {
    std::vector<std::string> texts;
    for (int opponent = 1; opponent <= count; ++opponent) texts.push_back(seat(opponent).rangeText);
    return texts;
}

bool sameOpponents(const Opponents& a, const Opponents& b) {
    return a.count == b.count &&
           std::equal(a.seats.begin(), a.seats.end(), b.seats.begin(), sameSeat);
}

}  // namespace korvana
