#pragma once
// The time-passed panel: whole hours (no wrap at 24) and minutes since start.
#include <QDateTime>
#include <QString>
#include <chrono>

namespace korvana::ui {

// Whole minutes from start to now; seconds are dropped, not rounded. The span
// is the real time between the two moments, so a change to or from daylight
// saving time does not add or lose an hour, and a clock set back before the
// start gives 0 rather than a negative time.
qint64 minutesPassed(const QDateTime& start, const QDateTime& now);

// The minutes a tick of the minute timer shows. The tick was set for the
// moment `dueMinute` whole minutes after start, but a timer may deliver it a
// moment before that; dropping the seconds would then show the minute before
// and keep the panel one behind until the next tick. A tick that comes at
// most a few seconds early therefore counts as the minute it was set for; a
// late one shows what the clock says.
qint64 minutesAtTick(const QDateTime& start, const QDateTime& now, qint64 dueMinute);

// How long from now until `minute` whole minutes after start: never negative,
// and little more than a minute, so a clock set back does not stop the panel.
std::chrono::milliseconds untilMinute(const QDateTime& start, const QDateTime& now, qint64 minute);

// "Time passed: hh:mm" in the language of the installed translation.
QString timePassedText(qint64 minutes);
QString timePassedText(const QDateTime& start, const QDateTime& now);

}  // namespace korvana::ui
