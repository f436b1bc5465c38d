#include "ui/online/last_check_text.h"

#include <QCoreApplication>

namespace korvana::ui {

namespace {

// Gives the texts below their own translation context.
class LastCheck {
    Q_DECLARE_TR_FUNCTIONS(LastCheck)
};

// What went wrong, in words a player can act on; the details go to the log.
QString failureText(online::ErrorKind kind) {
    using online::ErrorKind;
    switch (kind) {
        case ErrorKind::Lookup: return LastCheck::tr("site not found");
        case ErrorKind::Proxy: return LastCheck::tr("the proxy refused");
        case ErrorKind::Connect: return LastCheck::tr("no connection");
        case ErrorKind::Tls: return LastCheck::tr("secure connection failed");
        case ErrorKind::Timeout: return LastCheck::tr("no answer in time");
        case ErrorKind::HttpStatus: return LastCheck::tr("the site answered with an error");
        case ErrorKind::TooLarge:
        case ErrorKind::BadResponse:
        case ErrorKind::RedirectRefused:
        case ErrorKind::NotAVersion: return LastCheck::tr("the site's answer was not understood");
        case ErrorKind::BadAddress: return LastCheck::tr("bad site address");
        case ErrorKind::File: return LastCheck::tr("the answer could not be stored");
        case ErrorKind::Cancelled: return LastCheck::tr("stopped");
        case ErrorKind::None: break;
    }
    return {};
}

}  // namespace

QString lastCheckText(const std::optional<online::VersionCheckOutcome>& outcome) {
    if (!outcome) return LastCheck::tr("No version check has ended yet");
    if (outcome->failure != online::ErrorKind::None)
        return LastCheck::tr("Last check failed: %1").arg(failureText(outcome->failure));
    const QString time = outcome->when.toString(QStringLiteral("HH:mm"));
    if (online::namesAnotherVersion(*outcome))
        return LastCheck::tr("Last check: %1, version %2 is out")
            .arg(time, QString::fromLatin1(outcome->version));
    return LastCheck::tr("Last check: %1, no newer version").arg(time);
}

}  // namespace korvana::ui
