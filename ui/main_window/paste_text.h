#pragma once
// What the window says when pasted text cannot become the table, in the
// language of the installed translation.
#include <QString>

#include "engine/ranges/hand_range.h"
#include "engine/table/spot_text.h"
#include "engine/text/language.h"

namespace korvana::ui {

// "Cannot paste: "hello" is not a card (e.g. Ah, Td, 10♥, - for an empty slot)".
QString pasteProblemText(const SpotTextError& error);
// The pasted range does not read: the range box's own explanation after the same lead.
QString pastedRangeProblemText(Language language, const RangeError& error);

}  // namespace korvana::ui
