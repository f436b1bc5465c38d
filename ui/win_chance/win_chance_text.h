#pragma once
// The texts of the win chance panel in the language of the installed
// translation: the figure, what stands in for it, the explanations of the
// controls and what is wrong with a range.
#include <QString>

#include "engine/hand_range.h"
#include "engine/language.h"
#include "engine/win_chance.h"

namespace korvana::ui {

// "Equity 65.0%  Win 64.2% ±0.3%  Tie 1.1%  vs 2 opponents", or "... (all
// boards)" when every deal was counted.
QString winChanceText(const WinChanceFigure& figure, const QString& decimalSeparator);

// How much of all two-card combinations a range holds: "15.1%, 200 combos".
QString rangeShareText(int combinations, const QString& decimalSeparator);

// What the panel says instead of a figure.
enum class WinChanceNote {
    ChooseCards,  // a pocket card is missing
    RangeEmpty,   // the range lost every hand to the known cards
    NoDeal,       // the range leaves no way to deal every opponent a hand at once
};
QString winChanceNoteText(WinChanceNote note);

// What is wrong with a range the player typed, naming the piece at fault; in
// the language of the hand names, as korvana-odds says it.
QString rangeProblemText(Language language, const RangeError& error);
// A stored range longer than the range box holds, in the settings at location.
QString storedRangeTooLongText(const QString& location);

enum class WinChanceControl { Figure, Opponents, Range, Ranges, Busy };
// The opponents' caption, the range box's name and the Opponents… button's
// text; empty for the others.
QString winChanceCaption(WinChanceControl control);
QString winChanceTooltip(WinChanceControl control);
// Shown in the empty range box.
QString anyTwoCardsText();

}  // namespace korvana::ui
