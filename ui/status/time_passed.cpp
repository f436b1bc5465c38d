#include "ui/status/time_passed.h"

#include <algorithm>

#include "ui/common/window_texts.h"

namespace korvana::ui {

namespace {

constexpr qint64 kMinuteMs = 60000;
// A coarse timer may fire up to 5 % of its interval early; a precise one is
// far closer. Three seconds covers both without taking a late tick for an
// early one.
constexpr qint64 kEarlyTickMs = 3000;

}  // namespace

qint64 minutesPassed(const QDateTime& start, const QDateTime& now) {
    return std::max<qint64>(0, start.msecsTo(now)) / kMinuteMs;
}

qint64 minutesAtTick(const QDateTime& start, const QDateTime& now, qint64 dueMinute) {
    const qint64 minutes = minutesPassed(start, now);
    if (start.msecsTo(now) >= dueMinute * kMinuteMs - kEarlyTickMs)
        return std::max(minutes, dueMinute);
    return minutes;
}

std::chrono::milliseconds untilMinute(const QDateTime& start, const QDateTime& now, qint64 minute) {
    return std::chrono::milliseconds(
        std::clamp<qint64>(minute * kMinuteMs - start.msecsTo(now), 0, kMinuteMs + kEarlyTickMs));
}

QString timePassedText(qint64 minutes) {
    const QString clock = QStringLiteral("%1:%2")
                              .arg(minutes / 60, 2, 10, QLatin1Char('0'))
                              .arg(minutes % 60, 2, 10, QLatin1Char('0'));
    return panelLabel(WindowText::TimePassed) + clock;
}

QString timePassedText(const QDateTime& start, const QDateTime& now) {
    return timePassedText(minutesPassed(start, now));
}

}  // namespace korvana::ui
