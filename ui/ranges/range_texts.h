#pragma once
// The texts about ranges that the Opponents window, the grid and Paste share,
// in the language of the installed translation.
#include <QString>

#include "engine/ranges/range_error.h"
#include "engine/text/language.h"

namespace korvana::ui {

// How much of all two-card combinations a range holds, each counted with its
// weight: "15.1%, 200 combos", "12.4%, 164.5 combos".
QString rangeShareText(double combinations, const QString& decimalSeparator);

// What is wrong with a range the player typed, naming the piece at fault; in
// the language of the hand names, as korvana-odds says it.
QString rangeProblemText(Language language, const RangeError& error);
// A stored range longer than the range box holds, in the settings at location.
QString storedRangeTooLongText(const QString& location);

// What the range box is for.
QString rangeBoxTooltip();
// The tooltip of a range box whose text is longer than the box shows: the
// whole text, cut at a length a screen holds, then what the box is for.
QString wholeRangeTooltip(const QString& text, const QString& about);

// An opponent's own figure: "equity 31.2%, win 29.0%, tie 2.2%".
QString opponentFigureText(double equityPercent, double winPercent, double tiePercent,
                           const QString& decimalSeparator);

// Shown in the empty range box.
QString anyTwoCardsText();

}  // namespace korvana::ui
