#pragma once
// The texts of the win chance panel in the language of the installed
// translation: the figure, what stands in for it, the explanations of the
// controls and what is wrong with a range.
#include <QString>
#include <vector>

#include "engine/equity/win_chance.h"
#include "engine/text/language.h"

namespace korvana::ui {

// "Equity 65.0%  Win 64.2% ±0.3%  Tie 1.1%  vs 2 opponents", or "... (all
// boards)" when every deal was counted.
QString winChanceText(const WinChanceFigure& figure, const QString& decimalSeparator);

// What the panel says instead of a figure.
enum class WinChanceNote {
    ChooseCards,  // a pocket card is missing
    RangeEmpty,   // the range lost every hand to the known cards
    NoDeal,       // the range leaves no way to deal every opponent a hand at once
};
QString winChanceNoteText(WinChanceNote note);
// No deal gives every opponent a hand from his range: those named (1-based)
// cannot be dealt together; none named when the count found no deal in its time.
struct WinChanceNoDeal {
    std::vector<int> opponents;
};
QString winChanceNoDealText(const WinChanceNoDeal& noDeal);

enum class WinChanceControl { Figure, Opponents, Ranges, Busy };
// The opponents' caption and the Opponents… button's text; empty for the
// others.
QString winChanceCaption(WinChanceControl control);
QString winChanceTooltip(WinChanceControl control);

}  // namespace korvana::ui
