#include "services/web/proxy_choice.h"

#include <QNetworkProxyFactory>

namespace korvana::online {

namespace {

constexpr quint16 kHttpProxyPort = 8080;
constexpr quint16 kSocksProxyPort = 1080;

QByteArray variable(const char* lowerCase, const char* upperCase) {
    const QByteArray value = qgetenv(lowerCase).trimmed();
    return value.isEmpty() ? qgetenv(upperCase).trimmed() : value;
}

// no_proxy names host: "*", the host itself, or a domain it lies in
// ("example.com", ".example.com", "*.example.com"); a port after a name is
// ignored.
bool exempted(const QByteArray& host, const QByteArray& noProxy) {
    for (QByteArray token : noProxy.split(',')) {
        token = token.trimmed().toLower();
        if (token == "*") return true;
        if (token.startsWith('['))
            token = token.mid(1, token.indexOf(']') - 1);
        else if (token.count(':') == 1)
            token.truncate(token.indexOf(':'));
        if (token.startsWith('*')) token.remove(0, 1);
        if (token.startsWith('.')) token.remove(0, 1);
        if (!token.isEmpty() && (host == token || host.endsWith('.' + token))) return true;
    }
    return false;
}

// The proxy variable of url's scheme when it holds an address without a
// scheme, which Qt's reading passes over; NoProxy otherwise.
QNetworkProxy proxyWithoutScheme(const QUrl& url) {
    QByteArray value;
    if (url.scheme() == QLatin1String("https")) value = variable("https_proxy", "HTTPS_PROXY");
    if (value.isEmpty()) value = variable("http_proxy", "HTTP_PROXY");
    if (value.isEmpty() || value.contains("://")) return QNetworkProxy::NoProxy;
    const QUrl address(QStringLiteral("http://") + QString::fromLocal8Bit(value));
    if (!address.isValid() || address.host().isEmpty()) return QNetworkProxy::NoProxy;
    return QNetworkProxy(QNetworkProxy::HttpProxy, address.host(), quint16(address.port(0)),
                         address.userName(QUrl::FullyDecoded),
                         address.password(QUrl::FullyDecoded));
}

}  // namespace

ProxyFinder systemProxyFinder() {
    return [](const QUrl& url) {
        const QByteArray host = url.host(QUrl::FullyEncoded).toLatin1().toLower();
        if (exempted(host, variable("no_proxy", "NO_PROXY")))
            return QNetworkProxy(QNetworkProxy::NoProxy);
        const QList<QNetworkProxy> choices =
            QNetworkProxyFactory::systemProxyForQuery(QNetworkProxyQuery(url));
        QNetworkProxy proxy = choices.value(0, QNetworkProxy::NoProxy);
        if (proxy.type() == QNetworkProxy::NoProxy) proxy = proxyWithoutScheme(url);
        if (proxy.type() != QNetworkProxy::HttpProxy && proxy.type() != QNetworkProxy::Socks5Proxy)
            return QNetworkProxy(QNetworkProxy::NoProxy);
        if (proxy.port() == 0)
            proxy.setPort(proxy.type() == QNetworkProxy::Socks5Proxy ? kSocksProxyPort
                                                                     : kHttpProxyPort);
        return proxy;
    };
}

}  // namespace korvana::online
