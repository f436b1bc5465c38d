#pragma once
// Which proxy a request goes through.
//
// Qt's proxy factory reads the system's settings: on Linux the desktop's and
// the variables http_proxy, https_proxy and no_proxy, in lower or upper case
// (lower case first). What its reading leaves out is filled in here:
//   - no_proxy=* sends every host directly;
//   - a proxy written without a scheme ("proxy.example:3128") is an HTTP proxy
//     instead of being ignored, and socks5h:// a SOCKS 5 one;
//   - a proxy written without a port gets 8080 (SOCKS: 1080), not port 0.
// Only the first choice counts: a proxy that fails fails the request, which
// does not then go around it. A proxy variable that names no proxy Korvana can
// use (no host, a port beyond 65535, a scheme other than http, socks5 and
// socks5h) fails the request too: whoever set it did not want the request to
// go out directly.
#include <QNetworkProxy>
#include <QString>
#include <QUrl>

#include <functional>

namespace korvana::online {

struct ProxyChoice {
    QNetworkProxy proxy{QNetworkProxy::NoProxy};  // with its host name as configured
    // The setting as written, any password hidden, when it names no proxy that
    // can be used; the request is then not sent.
    QString unusable;
};

// The proxy for url; NoProxy to connect directly. Called on a lookup thread:
// the system's reading may take time.
using ProxyFinder = std::function<ProxyChoice(const QUrl& url)>;

ProxyFinder systemProxyFinder();

}  // namespace korvana::online
