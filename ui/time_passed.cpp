#include "time_passed.h"

#include <algorithm>

#include "window_text.h"

namespace korvana::ui {

QString timePassedText(Language language, const QDateTime& start, const QDateTime& now) {
    const qint64 seconds = std::max<qint64>(0, start.secsTo(now));
    const qint64 hours = seconds / 3600;
    const qint64 minutes = seconds % 3600 / 60;
    return panelLabel(language, entry::TimePassed) +
           QStringLiteral("%1:%2").arg(hours, 2, 10, QLatin1Char('0')).arg(minutes, 2, 10, QLatin1Char('0'));
}

}  // namespace korvana::ui
