#pragma once
// The head of the GET sent for one hop.
#include <QByteArray>
#include <QNetworkProxy>
#include <QUrl>

class QNetworkCookieJar;

namespace korvana::online {

// The headers sent with every request. Every released version has sent
// exactly this User-Agent, and the site's statistics and filters count
// Korvana's checks by it, so it stays as it is rather than naming Korvana.
inline constexpr char kUserAgent[] = "Mozilla/3.0 (compatible; Indy Library)";
inline constexpr char kAccept[] = "text/html, */*";

// "GET /path?query HTTP/1.1" with the fixed headers and the cookies cookies
// (may be null) holds for url. Through a forwardingProxy (may be null) the
// request line carries the full address, with the proxy's credentials beside
// it. Empty when a part would not fit on its line.
QByteArray requestHead(const QUrl& url, QNetworkCookieJar* cookies,
                       const QNetworkProxy* forwardingProxy);

}  // namespace korvana::online
