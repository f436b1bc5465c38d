#include "http_client.h"

#include "http_response_reader.h"

#include <QHostAddress>
#include <QIODevice>
#include <QNetworkCookie>
#include <QNetworkCookieJar>
#include <QNetworkProxy>
#include <QTcpSocket>
#include <QTimer>

#include <algorithm>

namespace korvana::online {

namespace {

constexpr int kMaxRedirects = 10;

bool isRedirect(int status) { return status == 301 || status == 302 || status == 303 || status == 307 || status == 308; }

// Nothing that could end the request line or a header may reach the wire.
bool fitsOnOneLine(const QByteArray &text)
{
    return std::none_of(text.begin(), text.end(), [](char c) { return c == '\r' || c == '\n' || c == '\0'; });
}

// "GET /path?query HTTP/1.1" with the fixed headers and the cookies of url;
// empty when a part of it would not fit on its line.
QByteArray requestHead(const QUrl &url, QNetworkCookieJar *cookies)
{
    QByteArray target = url.path(QUrl::FullyEncoded).toLatin1();
    if (target.isEmpty())
        target = "/";
    if (url.hasQuery())
        target += '?' + url.query(QUrl::FullyEncoded).toLatin1();
    QByteArray host = url.host(QUrl::FullyEncoded).toLatin1();
    if (host.contains(':'))
        host = '[' + host + ']';
    if (url.port() != -1)
        host += ':' + QByteArray::number(url.port());
    QByteArray cookieLine;
    if (cookies) {
        for (const QNetworkCookie &cookie : cookies->cookiesForUrl(url)) {
            if (!cookieLine.isEmpty())
                cookieLine += "; ";
            cookieLine += cookie.toRawForm(QNetworkCookie::NameAndValueOnly);
        }
    }
    if (!fitsOnOneLine(target) || target.contains(' ') || !fitsOnOneLine(host) || !fitsOnOneLine(cookieLine))
        return {};

    QByteArray head = "GET " + target + " HTTP/1.1\r\nHost: " + host + "\r\nUser-Agent: " + kUserAgent
                      + "\r\nAccept: " + kAccept + "\r\n";
    if (!cookieLine.isEmpty())
        head += "Cookie: " + cookieLine + "\r\n";
    return head + "Connection: close\r\n\r\n";
}

}  // namespace

HttpRequest::HttpRequest(QNetworkCookieJar *cookies, const QUrl &url, QIODevice *sink, qint64 maxBytes,
                         const HttpLimits &limits, const NameResolver &resolver, QObject *parent)
    : QObject(parent),
      m_cookies(cookies),
      m_resolver(resolver),
      m_sink(sink),
      m_maxBytes(maxBytes),
      m_headBytesLeft(limits.headBytes),
      m_connectTimer(new QTimer(this)),
      m_deadlineTimer(new QTimer(this))
{
    m_connectTimer->setSingleShot(true);
    m_deadlineTimer->setSingleShot(true);
    m_connectTimer->setInterval(limits.connectTimeout);
    connect(m_connectTimer, &QTimer::timeout, this, [this] { fail(QStringLiteral("connect time limit exceeded")); });
    connect(m_deadlineTimer, &QTimer::timeout, this, [this] { fail(QStringLiteral("request deadline exceeded")); });
    // Started once, here, and never restarted: no reply, however it trickles
    // in, keeps a request alive past its deadline.
    m_deadlineTimer->start(limits.deadline);
    // Failures found while starting are reported after the caller has had a
    // chance to connect to done().
    QTimer::singleShot(0, this, [this, url] { startHop(url); });
}

HttpRequest::~HttpRequest()
{
    if (m_lookup)
        m_lookup->cancel();
}

void HttpRequest::startHop(const QUrl &url)
{
    if (m_over)
        return;
    dropConnection();
    m_url = url;
    // A redirect may lead to another host: its connection gets its own limit.
    m_connectTimer->start();
    if (url.scheme() != QLatin1String("http") || url.host().isEmpty()) {
        fail(QStringLiteral("not a plain http address"));
        return;
    }
    const QString host = url.host();
    if (!m_resolver || !QHostAddress(host).isNull()) {
        connectHop();
        return;
    }
    m_lookup = NameLookup::start(m_resolver, QUrl::toAce(host), this, [this](bool ok) {
        m_lookup.reset();
        if (ok)
            connectHop();
        else
            fail(QStringLiteral("host name not found"));
    });
}

void HttpRequest::connectHop()
{
    if (m_over)
        return;
    m_reply = std::make_unique<HttpResponseReader>(m_headBytesLeft, m_maxBytes);
    m_socket = new QTcpSocket(this);
    m_socket->setProxy(QNetworkProxy::NoProxy);
    connect(m_socket, &QTcpSocket::connected, this, &HttpRequest::onConnected);
    connect(m_socket, &QTcpSocket::readyRead, this, &HttpRequest::onReadyRead);
    connect(m_socket, &QTcpSocket::disconnected, this, &HttpRequest::onClosed);
    connect(m_socket, &QTcpSocket::errorOccurred, this, [this](QAbstractSocket::SocketError error) {
        if (error == QAbstractSocket::RemoteHostClosedError)
            onClosed();
        else if (m_socket)
            fail(m_socket->errorString());
    });
    m_socket->connectToHost(m_url.host(), quint16(m_url.port(80)));
}

void HttpRequest::onConnected()
{
    if (m_over || !m_socket)
        return;
    const QByteArray head = requestHead(m_url, m_cookies);
    if (head.isEmpty()) {
        fail(QStringLiteral("address not fit to send"));
        return;
    }
    m_socket->write(head);
    m_connectTimer->stop();
}

void HttpRequest::onReadyRead()
{
    if (m_over || !m_socket || !m_reply)
        return;
    QByteArray received = m_socket->readAll();
    const auto sink = [this](QByteArrayView data) { return storeBody(data); };
    for (;;) {
        switch (m_reply->read(received, sink)) {
        case HttpResponseReader::Progress::NeedMore:
            return;
        case HttpResponseReader::Progress::HeadDone:
            received.clear();
            onHead();
            if (m_over || !m_reply || m_reply->status() < 200 || m_reply->status() > 299)
                return;  // failed, or redirected to a new hop
            continue;
        case HttpResponseReader::Progress::Complete:
            finish(true);
            return;
        case HttpResponseReader::Progress::Failed:
            fail(m_reply->error());
            return;
        }
    }
}

void HttpRequest::onClosed()
{
    if (m_over || !m_socket || !m_reply)
        return;
    onReadyRead();  // anything not yet read
    if (m_over || !m_reply)
        return;
    const auto sink = [this](QByteArrayView data) { return storeBody(data); };
    switch (m_reply->closed(sink)) {
    case HttpResponseReader::Progress::Complete:
        if (m_reply->status() >= 200 && m_reply->status() <= 299) {
            finish(true);
            return;
        }
        onHead();
        return;
    case HttpResponseReader::Progress::HeadDone:
    case HttpResponseReader::Progress::NeedMore:
    case HttpResponseReader::Progress::Failed:
        fail(m_reply->error());
        return;
    }
}

void HttpRequest::onHead()
{
    const int status = m_reply->status();
    m_headBytesLeft -= m_reply->headBytes();
    if (m_cookies) {
        for (const QByteArray &value : m_reply->headerValues("set-cookie"))
            m_cookies->setCookiesFromUrl(QNetworkCookie::parseCookies(value), m_url);
    }
    if (status >= 200 && status <= 299)
        return;
    const QByteArray location = m_reply->header("location");
    if (!isRedirect(status) || location.isEmpty()) {
        fail(QStringLiteral("HTTP status %1").arg(status));
        return;
    }
    if (++m_redirects > kMaxRedirects) {
        fail(QStringLiteral("too many redirects"));
        return;
    }
    QUrl next = m_url.resolved(QUrl::fromEncoded(location));
    next.setFragment({});
    if (!next.isValid()) {
        fail(QStringLiteral("malformed redirect address"));
        return;
    }
    // The rest of the redirect's reply is of no interest: its connection goes.
    startHop(next);
}

void HttpRequest::dropConnection()
{
    m_reply.reset();
    if (!m_socket)
        return;
    m_socket->disconnect(this);
    m_socket->abort();
    m_socket->deleteLater();
    m_socket = nullptr;
}

bool HttpRequest::storeBody(QByteArrayView data)
{
    if (!m_reply || m_reply->status() < 200 || m_reply->status() > 299)
        return true;  // the body of a redirect or an error is not kept
    if (!m_sink) {
        m_body.append(data);
        return true;
    }
    if (m_sink->write(data.data(), data.size()) == data.size())
        return true;
    m_error = QStringLiteral("cannot write the body: %1").arg(m_sink->errorString());
    return false;
}

void HttpRequest::cancel()
{
    if (m_over)
        return;
    m_over = true;
    if (m_lookup)
        m_lookup->cancel();
    dropConnection();
    m_connectTimer->stop();
    m_deadlineTimer->stop();
    deleteLater();
}

void HttpRequest::fail(const QString &why)
{
    if (m_over)
        return;
    if (m_error.isEmpty() || why != QLatin1String("body not stored"))
        m_error = why;
    if (m_error.isEmpty())
        m_error = QStringLiteral("request failed");
    m_body.clear();
    finish(false);
}

void HttpRequest::finish(bool ok)
{
    m_over = true;
    if (m_lookup)
        m_lookup->cancel();
    m_connectTimer->stop();
    m_deadlineTimer->stop();
    dropConnection();
    deleteLater();
    Q_EMIT done(ok);
}

HttpClient::HttpClient(HttpLimits limits, NameResolver resolver, QObject *parent)
    : QObject(parent), m_limits(limits), m_resolver(std::move(resolver)), m_cookies(new QNetworkCookieJar(this))
{
}

HttpClient::~HttpClient()
{
    // Requests are children of the client: cancel them before the cookie jar
    // goes, so that none reacts to their connections being torn down.
    const auto requests = findChildren<HttpRequest *>(Qt::FindDirectChildrenOnly);
    for (HttpRequest *request : requests)
        request->cancel();
}

HttpRequest *HttpClient::getText(const QUrl &url, qint64 maxBytes) { return start(url, nullptr, maxBytes); }

HttpRequest *HttpClient::getToDevice(const QUrl &url, QIODevice *sink, qint64 maxBytes)
{
    return start(url, sink, maxBytes);
}

QNetworkCookieJar *HttpClient::cookieJar() const { return m_cookies; }

HttpRequest *HttpClient::start(const QUrl &url, QIODevice *sink, qint64 maxBytes)
{
    return new HttpRequest(m_cookies, url, sink, maxBytes, m_limits, m_resolver, this);
}

}  // namespace korvana::online
