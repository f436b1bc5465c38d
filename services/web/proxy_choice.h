#pragma once
// Which proxy a request goes through.
//
// Qt's proxy factory reads the system's settings: on Linux the desktop's and
// the variables http_proxy, https_proxy and no_proxy, in lower or upper case
// (lower case first). What its reading leaves out is filled in here:
//   - no_proxy=* sends every host directly;
//   - a proxy written without a scheme ("proxy.example:3128") is an HTTP proxy
//     instead of being ignored;
//   - a proxy written without a port gets 8080 (SOCKS: 1080), not port 0.
// Only the first choice counts: a proxy that fails fails the request, which
// does not then go around it.
#include <QNetworkProxy>
#include <QUrl>

#include <functional>

namespace korvana::online {

// The proxy for url, with its host name as configured; NoProxy to connect
// directly. Called on a lookup thread: the system's reading may take time.
using ProxyFinder = std::function<QNetworkProxy(const QUrl& url)>;

ProxyFinder systemProxyFinder();

}  // namespace korvana::online
