#include "services/web/request_head.h"

#include <QNetworkCookie>
#include <QNetworkCookieJar>

#include <algorithm>

namespace korvana::online {

namespace {

// Nothing that could end the request line or a header may reach the wire.
bool fitsOnOneLine(const QByteArray& text) {
    return std::none_of(text.begin(), text.end(),
                        [](char c) { return c == '\r' || c == '\n' || c == '\0'; });
}

}  // namespace

QByteArray requestHead(const QUrl& url, QNetworkCookieJar* cookies,
                       const QNetworkProxy* forwardingProxy) {
    QByteArray target = url.path(QUrl::FullyEncoded).toLatin1();
    if (target.isEmpty()) target = "/";
    if (url.hasQuery()) target += '?' + url.query(QUrl::FullyEncoded).toLatin1();
    QByteArray host = url.host(QUrl::FullyEncoded).toLatin1();
    if (host.contains(':')) host = '[' + host + ']';
    if (url.port() != -1) host += ':' + QByteArray::number(url.port());
    if (forwardingProxy) target = url.scheme().toLatin1() + "://" + host + target;
    QByteArray cookieLine;
    if (cookies) {
        for (const QNetworkCookie& cookie : cookies->cookiesForUrl(url)) {
            if (!cookieLine.isEmpty()) cookieLine += "; ";
            cookieLine += cookie.toRawForm(QNetworkCookie::NameAndValueOnly);
        }
    }
    QByteArray credentials;
    if (forwardingProxy && !forwardingProxy->user().isEmpty())
        credentials = (forwardingProxy->user() + QLatin1Char(':') + forwardingProxy->password())
                          .toUtf8()
                          .toBase64();
    if (!fitsOnOneLine(target) || target.contains(' ') || !fitsOnOneLine(host) ||
        !fitsOnOneLine(cookieLine))
        return {};

    QByteArray head = "GET " + target + " HTTP/1.1\r\nHost: " + host +
                      "\r\nUser-Agent: " + kUserAgent + "\r\nAccept: " + kAccept + "\r\n";
    if (!cookieLine.isEmpty()) head += "Cookie: " + cookieLine + "\r\n";
    if (!credentials.isEmpty()) head += "Proxy-Authorization: Basic " + credentials + "\r\n";
    return head + "Connection: close\r\n\r\n";
}

}  // namespace korvana::online
