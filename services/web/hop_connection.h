#pragma once
// The connection of one hop of a request, up to the point where the request
// may be written.
//
// The route (proxy choice and one name lookup) is found on a lookup thread;
// the addresses found are then tried in order, each with a share of the
// hop's connect time that is left, the last one with all of it. Qt is only
// ever given addresses, never a name to look up. https is set up with the
// peer's certificate verified and its name checked against the site's name,
// which also goes out as the TLS server name whatever address is used.
//
// Through a proxy, https and everything over SOCKS run in a tunnel the proxy
// opens (Qt's socket speaks to the proxy); plain http goes to an HTTP proxy
// whole, the request line carrying the full address.
#include <QAbstractSocket>
#include <QDeadlineTimer>
#include <QList>
#include <QObject>
#include <QSslCertificate>
#include <QString>
#include <QUrl>

#include <memory>
#include <optional>

#include "services/error_kind.h"
#include "services/name_lookup.h"
#include "services/web/connection_reset.h"
#include "services/web/proxy_choice.h"
#include "services/web/route.h"

class QSslSocket;
class QTimer;

namespace korvana::online {

struct ConnectionSetup {
    NameResolver nameResolver;  // empty: the system's
    ProxyFinder proxies;        // empty: no proxy
    // The certificates trusted for https; none: the system's store.
    std::optional<QList<QSslCertificate>> trustedCertificates = std::nullopt;
};

// The kind of failure a socket error stands for.
ErrorKind socketErrorKind(QAbstractSocket::SocketError error);

class HopConnection : public QObject {
    Q_OBJECT
public:
    // url: an http or https address. connectBy: when the hop's connect time
    // runs out (the request enforces it; the addresses share what is left).
    HopConnection(const ConnectionSetup& setup, const QUrl& url, QDeadlineTimer connectBy,
                  QObject* parent);
    ~HopConnection() override;

    void start();
    // Starts on a route found before for the same scheme, host and port.
    void start(const Route& known);
    // Stops at once: the lookup is forgotten and the connection closed.
    void abort();

    // The route taken, the address that answered first, once ready() was
    // emitted.
    const Route& route() const { return route_; }
    // The connected socket once ready() was emitted; it stays this object's.
    QSslSocket* socket() const { return socket_; }
    // The HTTP proxy that plain http is handed to; null when there is none.
    const QNetworkProxy* forwardingProxy() const;
    // Where the connection goes, for messages: "192.0.2.1:443", "proxy 192.0.2.9:3128".
    QString peer() const;
    // The connection was reset by the peer rather than closed.
    bool wasReset() const { return probe_ && probe_->wasReset(); }

Q_SIGNALS:
    void ready();
    void failed(korvana::online::ErrorKind kind, const QString& why);

private:
    void onRoute(const Route& route);
    void tryNextAddress();
    void onConnected();
    void onReady();
    void onError(QAbstractSocket::SocketError error);
    void dropSocket();

    ConnectionSetup setup_;
    QUrl url_;
    QDeadlineTimer connectBy_;
    std::shared_ptr<NameLookup> lookup_;
    Route route_;
    qsizetype next_ = 0;  // the address to try next
    QHostAddress address_;
    QSslSocket* socket_ = nullptr;
    bool tcpConnected_ = false;
    QTimer* attemptTimer_;
    ErrorKind lastKind_ = ErrorKind::Connect;
    QString lastError_;
    std::unique_ptr<ResetProbe> probe_;
};

}  // namespace korvana::online
