#include "services/web/cookie_jar.h"

#include <QNetworkCookie>

#include <algorithm>

namespace korvana::online {

namespace {

bool hasControlCharacter(const QByteArray& text) {
    return std::any_of(text.begin(), text.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == '\x7f'; });
}

QString hostOf(const QNetworkCookie& cookie) {
    QString domain = cookie.domain();
    if (domain.startsWith(QLatin1Char('.'))) domain.remove(0, 1);
    return domain;
}

}  // namespace

bool BoundedCookieJar::insertCookie(const QNetworkCookie& cookie) {
    if (hasControlCharacter(cookie.name()) || hasControlCharacter(cookie.value())) return false;
    if (!QNetworkCookieJar::insertCookie(cookie)) return false;
    // The jar keeps its cookies in the order they came (a replaced cookie
    // comes last), so the oldest are at the front.
    QList<QNetworkCookie> cookies = allCookies();
    const QString host = hostOf(cookie);
    qsizetype sameHost = std::count_if(cookies.cbegin(), cookies.cend(),
                                       [&](const QNetworkCookie& c) { return hostOf(c) == host; });
    for (auto it = cookies.begin(); sameHost > kPerHost && it != cookies.end();) {
        if (hostOf(*it) == host) {
            it = cookies.erase(it);
            --sameHost;
        } else {
            ++it;
        }
    }
    if (cookies.size() > kInAll) cookies.remove(0, cookies.size() - kInAll);
    setAllCookies(cookies);
    return true;
}

}  // namespace korvana::online
