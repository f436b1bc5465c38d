#pragma once
// Reading the current version out of the site's version document.
#include <QByteArray>

#include <optional>

namespace korvana::online {

// The site sends the version followed by a line end. Trailing carriage
// returns and line feeds are dropped, whatever their number; the version is
// then the last five characters, and a shorter body is taken whole.
//
// The text taken must be a version: digits separated by dots ("1.6.0",
// "2.1"). Anything else (an error page or a login page served as a success,
// a version too long to fit, an empty answer or one of blanks and line ends)
// is no answer: nullopt, and the check changes nothing.
std::optional<QByteArray> remoteVersionFromBody(const QByteArray& body);

// True when the remote version is exactly this program's own version.
bool isOwnVersion(const QByteArray& remoteVersion);

}  // namespace korvana::online
