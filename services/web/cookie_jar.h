#pragma once
// The cookies a client keeps for the run, within bounds: a site that sets
// hundreds of cookies per reply would otherwise grow every later request and
// the time spent matching them. At most kPerHost cookies per host and kInAll
// in all; the oldest go first. A cookie whose name or value holds a control
// character (NUL included) is ignored: sent back, it would break every later
// request's head.
#include <QNetworkCookieJar>

namespace korvana::online {

class BoundedCookieJar : public QNetworkCookieJar {
public:
    static constexpr qsizetype kPerHost = 50;
    static constexpr qsizetype kInAll = 300;

    using QNetworkCookieJar::QNetworkCookieJar;

    bool insertCookie(const QNetworkCookie& cookie) override;
};

}  // namespace korvana::online
