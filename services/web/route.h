#pragma once
// How one hop of a request reaches its server: directly or through a proxy,
// and the addresses to connect to in order (the proxy's when there is one).
// Found on a lookup thread, with one name lookup.
#include <QHostAddress>
#include <QList>
#include <QNetworkProxy>
#include <QString>
#include <QUrl>

#include "error_kind.h"
#include "name_lookup.h"
#include "proxy_choice.h"

namespace korvana::online {

struct Route {
    QNetworkProxy proxy{QNetworkProxy::NoProxy};
    QList<QHostAddress> addresses;
    // Lookup, or Proxy when the proxy's name does not resolve or the proxy
    // setting is not usable.
    ErrorKind failure = ErrorKind::None;
    QString error;
};

// Blocks; safe on any thread. An empty finder means no proxy.
Route findRoute(const QUrl& url, const ProxyFinder& proxies, const NameResolver& resolver);

}  // namespace korvana::online
