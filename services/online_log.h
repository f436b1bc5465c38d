#pragma once
// The one logging category of the online services, "korvana.online", in
// every build. Failures are warnings (shown by default); every request and
// its outcome is a debug message, shown with
// QT_LOGGING_RULES=korvana.online.debug=true.
#include <QLoggingCategory>

namespace korvana::online {
Q_DECLARE_LOGGING_CATEGORY(onlineLog)
}
