#include "route.h"

namespace korvana::online {

Route findRoute(const QUrl& url, const ProxyFinder& proxies, const NameResolver& resolver) {
    Route route;
    if (proxies) {
        ProxyChoice choice = proxies(url);
        if (!choice.unusable.isEmpty()) {
            route.failure = ErrorKind::Proxy;
            route.error = QStringLiteral("proxy setting not usable: %1").arg(choice.unusable);
            return route;
        }
        route.proxy = std::move(choice.proxy);
    }
    const bool direct = route.proxy.type() == QNetworkProxy::NoProxy;
    const QString host = direct ? url.host() : route.proxy.hostName();
    if (const QHostAddress literal(host); !literal.isNull()) {
        route.addresses.append(literal);
        return route;
    }
    const QByteArray name = QUrl::toAce(host);
    if (!name.isEmpty() && resolver) {
        for (const QByteArray& text : resolver(name))
            if (const QHostAddress address(QString::fromLatin1(text)); !address.isNull())
                route.addresses.append(address);
    }
    if (route.addresses.isEmpty()) {
        route.failure = direct ? ErrorKind::Lookup : ErrorKind::Proxy;
        route.error = direct ? QStringLiteral("host name not found: %1").arg(host)
                             : QStringLiteral("proxy host name not found: %1").arg(host);
    }
    return route;
}

}  // namespace korvana::online
