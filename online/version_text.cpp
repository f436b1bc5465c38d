#include "version_text.h"

#include "string_table.h"

namespace korvana::online {

QByteArray remoteVersionFromBody(const QByteArray &body)
{
    constexpr qsizetype kVersionLength = 5;
    const qsizetype start = body.size() - kVersionLength - 1;
    if (start < 0)
        return body.left(kVersionLength);
    return body.mid(start, kVersionLength);
}

bool isOwnVersion(const QByteArray &remoteVersion)
{
    const std::string_view own = korvana::programVersion();
    return remoteVersion == QByteArray(own.data(), qsizetype(own.size()));
}

}  // namespace korvana::online
