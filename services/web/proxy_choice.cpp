#include "proxy_choice.h"

#include <QNetworkProxyFactory>

#include <optional>

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

// The proxy variable that holds url's proxy: https_proxy for https, else
// (and when that is not set) http_proxy.
QByteArray proxyVariable(const QUrl& url) {
    QByteArray value;
    if (url.scheme() == QLatin1String("https")) value = variable("https_proxy", "HTTPS_PROXY");
    if (value.isEmpty()) value = variable("http_proxy", "HTTP_PROXY");
    return value;
}

// The proxy a set variable names ("host:3128", "http://host:3128",
// "socks5h://host"), port 0 when it has none; nullopt when it names none that
// can be used.
std::optional<QNetworkProxy> proxyOfSetting(const QByteArray& value) {
    const qsizetype schemeEnd = value.indexOf("://");
    const QByteArray scheme = schemeEnd < 0 ? QByteArray("http") : value.left(schemeEnd).toLower();
    if (scheme != "http" && scheme != "socks5" && scheme != "socks5h") return std::nullopt;
    const QUrl address(QString::fromLocal8Bit(schemeEnd < 0 ? "http://" + value : value),
                       QUrl::StrictMode);
    if (!address.isValid() || address.host().isEmpty() || address.port(1) == 0) return std::nullopt;
    return QNetworkProxy(scheme == "http" ? QNetworkProxy::HttpProxy : QNetworkProxy::Socks5Proxy,
                         address.host(), quint16(address.port(0)),
                         address.userName(QUrl::FullyDecoded),
                         address.password(QUrl::FullyDecoded));
}

// The variable as a log may show it: a password in it is hidden.
QString shownSetting(const QByteArray& value) {
    const qsizetype schemeEnd = value.indexOf("://");
    const qsizetype start = schemeEnd < 0 ? 0 : schemeEnd + 3;
    const qsizetype at = value.lastIndexOf('@');
    if (at < start) return QString::fromLocal8Bit(value);
    return QString::fromLocal8Bit(value.left(start) + "***" + value.mid(at));
}

}  // namespace

ProxyFinder systemProxyFinder() {
    return [](const QUrl& url) -> ProxyChoice {
        const QByteArray host = url.host(QUrl::FullyEncoded).toLatin1().toLower();
        if (exempted(host, variable("no_proxy", "NO_PROXY"))) return {};
        const QByteArray value = proxyVariable(url);
        const std::optional<QNetworkProxy> set =
            value.isEmpty() ? std::nullopt : proxyOfSetting(value);
        if (!value.isEmpty() && !set) return {QNetworkProxy::NoProxy, shownSetting(value)};
        const QList<QNetworkProxy> choices =
            QNetworkProxyFactory::systemProxyForQuery(QNetworkProxyQuery(url));
        QNetworkProxy proxy = choices.value(0, QNetworkProxy::NoProxy);
        // What Qt's reading passes over (no scheme, socks5h) is still the proxy set.
        if (proxy.type() == QNetworkProxy::NoProxy && set) proxy = *set;
        if (proxy.type() != QNetworkProxy::HttpProxy && proxy.type() != QNetworkProxy::Socks5Proxy)
            return {};
        if (proxy.port() == 0)
            proxy.setPort(proxy.type() == QNetworkProxy::Socks5Proxy ? kSocksProxyPort
                                                                     : kHttpProxyPort);
        return {proxy, {}};
    };
}

}  // namespace korvana::online
