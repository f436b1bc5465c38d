#pragma once
// The source of the current date and time, replaceable so that the time-passed
// panel can be tested without waiting.
#include <QDateTime>
#include <functional>

namespace korvana::ui {

using Clock = std::function<QDateTime()>;

// The local date and time of this machine.
Clock systemClock();

}  // namespace korvana::ui
