#include "services/version_text.h"

#include "korvana_version.h"

#include <QRegularExpression>

namespace korvana::online {

std::optional<QByteArray> remoteVersionFromBody(const QByteArray& body) {
    constexpr qsizetype kVersionLength = 5;
    QByteArray text = body;
    while (text.endsWith('\n') || text.endsWith('\r')) text.chop(1);
    const QByteArray version = text.right(kVersionLength);
    static const QRegularExpression digitsAndDots(QStringLiteral("^[0-9]+(\\.[0-9]+)+$"));
    if (!digitsAndDots.match(QLatin1String(version)).hasMatch()) return std::nullopt;
    return version;
}

bool isOwnVersion(const QByteArray& remoteVersion) {
    return remoteVersion == QByteArrayView(korvana::kProgramVersion);
}

}  // namespace korvana::online
