#pragma once
// The opponents at the table: how many play, and each of the nine seats with
// his range as the player typed it, the range counted for him and what is
// wrong with the typed text. The table session owns them, so that undo, the
// settings, Copy and Paste, the win strip and the Opponents window all read
// the same seats.
#include <array>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/equity/equity_count.h"
#include "engine/ranges/hand_range.h"
#include "engine/ranges/range_library.h"

namespace korvana {

struct OpponentSeat {
    std::string typed;  // as typed; blank for any two cards
    // The last typed text that read, and its range: what the seat is counted
    // with while the typed text does not read.
    std::string rangeText;
    // Shared, since every undo step holds nine seats.
    std::shared_ptr<const HandRange> range = anyTwoCardsRange();
    std::optional<RangeError> problem;  // of the typed text

    static std::shared_ptr<const HandRange> anyTwoCardsRange();
};

// The seat with this text typed: the range follows when the text reads.
// "@name" reads from the library; without one only the built-in names do.
OpponentSeat seatTyped(const OpponentSeat& seat, std::string_view text,
                       const RangeLibrary* library = nullptr);
// The seat holding this text as typed and counted; a text that does not read
// leaves the seat on any two cards, marked with its problem.
OpponentSeat seatHolding(std::string_view text, const RangeLibrary* library = nullptr);
// The seat with its texts read again from the library (which changed).
OpponentSeat seatReadAgain(const OpponentSeat& seat, const RangeLibrary& library);

bool sameSeat(const OpponentSeat& a, const OpponentSeat& b);

struct Opponents {
    int count = 1;  // 1..kMaxOpponents
    // Opponent n's at n - 1; those beyond 'count' are kept for when the
    // player adds opponents again.
    std::array<OpponentSeat, kMaxOpponents> seats{};

    const OpponentSeat& seat(int opponent) const {
        return seats[static_cast<size_t>(opponent - 1)];
    }
    OpponentSeat& seat(int opponent) { return seats[static_cast<size_t>(opponent - 1)]; }
    // The ranges counted against, of the first 'count' seats.
    std::vector<HandRange> countedRanges() const;
    // Their texts ("" for any two cards), as a spot is copied.
    std::vector<std::string> countedTexts() const;
};

bool sameOpponents(const Opponents& a, const Opponents& b);

}  // namespace korvana
