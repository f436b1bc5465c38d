#include "tools/korvana_odds/arguments/table_cards.h"

#include "engine/cards/card_input.h"
#include "engine/text/string_table.h"
#include "tools/korvana_odds/text/terminal_text.h"

namespace korvana {

std::optional<std::string> readSlots(const std::string& piece, TableCards& cards,
                                     Language language) {
    const TypedCards typed = parseCardsLeniently(piece);
    const auto in = [&](bool named) {
        return named ? fillIn(phrase(language, Phrase::UsageIn), {quoted(piece)}) : std::string();
    };
    const std::string within = in(typed.slots.size() != 1 || typed.unreadable);
    for (const TypedSlot& slot : typed.slots) {
        if (cards.slotsTyped >= kSlotCount)
            return fillIn(phrase(language, Phrase::UsageTooManySlots),
                          {quoted(slot.typed), within});
        if (slot.card && !cards.hand.place(cards.slotsTyped + 1, *slot.card))
            return fillIn(phrase(language, Phrase::UsageCardTwice), {quoted(slot.typed), within});
        ++cards.slotsTyped;
    }
    if (typed.unreadable || typed.slots.empty()) {
        const std::string bad = typed.unreadable ? *typed.unreadable : piece;
        return fillIn(phrase(language, Phrase::UsageUnknownCard), {quoted(bad), in(bad != piece)});
    }
    return std::nullopt;
}

}  // namespace korvana
