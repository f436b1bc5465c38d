#pragma once
// Reading the current version out of the site's version document.
#include <QByteArray>

namespace korvana::online {

// The site sends the version followed by exactly one character (a line feed),
// so the version is the five characters before the last one. Shorter bodies are
// taken whole; nothing is trimmed or validated, so a body of unexpected form is
// simply compared and, when it differs, shown.
QByteArray remoteVersionFromBody(const QByteArray &body);

// True when the remote version is exactly this program's own version.
bool isOwnVersion(const QByteArray &remoteVersion);

}  // namespace korvana::online
