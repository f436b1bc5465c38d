#pragma once
// The time-passed panel: whole hours (no wrap at 24) and minutes since start.
#include <QDateTime>
#include <QString>

#include "string_table.h"

namespace korvana::ui {

// "Time passed: hh:mm" in the given language. Seconds are dropped, not
// rounded. The span is the real time between the two moments, so a change to
// or from daylight saving time does not add or lose an hour, and a clock set
// back before the start shows 00:00 rather than a negative time.
QString timePassedText(Language language, const QDateTime& start, const QDateTime& now);

}  // namespace korvana::ui
