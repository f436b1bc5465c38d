#pragma once
// One web check at a time of each kind: the version check and the banner
// download of the current language, side by side, each on a client of its
// own that keeps its cookies for the run.
//
// A newer check supersedes the running one of the same kind: the older one is
// stopped before the newer one starts, so two of a kind never share a client
// or the banner files, and a superseded check hands nothing on. Destroying
// the web check stops every request at once. Failures are logged (see
// FailureLog); the outcome of the last version check is kept for the About
// window.
#include <QObject>
#include <QPointer>
#include <QString>

#include <optional>

#include "services/banner_store.h"
#include "services/web/cookie_jar.h"
#include "services/web/failure_log.h"
#include "services/web/http_client.h"
#include "services/web_checks.h"

namespace korvana::online {

class BannerDownload;
class VersionCheck;

class WebCheck final : public QObject, public WebChecks {
public:
    WebCheck(WebCheckSetup setup, WebCheckEvents events);
    ~WebCheck() override;

    void start(Language language) override;
    bool running() const override;
    QString bannerFailure() const override { return bannerFailure_; }
    std::optional<VersionCheckOutcome> lastVersionCheck() const override {
        return lastVersionCheck_;
    }

private:
    WebCheckSetup setup_;
    WebCheckEvents events_;
    BannerStore store_;
    FailureLog failures_;
    BoundedCookieJar versionCookies_;
    BoundedCookieJar bannerCookies_;
    HttpClient versionClient_;
    HttpClient bannerClient_;
    QPointer<VersionCheck> version_;
    QPointer<BannerDownload> banners_;
    QString bannerFailure_;
    std::optional<VersionCheckOutcome> lastVersionCheck_;
};

}  // namespace korvana::online
