#pragma once
// The HTTP client of the background checks: plain GET with fixed headers,
// redirects followed, cookies kept for the run and sent back, and limits on
// time and size so that a bad server can never hold or flood the program.
//
// Requests run asynchronously on the thread that owns the client (the GUI
// thread); nothing here blocks. Each request and each redirect hop uses a
// connection of its own that is closed after the reply, so a request is sent
// exactly once and never resent on a connection the server has dropped. The
// reply is read strictly (see HttpResponseReader): a reply whose framing is
// in doubt is a failed request, not a short or empty success.
#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QUrl>

#include <chrono>
#include <memory>

#include "name_lookup.h"

class QIODevice;
class QNetworkCookieJar;
class QTcpSocket;
class QTimer;

namespace korvana::online {

class HttpResponseReader;

struct HttpLimits {
    // Until the request has gone out (name lookup, connect); restarted for
    // every redirect hop.
    std::chrono::milliseconds connectTimeout{30000};
    // For the whole request from its start, whatever arrives: redirects,
    // headers and body included.
    std::chrono::milliseconds deadline{60000};
    // The status lines and headers of all the replies of one request together
    // (redirects included) may take this many bytes on top of the body limit.
    qint64 headBytes = 32 * 1024;
};

// Body size limits of the documents the program fetches.
inline constexpr qint64 kVersionTextLimit = 64 * 1024;
inline constexpr qint64 kLinkTextLimit = 16 * 1024;
inline constexpr qint64 kPictureLimit = 4 * 1024 * 1024;

// The headers sent with every request.
inline constexpr char kUserAgent[] = "Mozilla/3.0 (compatible; Indy Library)";
inline constexpr char kAccept[] = "text/html, */*";

// One GET. It belongs to its client and deletes itself after done().
class HttpRequest : public QObject {
    Q_OBJECT
public:
    // The body, for a request made with HttpClient::getText.
    const QByteArray &body() const { return m_body; }
    // Why the request failed; empty after success.
    const QString &errorString() const { return m_error; }

    // Stops the request without emitting done(); it deletes itself later.
    void cancel();

    ~HttpRequest() override;

Q_SIGNALS:
    // Emitted exactly once unless cancelled. ok is true only for a final 2xx
    // reply whose whole body arrived within the limits.
    void done(bool ok);

private:
    friend class HttpClient;
    HttpRequest(QNetworkCookieJar *cookies, const QUrl &url, QIODevice *sink, qint64 maxBytes,
                const HttpLimits &limits, const NameResolver &resolver, QObject *parent);

    // One hop: look the host up, connect, send, read the reply.
    void startHop(const QUrl &url);
    void connectHop();
    void onConnected();
    void onReadyRead();
    void onClosed();
    // What to do once the head of a reply is known: follow a redirect, fail
    // on any other status than 2xx, or go on reading the body.
    void onHead();
    void dropConnection();
    bool storeBody(QByteArrayView data);
    void fail(const QString &why);
    void finish(bool ok);

    QPointer<QNetworkCookieJar> m_cookies;
    NameResolver m_resolver;
    std::shared_ptr<NameLookup> m_lookup;
    QUrl m_url;  // of the current hop
    int m_redirects = 0;
    QTcpSocket *m_socket = nullptr;
    std::unique_ptr<HttpResponseReader> m_reply;
    QPointer<QIODevice> m_sink;  // null: the body is kept in m_body
    qint64 m_maxBytes;
    qint64 m_headBytesLeft;
    QByteArray m_body;
    QString m_error;
    QTimer *m_connectTimer;
    QTimer *m_deadlineTimer;
    bool m_over = false;
};

class HttpClient : public QObject {
    Q_OBJECT
public:
    // resolver: how host names are looked up before Qt connects; empty leaves
    // it to Qt alone.
    explicit HttpClient(HttpLimits limits, NameResolver resolver = systemNameResolver(), QObject *parent = nullptr);
    ~HttpClient() override;

    // GET returning the body as 8-bit text (request->body()).
    HttpRequest *getText(const QUrl &url, qint64 maxBytes);
    // GET writing the body into sink, which must stay open until done() or cancel().
    HttpRequest *getToDevice(const QUrl &url, QIODevice *sink, qint64 maxBytes);

    // The cookies this client received during the run.
    QNetworkCookieJar *cookieJar() const;

private:
    HttpRequest *start(const QUrl &url, QIODevice *sink, qint64 maxBytes);

    HttpLimits m_limits;
    NameResolver m_resolver;
    QNetworkCookieJar *m_cookies;
};

}  // namespace korvana::online
