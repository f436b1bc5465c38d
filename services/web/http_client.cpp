#include "services/web/http_client.h"

#include "services/online_log.h"
#include "services/web/http_response_reader.h"

#include <QDeadlineTimer>
#include <QIODevice>
#include <QNetworkCookie>
#include <QNetworkCookieJar>
#include <QSslSocket>
#include <QTimer>

namespace korvana::online {

namespace {

constexpr int kMaxRedirects = 10;

bool isRedirect(int status) {
    return status == 301 || status == 302 || status == 303 || status == 307 || status == 308;
}

bool isWebScheme(const QUrl& url) {
    return url.scheme() == QLatin1String("http") || url.scheme() == QLatin1String("https");
}

// An address a connection can be made to: a web scheme, a host and, if
// given, a port other than 0.
bool isWebAddress(const QUrl& url) {
    return url.isValid() && isWebScheme(url) && !url.host().isEmpty() && url.port() != 0;
}

QString shown(const QUrl& url) {
    return url.toDisplayString(QUrl::RemoveUserInfo);
}

}  // namespace

HttpRequest::HttpRequest(const HttpClientSetup& setup, const HttpGet& get, QObject* parent)
    : QObject(parent),
      cookies_(setup.cookies),
      connectionSetup_{setup.nameResolver, setup.proxies, setup.trustedCertificates},
      requested_(get.url),
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
            [this] { fail(ErrorKind::Timeout, QStringLiteral("connect time limit exceeded")); });
    connect(deadlineTimer_, &QTimer::timeout, this,
            [this] { fail(ErrorKind::Timeout, QStringLiteral("request deadline exceeded")); });
    // Started once, here, and never restarted: no reply, however it trickles
    // in, keeps a request alive past its deadline.
    deadlineTimer_->start(setup.limits.deadline);
    // Failures found while starting are reported after the caller has had a
    // chance to connect to done().
    QTimer::singleShot(0, this, [this] {
        qCDebug(onlineLog, "GET %s", qUtf8Printable(shown(requested_)));
        startHop(requested_);
    });
}

HttpRequest::~HttpRequest() {
    dropConnection();
}

void HttpRequest::startHop(const QUrl& url) {
    if (over_) return;
    dropConnection();
    url_ = url;
    // A redirect may lead to another host: its connection gets its own limit.
    connectTimer_->start();
    if (!isWebAddress(url)) {
        fail(ErrorKind::BadAddress, QStringLiteral("not an http or https address"));
        return;
    }
    connection_ = new HopConnection(connectionSetup_, url,
                                    QDeadlineTimer(connectTimer_->remainingTime()), this);
    connect(connection_, &HopConnection::ready, this, &HttpRequest::onConnected);
    connect(connection_, &HopConnection::failed, this, &HttpRequest::fail);
    if (route_ && url.scheme() == routeUrl_.scheme() && url.host() == routeUrl_.host() &&
        url.port() == routeUrl_.port())
        connection_->start(*route_);
    else
        connection_->start();
}

void HttpRequest::onConnected() {
    if (over_ || !connection_) return;
    const QByteArray head = requestHead(url_, cookies_, connection_->forwardingProxy());
    if (head.isEmpty()) {
        fail(ErrorKind::BadAddress, QStringLiteral("address not fit to send"));
        return;
    }
    route_ = connection_->route();
    routeUrl_ = url_;
    socket_ = connection_->socket();
    reply_ = std::make_unique<HttpResponseReader>(headBytesLeft_, maxBytes_);
    connect(socket_, &QSslSocket::readyRead, this, &HttpRequest::onReadyRead);
    connect(socket_, &QSslSocket::disconnected, this, &HttpRequest::onClosed);
    connect(socket_, &QSslSocket::errorOccurred, this, [this](QAbstractSocket::SocketError error) {
        if (error == QAbstractSocket::RemoteHostClosedError)
            onClosed();
        else if (socket_ && connection_)
            fail(socketErrorKind(error),
                 QStringLiteral("%1: %2").arg(connection_->peer(), socket_->errorString()));
    });
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
            case HttpResponseReader::Progress::Failed: failReading(); return;
        }
    }
}

void HttpRequest::onClosed() {
    if (over_ || !socket_ || !reply_) return;
    onReadyRead();  // anything not yet read
    if (over_ || !reply_) return;
    // A reset may cut a body that runs until the close: what came is not
    // known to be all.
    if (connection_ && connection_->wasReset()) {
        fail(ErrorKind::Connect, QStringLiteral("%1: connection reset before the reply was over")
                                     .arg(connection_->peer()));
        return;
    }
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
        case HttpResponseReader::Progress::Failed: failReading(); return;
    }
}

void HttpRequest::failReading() {
    if (!storeError_.isEmpty())
        fail(ErrorKind::File, storeError_);
    else
        fail(reply_->errorKind(), reply_->error());
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
    if (status == 407) {
        fail(ErrorKind::Proxy, QStringLiteral("the proxy asks for credentials (HTTP status 407)"));
        return;
    }
    if (!isRedirect(status) || location.isEmpty()) {
        fail(ErrorKind::HttpStatus, QStringLiteral("HTTP status %1").arg(status));
        return;
    }
    if (++redirects_ > kMaxRedirects) {
        fail(ErrorKind::RedirectRefused, QStringLiteral("too many redirects"));
        return;
    }
    // An address that does not parse (a port out of range, say) must not be
    // read as whatever part of it does.
    const QUrl target = QUrl::fromEncoded(location);
    QUrl next = url_.resolved(target);
    next.setFragment({});
    if (!target.isValid() || !next.isValid()) {
        fail(ErrorKind::BadResponse, QStringLiteral("malformed redirect address"));
        return;
    }
    if (!isWebScheme(next)) {
        fail(ErrorKind::RedirectRefused, QStringLiteral("redirect to a non-web address refused"));
        return;
    }
    if (url_.scheme() == QLatin1String("https") && next.scheme() == QLatin1String("http")) {
        fail(ErrorKind::RedirectRefused, QStringLiteral("redirect from https to http refused"));
        return;
    }
    if (!isWebAddress(next)) {
        fail(ErrorKind::BadResponse, QStringLiteral("malformed redirect address"));
        return;
    }
    qCDebug(onlineLog, "%s: HTTP status %d, redirected to %s", qUtf8Printable(shown(url_)), status,
            qUtf8Printable(shown(next)));
    // The rest of the redirect's reply is of no interest: its connection goes.
    startHop(next);
}

void HttpRequest::dropConnection() {
    reply_.reset();
    if (socket_) socket_->disconnect(this);
    socket_ = nullptr;
    if (!connection_) return;
    connection_->disconnect(this);
    connection_->abort();
    // It may be the sender of the signal being handled.
    connection_->deleteLater();
    connection_ = nullptr;
}

bool HttpRequest::storeBody(QByteArrayView data) {
    if (!reply_ || reply_->status() < 200 || reply_->status() > 299)
        return true;  // the body of a redirect or an error is not kept
    if (!toFile_) {
        result_.body.append(data);
        return true;
    }
    if (file_ && file_->write(data.data(), data.size()) == data.size()) return true;
    storeError_ = file_ ? QStringLiteral("cannot write the body: %1").arg(file_->errorString())
                        : QStringLiteral("cannot write the body: file gone");
    return false;
}

void HttpRequest::cancel() {
    if (over_) return;
    over_ = true;
    qCDebug(onlineLog, "GET %s: %s", qUtf8Printable(shown(requested_)),
            errorKindName(ErrorKind::Cancelled));
    dropConnection();
    connectTimer_->stop();
    deadlineTimer_->stop();
    deleteLater();
}

void HttpRequest::fail(ErrorKind kind, const QString& why) {
    if (over_) return;
    result_.errorKind = kind;
    result_.error = why.isEmpty() ? QStringLiteral("request failed") : why;
    result_.body.clear();
    finish(false);
}

void HttpRequest::finish(bool ok) {
    over_ = true;
    connectTimer_->stop();
    deadlineTimer_->stop();
    if (reply_ && reply_->status() != 0) result_.status = reply_->status();
    const qint64 bodyBytes = reply_ ? reply_->bodyBytes() : 0;
    dropConnection();
    deleteLater();
    result_.ok = ok;
    if (ok)
        qCDebug(onlineLog, "GET %s: HTTP status %d, %lld bytes", qUtf8Printable(shown(requested_)),
                result_.status, static_cast<long long>(bodyBytes));
    else
        qCDebug(onlineLog, "GET %s failed (%s): %s", qUtf8Printable(shown(requested_)),
                errorKindName(result_.errorKind), qUtf8Printable(result_.error));
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
