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

bool isRedirect(int status) {
    return status == 301 || status == 302 || status == 303 || status == 307 || status == 308;
}

// Nothing that could end the request line or a header may reach the wire.
bool fitsOnOneLine(const QByteArray& text) {
    return std::none_of(text.begin(), text.end(),
                        [](char c) { return c == '\r' || c == '\n' || c == '\0'; });
}

// "GET /path?query HTTP/1.1" with the fixed headers and the cookies of url;
// empty when a part of it would not fit on its line.
QByteArray requestHead(const QUrl& url, QNetworkCookieJar* cookies) {
    QByteArray target = url.path(QUrl::FullyEncoded).toLatin1();
    if (target.isEmpty()) target = "/";
    if (url.hasQuery()) target += '?' + url.query(QUrl::FullyEncoded).toLatin1();
    QByteArray host = url.host(QUrl::FullyEncoded).toLatin1();
    if (host.contains(':')) host = '[' + host + ']';
    if (url.port() != -1) host += ':' + QByteArray::number(url.port());
    QByteArray cookieLine;
    if (cookies) {
        for (const QNetworkCookie& cookie : cookies->cookiesForUrl(url)) {
            if (!cookieLine.isEmpty()) cookieLine += "; ";
            cookieLine += cookie.toRawForm(QNetworkCookie::NameAndValueOnly);
        }
    }
    if (!fitsOnOneLine(target) || target.contains(' ') || !fitsOnOneLine(host) ||
        !fitsOnOneLine(cookieLine))
        return {};

    QByteArray head = "GET " + target + " HTTP/1.1\r\nHost: " + host +
                      "\r\nUser-Agent: " + kUserAgent + "\r\nAccept: " + kAccept + "\r\n";
    if (!cookieLine.isEmpty()) head += "Cookie: " + cookieLine + "\r\n";
    return head + "Connection: close\r\n\r\n";
}

}  // namespace

HttpRequest::HttpRequest(const HttpClientSetup& setup, const HttpGet& get, QObject* parent)
    : QObject(parent),
      cookies_(setup.cookies),
      resolver_(setup.nameResolver),
      file_(get.file),
      toFile_(get.file != nullptr),
      maxBytes_(get.maxBytes),
      headBytesLeft_(setup.limits.headBytes),
      connectTimer_(new QTimer(this)),
      deadlineTimer_(new QTimer(this)) {
    connectTimer_->setSingleShot(true);
    deadlineTimer_->setSingleShot(true);
    connectTimer_->setInterval(setup.limits.connectTimeout);
    connect(connectTimer_, &QTimer::timeout, this,
            [this] { fail(QStringLiteral("connect time limit exceeded")); });
    connect(deadlineTimer_, &QTimer::timeout, this,
            [this] { fail(QStringLiteral("request deadline exceeded")); });
    // Started once, here, and never restarted: no reply, however it trickles
    // in, keeps a request alive past its deadline.
    deadlineTimer_->start(setup.limits.deadline);
    // Failures found while starting are reported after the caller has had a
    // chance to connect to done().
    QTimer::singleShot(0, this, [this, url = get.url] { startHop(url); });
}

HttpRequest::~HttpRequest() {
    if (lookup_) lookup_->cancel();
}

void HttpRequest::startHop(const QUrl& url) {
    if (over_) return;
    dropConnection();
    url_ = url;
    // A redirect may lead to another host: its connection gets its own limit.
    connectTimer_->start();
    if (url.scheme() != QLatin1String("http") || url.host().isEmpty()) {
        fail(QStringLiteral("not a plain http address"));
        return;
    }
    const QString host = url.host();
    if (!resolver_ || !QHostAddress(host).isNull()) {
        connectHop();
        return;
    }
    lookup_ = NameLookup::start(resolver_, QUrl::toAce(host), this, [this](bool ok) {
        lookup_.reset();
        if (ok)
            connectHop();
        else
            fail(QStringLiteral("host name not found"));
    });
}

void HttpRequest::connectHop() {
    if (over_) return;
    reply_ = std::make_unique<HttpResponseReader>(headBytesLeft_, maxBytes_);
    socket_ = new QTcpSocket(this);
    socket_->setProxy(QNetworkProxy::NoProxy);
    connect(socket_, &QTcpSocket::connected, this, &HttpRequest::onConnected);
    connect(socket_, &QTcpSocket::readyRead, this, &HttpRequest::onReadyRead);
    connect(socket_, &QTcpSocket::disconnected, this, &HttpRequest::onClosed);
    connect(socket_, &QTcpSocket::errorOccurred, this, [this](QAbstractSocket::SocketError error) {
        if (error == QAbstractSocket::RemoteHostClosedError)
            onClosed();
        else if (socket_)
            fail(socket_->errorString());
    });
    socket_->connectToHost(url_.host(), quint16(url_.port(80)));
}

void HttpRequest::onConnected() {
    if (over_ || !socket_) return;
    const QByteArray head = requestHead(url_, cookies_);
    if (head.isEmpty()) {
        fail(QStringLiteral("address not fit to send"));
        return;
    }
    socket_->write(head);
    connectTimer_->stop();
}

void HttpRequest::onReadyRead() {
    if (over_ || !socket_ || !reply_) return;
    QByteArray received = socket_->readAll();
    const auto sink = [this](QByteArrayView data) { return storeBody(data); };
    for (;;) {
        switch (reply_->read(received, sink)) {
            case HttpResponseReader::Progress::NeedMore: return;
            case HttpResponseReader::Progress::HeadDone:
                received.clear();
                onHead();
                if (over_ || !reply_ || reply_->status() < 200 || reply_->status() > 299)
                    return;  // failed, or redirected to a new hop
                continue;
            case HttpResponseReader::Progress::Complete: finish(true); return;
            case HttpResponseReader::Progress::Failed: fail(reply_->error()); return;
        }
    }
}

void HttpRequest::onClosed() {
    if (over_ || !socket_ || !reply_) return;
    onReadyRead();  // anything not yet read
    if (over_ || !reply_) return;
    const auto sink = [this](QByteArrayView data) { return storeBody(data); };
    switch (reply_->closed(sink)) {
        case HttpResponseReader::Progress::Complete:
            if (reply_->status() >= 200 && reply_->status() <= 299) {
                finish(true);
                return;
            }
            onHead();
            return;
        case HttpResponseReader::Progress::HeadDone:
        case HttpResponseReader::Progress::NeedMore:
        case HttpResponseReader::Progress::Failed: fail(reply_->error()); return;
    }
}

void HttpRequest::onHead() {
    const int status = reply_->status();
    result_.status = status;
    headBytesLeft_ -= reply_->headBytes();
    if (cookies_) {
        for (const QByteArray& value : reply_->headerValues("set-cookie"))
            cookies_->setCookiesFromUrl(QNetworkCookie::parseCookies(value), url_);
    }
    if (status >= 200 && status <= 299) return;
    const QByteArray location = reply_->header("location");
    if (!isRedirect(status) || location.isEmpty()) {
        fail(QStringLiteral("HTTP status %1").arg(status));
        return;
    }
    if (++redirects_ > kMaxRedirects) {
        fail(QStringLiteral("too many redirects"));
        return;
    }
    QUrl next = url_.resolved(QUrl::fromEncoded(location));
    next.setFragment({});
    if (!next.isValid()) {
        fail(QStringLiteral("malformed redirect address"));
        return;
    }
    // The rest of the redirect's reply is of no interest: its connection goes.
    startHop(next);
}

void HttpRequest::dropConnection() {
    reply_.reset();
    if (!socket_) return;
    socket_->disconnect(this);
    socket_->abort();
    socket_->deleteLater();
    socket_ = nullptr;
}

bool HttpRequest::storeBody(QByteArrayView data) {
    if (!reply_ || reply_->status() < 200 || reply_->status() > 299)
        return true;  // the body of a redirect or an error is not kept
    if (!toFile_) {
        result_.body.append(data);
        return true;
    }
    if (file_ && file_->write(data.data(), data.size()) == data.size()) return true;
    result_.error = file_ ? QStringLiteral("cannot write the body: %1").arg(file_->errorString())
                          : QStringLiteral("cannot write the body: file gone");
    return false;
}

void HttpRequest::cancel() {
    if (over_) return;
    over_ = true;
    if (lookup_) lookup_->cancel();
    dropConnection();
    connectTimer_->stop();
    deadlineTimer_->stop();
    deleteLater();
}

void HttpRequest::fail(const QString& why) {
    if (over_) return;
    if (result_.error.isEmpty() || why != QLatin1String("body not stored")) result_.error = why;
    if (result_.error.isEmpty()) result_.error = QStringLiteral("request failed");
    result_.body.clear();
    finish(false);
}

void HttpRequest::finish(bool ok) {
    over_ = true;
    if (lookup_) lookup_->cancel();
    connectTimer_->stop();
    deadlineTimer_->stop();
    if (reply_ && reply_->status() != 0) result_.status = reply_->status();
    dropConnection();
    deleteLater();
    result_.ok = ok;
    Q_EMIT done(result_);
}

HttpClient::HttpClient(HttpClientSetup setup, QObject* parent)
    : QObject(parent), setup_(std::move(setup)) {}

HttpClient::~HttpClient() {
    // Requests are children of the client: cancel them first, so that none
    // reacts to its connection being torn down or reaches a cookie jar that
    // may go with the client's owner.
    const auto requests = findChildren<HttpRequest*>(Qt::FindDirectChildrenOnly);
    for (HttpRequest* request : requests) request->cancel();
}

HttpRequest* HttpClient::get(const HttpGet& request) {
    return new HttpRequest(setup_, request, this);
}

}  // namespace korvana::online
