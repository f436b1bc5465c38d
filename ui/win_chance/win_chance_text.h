#pragma once
// The texts of the win chance panel in the language of the installed
// translation: the figure, what stands in for it, the explanations of the
// controls and what is wrong with a range.
#include <QString>

#include "hand_range.h"
#include "win_chance.h"

namespace korvana::ui {

// "Win 64.2% ±0.3%  Tie 1.1%  vs 2 opponents", or "... (all boards)" when
// every deal was counted.
QString winChanceText(const WinChanceFigure& figure, const QString& decimalSeparator);

// What the panel says instead of a figure.
enum class WinChanceNote {
    ChooseCards,  // a pocket card is missing
    RangeEmpty,   // the range lost every hand to the known cards
    NoDeal,       // the range leaves no way to deal every opponent a hand at once
};
QString winChanceNoteText(WinChanceNote note);

// What is wrong with a range the player typed, naming the piece at fault.
QString rangeProblemText(const RangeError& error);
// A stored range longer than the range box holds, in the settings at location.
QString storedRangeTooLongText(const QString& location);

enum class WinChanceControl { Figure, Opponents, Range, Busy };
// The opponents' caption and the range box's name; empty for the others.
QString winChanceCaption(WinChanceControl control);
QString winChanceTooltip(WinChanceControl control);
// Shown in the empty range box.
QString anyTwoCardsText();

}  // namespace korvana::ui
