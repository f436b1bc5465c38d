#include "services/web/hop_connection.h"

#include <QSslConfiguration>
#include <QSslSocket>
#include <QTimer>

#include <algorithm>

#include "services/online_log.h"
#include "services/web/request_head.h"

namespace korvana::online {

namespace {

bool isHttps(const QUrl& url) {
    return url.scheme() == QLatin1String("https");
}

quint16 portOf(const QUrl& url) {
    return quint16(url.port(isHttps(url) ? 443 : 80));
}

QString hostAndPort(const QHostAddress& address, quint16 port) {
    const QString host = address.protocol() == QAbstractSocket::IPv6Protocol
                             ? QLatin1Char('[') + address.toString() + QLatin1Char(']')
                             : address.toString();
    return host + QLatin1Char(':') + QString::number(port);
}

}  // namespace

ErrorKind socketErrorKind(QAbstractSocket::SocketError error) {
    switch (error) {
        case QAbstractSocket::HostNotFoundError: return ErrorKind::Lookup;
        case QAbstractSocket::SocketTimeoutError: return ErrorKind::Timeout;
        case QAbstractSocket::SslHandshakeFailedError:
        case QAbstractSocket::SslInternalError:
        case QAbstractSocket::SslInvalidUserDataError: return ErrorKind::Tls;
        case QAbstractSocket::ProxyAuthenticationRequiredError:
        case QAbstractSocket::ProxyConnectionRefusedError:
        case QAbstractSocket::ProxyConnectionClosedError:
        case QAbstractSocket::ProxyConnectionTimeoutError:
        case QAbstractSocket::ProxyNotFoundError:
        case QAbstractSocket::ProxyProtocolError: return ErrorKind::Proxy;
        default: return ErrorKind::Connect;
    }
}

HopConnection::HopConnection(const ConnectionSetup& setup, const QUrl& url,
                             QDeadlineTimer connectBy, QObject* parent)
    : QObject(parent),
      setup_(setup),
      url_(url),
      connectBy_(connectBy),
      attemptTimer_(new QTimer(this)) {
    attemptTimer_->setSingleShot(true);
    connect(attemptTimer_, &QTimer::timeout, this, [this] {
        lastKind_ =
            route_.proxy.type() == QNetworkProxy::NoProxy ? ErrorKind::Timeout : ErrorKind::Proxy;
        lastError_ = QStringLiteral("%1: no answer").arg(peer());
        qCDebug(onlineLog, "%s", qUtf8Printable(lastError_));
        tryNextAddress();
    });
}

HopConnection::~HopConnection() {
    abort();
}

void HopConnection::abort() {
    if (lookup_) lookup_->cancel();
    lookup_.reset();
    dropSocket();
}

void HopConnection::start() {
    auto route = std::make_shared<Route>();
    NameResolver resolver = setup_.nameResolver ? setup_.nameResolver : systemNameResolver();
    lookup_ = NameLookup::start(
        [route, url = url_, proxies = setup_.proxies, resolver = std::move(resolver)] {
            *route = findRoute(url, proxies, resolver);
        },
        this,
        [this, route] {
            lookup_.reset();
            onRoute(*route);
        });
}

void HopConnection::start(const Route& known) {
    onRoute(known);
}

const QNetworkProxy* HopConnection::forwardingProxy() const {
    return route_.proxy.type() == QNetworkProxy::HttpProxy && !isHttps(url_) ? &route_.proxy
                                                                             : nullptr;
}

QString HopConnection::peer() const {
    if (route_.proxy.type() == QNetworkProxy::NoProxy) return hostAndPort(address_, portOf(url_));
    return QStringLiteral("proxy ") + hostAndPort(address_, route_.proxy.port());
}

void HopConnection::onRoute(const Route& route) {
    route_ = route;
    if (route_.failure != ErrorKind::None) {
        Q_EMIT failed(route_.failure, route_.error);
        return;
    }
    if (route_.proxy.type() != QNetworkProxy::NoProxy)
        qCDebug(onlineLog, "%s goes through proxy %s:%d", qUtf8Printable(url_.toDisplayString()),
                qUtf8Printable(route_.proxy.hostName()), int(route_.proxy.port()));
    tryNextAddress();
}

void HopConnection::tryNextAddress() {
    dropSocket();
    if (next_ >= route_.addresses.size()) {
        Q_EMIT failed(lastKind_, lastError_);
        return;
    }
    address_ = route_.addresses.at(next_++);
    // Each address but the last gets its share of the time left; the last
    // gets all of it, and the request's connect limit ends it.
    if (const qsizetype after = route_.addresses.size() - next_; after > 0)
        attemptTimer_->start(std::max<qint64>(1, connectBy_.remainingTime() / (after + 1)));

    socket_ = new QSslSocket(this);
    tcpConnected_ = false;
    connect(socket_, &QSslSocket::connected, this, &HopConnection::onConnected);
    connect(socket_, &QSslSocket::encrypted, this, &HopConnection::onReady);
    connect(socket_, &QSslSocket::errorOccurred, this, &HopConnection::onError);
    QSslConfiguration tls = QSslConfiguration::defaultConfiguration();
    tls.setPeerVerifyMode(QSslSocket::VerifyPeer);
    if (setup_.trustedCertificates) tls.setCaCertificates(*setup_.trustedCertificates);
    socket_->setSslConfiguration(tls);

    const bool https = isHttps(url_);
    const QString siteName = url_.host(QUrl::FullyEncoded);
    const QNetworkProxy& proxy = route_.proxy;
    if (proxy.type() == QNetworkProxy::NoProxy || forwardingProxy()) {
        socket_->setProxy(QNetworkProxy::NoProxy);
        const quint16 port = forwardingProxy() ? proxy.port() : portOf(url_);
        if (https)
            socket_->connectToHostEncrypted(address_.toString(), port, siteName);
        else
            socket_->connectToHost(address_, port);
        return;
    }
    // A tunnel: the proxy is given by address, the site by name for the
    // proxy to look up.
    QNetworkProxy tunnel(proxy.type(), address_.toString(), proxy.port(), proxy.user(),
                         proxy.password());
    tunnel.setRawHeader("User-Agent", kUserAgent);
    socket_->setProxy(tunnel);
    if (https)
        socket_->connectToHostEncrypted(siteName, portOf(url_));
    else
        socket_->connectToHost(siteName, portOf(url_));
}

void HopConnection::onConnected() {
    tcpConnected_ = true;
    if (!isHttps(url_)) onReady();
}

void HopConnection::onReady() {
    attemptTimer_->stop();
    socket_->disconnect(this);
    // A hop that takes this route again tries the address that answered first.
    route_.addresses.removeAll(address_);
    route_.addresses.prepend(address_);
    probe_ = std::make_unique<ResetProbe>(socket_->socketDescriptor());
    qCDebug(onlineLog, "connected to %s", qUtf8Printable(peer()));
    Q_EMIT ready();
}

void HopConnection::onError(QAbstractSocket::SocketError error) {
    if (!socket_) return;
    attemptTimer_->stop();
    const QString why = QStringLiteral("%1: %2").arg(peer(), socket_->errorString());
    if (tcpConnected_) {
        // Connected, but the secure handshake failed: a certificate refused,
        // or a server that does not speak TLS. Another address would not do
        // better.
        Q_EMIT failed(ErrorKind::Tls, why);
        return;
    }
    lastKind_ =
        route_.proxy.type() == QNetworkProxy::NoProxy ? socketErrorKind(error) : ErrorKind::Proxy;
    lastError_ = why;
    qCDebug(onlineLog, "%s", qUtf8Printable(why));
    tryNextAddress();
}

void HopConnection::dropSocket() {
    attemptTimer_->stop();
    probe_.reset();
    if (!socket_) return;
    socket_->disconnect(this);
    socket_->abort();
    socket_->deleteLater();
    socket_ = nullptr;
}

}  // namespace korvana::online
