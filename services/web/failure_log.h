#pragma once
// Warns of the web checks' failures through the korvana.online category, at
// most once per kind of failure an hour: a site that stays out of reach says
// so once, not at every request of every check. Each failure still shows at
// debug level.
#include <QDateTime>
#include <QString>

#include <map>

#include "services/error_kind.h"
#include "services/web_checks.h"

namespace korvana::online {

class FailureLog {
public:
    explicit FailureLog(Clock clock);

    // what: "version check", "banner download".
    void failed(const QString& what, ErrorKind kind, const QString& reason);

private:
    Clock clock_;
    std::map<ErrorKind, QDateTime> lastWarned_;
};

}  // namespace korvana::online
