#include "http_client.h"

#include <QHostAddress>
#include <QIODevice>
#include <QNetworkAccessManager>
#include <QNetworkCookieJar>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>

namespace korvana::online {

namespace {
constexpr int kMaxRedirects = 10;
}

HttpRequest::HttpRequest(QNetworkAccessManager *manager, const QNetworkRequest &request, QIODevice *sink,
                         qint64 maxBytes, const HttpLimits &limits, const NameResolver &resolver, QObject *parent)
    : QObject(parent),
      m_manager(manager),
      m_sink(sink),
      m_maxBytes(maxBytes),
      m_connectTimer(new QTimer(this)),
      m_deadlineTimer(new QTimer(this))
{
    m_connectTimer->setSingleShot(true);
    m_deadlineTimer->setSingleShot(true);
    connect(m_connectTimer, &QTimer::timeout, this, [this] { fail(QStringLiteral("connect time limit exceeded")); });
    connect(m_deadlineTimer, &QTimer::timeout, this, [this] { fail(QStringLiteral("request deadline exceeded")); });
    m_connectTimer->start(limits.connectTimeout);
    m_deadlineTimer->start(limits.deadline);

    const QString host = request.url().host();
    if (!resolver || host.isEmpty() || !QHostAddress(host).isNull()) {
        send(request);
        return;
    }
    m_lookup = NameLookup::start(resolver, QUrl::toAce(host), this, [this, request](bool ok) {
        m_lookup.reset();
        if (ok)
            send(request);
        else
            fail(QStringLiteral("host name not found"));
    });
}

HttpRequest::~HttpRequest()
{
    if (m_lookup)
        m_lookup->cancel();
}

void HttpRequest::send(const QNetworkRequest &request)
{
    if (m_over || !m_manager)
        return;
    QNetworkReply *reply = m_manager->get(request);
    m_reply = reply;
    connect(reply, &QNetworkReply::requestSent, m_connectTimer, &QTimer::stop);
    // A redirect may lead to another host: its connection gets its own limit.
    connect(reply, &QNetworkReply::redirected, m_connectTimer, qOverload<>(&QTimer::start));
    connect(reply, &QNetworkReply::readyRead, this, &HttpRequest::onReadyRead);
    connect(reply, &QNetworkReply::finished, this, &HttpRequest::onFinished);
}

void HttpRequest::cancel()
{
    if (m_over)
        return;
    m_over = true;
    if (m_lookup)
        m_lookup->cancel();
    if (m_reply) {
        m_reply->disconnect(this);
        m_reply->abort();
        m_reply->deleteLater();
    }
    m_connectTimer->stop();
    m_deadlineTimer->stop();
    deleteLater();
}

void HttpRequest::onReadyRead()
{
    if (m_over || !m_reply)
        return;
    const QByteArray chunk = m_reply->readAll();
    m_received += chunk.size();
    if (m_received > m_maxBytes) {
        fail(QStringLiteral("body larger than %1 bytes").arg(m_maxBytes));
        return;
    }
    if (!m_sink) {
        m_body += chunk;
        return;
    }
    if (m_sink->write(chunk) != chunk.size())
        fail(QStringLiteral("cannot write the body: %1").arg(m_sink->errorString()));
}

void HttpRequest::onFinished()
{
    if (m_over || !m_reply)
        return;
    onReadyRead();  // anything not yet delivered
    if (m_over)
        return;
    if (m_reply->error() != QNetworkReply::NoError) {
        fail(m_reply->errorString());
        return;
    }
    const int status = m_reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (status < 200 || status > 299) {
        fail(QStringLiteral("HTTP status %1").arg(status));
        return;
    }
    finish(true);
}

void HttpRequest::fail(const QString &why)
{
    if (m_over)
        return;
    m_error = why.isEmpty() ? QStringLiteral("request failed") : why;
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
    if (m_reply) {
        // abort() would re-enter onFinished; the connection is no longer ours.
        m_reply->disconnect(this);
        if (m_reply->isRunning())
            m_reply->abort();
        m_reply->deleteLater();
    }
    deleteLater();
    Q_EMIT done(ok);
}

HttpClient::HttpClient(HttpLimits limits, NameResolver resolver, QObject *parent)
    : QObject(parent), m_limits(limits), m_resolver(std::move(resolver)), m_manager(new QNetworkAccessManager(this))
{
    m_manager->setProxy(QNetworkProxy::NoProxy);
    m_manager->setCookieJar(new QNetworkCookieJar(m_manager));
    m_manager->setRedirectPolicy(QNetworkRequest::NoLessSafeRedirectPolicy);
}

HttpClient::~HttpClient()
{
    // Requests are children of the client: cancel them before the manager
    // goes, so that none reacts to its replies being torn down.
    const auto requests = findChildren<HttpRequest *>(Qt::FindDirectChildrenOnly);
    for (HttpRequest *request : requests)
        request->cancel();
}

HttpRequest *HttpClient::getText(const QUrl &url, qint64 maxBytes) { return start(url, nullptr, maxBytes); }

HttpRequest *HttpClient::getToDevice(const QUrl &url, QIODevice *sink, qint64 maxBytes)
{
    return start(url, sink, maxBytes);
}

QNetworkCookieJar *HttpClient::cookieJar() const { return m_manager->cookieJar(); }

HttpRequest *HttpClient::start(const QUrl &url, QIODevice *sink, qint64 maxBytes)
{
    QNetworkRequest request(url);
    request.setRawHeader("User-Agent", kUserAgent);
    request.setRawHeader("Accept", kAccept);
    request.setMaximumRedirectsAllowed(kMaxRedirects);
    return new HttpRequest(m_manager, request, sink, maxBytes, m_limits, m_resolver, this);
}

}  // namespace korvana::online
