#include "services/web/failure_log.h"

#include "services/online_log.h"

namespace korvana::online {

namespace {
constexpr qint64 kQuietSeconds = 3600;
}

FailureLog::FailureLog(Clock clock) : clock_(std::move(clock)) {}

void FailureLog::failed(const QString& what, ErrorKind kind, const QString& reason) {
    const QDateTime now = clock_();
    const auto last = lastWarned_.find(kind);
    // A clock set back counts as time passed.
    const bool quiet = last != lastWarned_.end() && last->second <= now &&
                       last->second.secsTo(now) < kQuietSeconds;
    if (quiet) {
        qCDebug(onlineLog, "%s failed (%s): %s", qUtf8Printable(what), errorKindName(kind),
                qUtf8Printable(reason));
        return;
    }
    lastWarned_[kind] = now;
    qCWarning(onlineLog, "%s failed (%s): %s", qUtf8Printable(what), errorKindName(kind),
              qUtf8Printable(reason));
}

}  // namespace korvana::online
