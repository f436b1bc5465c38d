#include "tools/korvana_odds/table_cards.h"

#include "engine/cards/card_input.h"
#include "tools/korvana_odds/terminal_text.h"

namespace korvana {

std::optional<std::string> readSlots(const std::string& piece, TableCards& cards) {
    const TypedCards typed = parseCardsLeniently(piece);
    const std::string within =
        typed.slots.size() == 1 && !typed.unreadable ? std::string() : " in " + quoted(piece);
    for (const TypedSlot& slot : typed.slots) {
        if (cards.slotsTyped >= kSlotCount)
            return "too many slots at " + quoted(slot.typed) + within +
                   ": a hand has at most seven";
        if (slot.card && !cards.hand.place(cards.slotsTyped + 1, *slot.card))
            return "card " + quoted(slot.typed) + within + " is given twice";
        ++cards.slotsTyped;
    }
    if (typed.unreadable || typed.slots.empty()) {
        const std::string bad = typed.unreadable ? *typed.unreadable : piece;
        return "unknown card code " + quoted(bad) + (bad == piece ? "" : " in " + quoted(piece)) +
               " (rank 23456789TJQKA or 10, then suit cdhs or \u2663\u2666\u2665\u2660, e.g. Ah)";
    }
    return std::nullopt;
}

}  // namespace korvana
