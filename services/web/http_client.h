#pragma once
// The HTTP client of the background checks: plain GET with fixed headers,
// over http or https, directly or through the system's proxy, redirects
// followed (never from https down to http), cookies kept for the run and sent
// back, and limits on time and size so that a bad server can never hold or
// flood the program.
//
// Requests run asynchronously on the thread that owns the client (the GUI
// thread); nothing here blocks. Each request and each redirect hop uses a
// connection of its own that is closed after the reply, so a request is sent
// exactly once and never resent on a connection the server has dropped. The
// reply is read strictly (see HttpResponseReader): a reply whose framing is
// in doubt is a failed request, not a short or empty success. Every failure
// has a kind (ErrorKind) beside its text; every request and its outcome is
// logged at debug level in the korvana.online category.
#include <QByteArray>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QSslCertificate>
#include <QString>
#include <QUrl>

#include <memory>
#include <optional>

#include "services/error_kind.h"
#include "services/http_limits.h"
#include "services/name_lookup.h"
#include "services/web/hop_connection.h"
#include "services/web/proxy_choice.h"
#include "services/web/request_head.h"

class QIODevice;
class QNetworkCookieJar;
class QSslSocket;
class QTimer;

namespace korvana::online {

class HttpResponseReader;

// What a client takes from outside: where the cookies it receives are kept
// for the run (null: none kept or sent), how host names are looked up, its
// limits, how the proxy is chosen (empty: never one) and the certificates
// trusted for https (none: the system's store).
struct HttpClientSetup {
    QNetworkCookieJar* cookies = nullptr;
    NameResolver nameResolver = systemNameResolver();
    HttpLimits limits;
    ProxyFinder proxies = systemProxyFinder();
    std::optional<QList<QSslCertificate>> trustedCertificates = std::nullopt;
};

// One GET: the address, the most body bytes accepted, and where the body
// goes: into memory (HttpResult::body) when file is null, else into file,
// which must stay open until the request is done or cancelled.
struct HttpGet {
    QUrl url;
    qint64 maxBytes = 0;
    QIODevice* file = nullptr;
};

// How a GET ended. ok only for a final 2xx reply whose whole body arrived
// within the limits and was stored.
struct HttpResult {
    bool ok = false;
    int status = 0;   // of the last reply read; 0 when none arrived
    QByteArray body;  // the body kept in memory; empty after a failure
    ErrorKind errorKind = ErrorKind::None;
    QString error;  // why the request failed; empty after success
};

// One GET. It belongs to its client and deletes itself after done().
class HttpRequest : public QObject {
    Q_OBJECT
public:
    // Stops the request without emitting done(); it deletes itself later.
    void cancel();

    ~HttpRequest() override;

Q_SIGNALS:
    // Emitted exactly once unless cancelled.
    void done(const korvana::online::HttpResult& result);

private:
    friend class HttpClient;
    HttpRequest(const HttpClientSetup& setup, const HttpGet& get, QObject* parent);

    // One hop: find the route, connect, send, read the reply.
    void startHop(const QUrl& url);
    void onConnected();
    void onReadyRead();
    void onClosed();
    // What to do once the head of a reply is known: follow a redirect, fail
    // on any other status than 2xx, or go on reading the body.
    void onHead();
    // The reader stopped: the store's reason when it refused the body, else
    // the reader's.
    void failReading();
    void dropConnection();
    bool storeBody(QByteArrayView data);
    void fail(ErrorKind kind, const QString& why);
    void finish(bool ok);

    QPointer<QNetworkCookieJar> cookies_;
    ConnectionSetup connectionSetup_;
    QUrl requested_;
    QUrl url_;  // of the current hop
    int redirects_ = 0;
    HopConnection* connection_ = nullptr;
    // The route of the last hop that connected, and its address: a redirect
    // to the same scheme, host and port takes it again without a lookup.
    std::optional<Route> route_;
    QUrl routeUrl_;
    QSslSocket* socket_ = nullptr;  // connection_'s, once connected
    std::unique_ptr<HttpResponseReader> reply_;
    QPointer<QIODevice> file_;  // the destination, when the body goes to a file
    bool toFile_;               // a file that is gone by then fails the request
    QString storeError_;        // why the body could not be stored
    qint64 maxBytes_;
    qint64 headBytesLeft_;
    HttpResult result_;
    QTimer* connectTimer_;
    QTimer* deadlineTimer_;
    bool over_ = false;
};

// Starts GETs with what it was set up with. Its requests are its children:
// destroying the client stops them.
class HttpClient : public QObject {
    Q_OBJECT
public:
    explicit HttpClient(HttpClientSetup setup, QObject* parent = nullptr);
    ~HttpClient() override;

    HttpRequest* get(const HttpGet& request);

private:
    HttpClientSetup setup_;
};

}  // namespace korvana::online
