#pragma once
// The web checks (version check and banner download) as the window's online
// services see them: started with a language, reporting through callbacks.
// The code that speaks to the network lives in services/web; tests put their
// own checks behind this interface.
#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <functional>
#include <memory>
#include <optional>

#include "engine/text/language.h"
#include "services/error_kind.h"
#include "services/http_limits.h"
#include "services/name_lookup.h"
#include "services/site_addresses.h"

namespace korvana::online {

using Clock = std::function<QDateTime()>;

struct WebCheckSetup {
    SiteAddresses site = defaultSiteAddresses();
    HttpLimits limits;
    NameResolver nameResolver = systemNameResolver();
    QString bannerFolder;  // empty: BannerStore::defaultFolder()
    // The certificates trusted for https, in PEM; empty: the system's store.
    QByteArray trustedCertificates = {};
    // Stamps the outcome of each version check and spaces out the logging of
    // failures.
    Clock clock = [] { return QDateTime::currentDateTime(); };
};

// How the last version check ended, for the About window: "Last check:
// 14:05, no newer version" or "Last check failed: no connection".
struct VersionCheckOutcome {
    QDateTime when;                       // by the setup's clock
    ErrorKind failure = ErrorKind::None;  // None: the site named a version
    QString reason;                       // the failure's details, for logs and tooltips
    QByteArray version;                   // the version the site named; empty after a failure
};

// A version other than this program's own: the new-version notice shows it.
bool namesAnotherVersion(const VersionCheckOutcome& outcome);

// What a web check hands on, always on the GUI thread.
struct WebCheckEvents {
    std::function<void(const QByteArray& remoteVersion)> versionFound;
    // After every version check that ran to its end, whatever the outcome
    // (after versionFound when a version was found).
    std::function<void(const VersionCheckOutcome& outcome)> versionChecked;
    std::function<void(int n, const QByteArray& link)> bannerLinkReceived;
    std::function<void()> bannerPicturesReady;
};

// One web check at a time of each kind; a newer one supersedes the running
// one, and destroying the object stops every request at once.
class WebChecks {
public:
    virtual ~WebChecks() = default;
    // Starts a version check and a banner download for language.
    virtual void start(Language language) = 0;
    // A version check or a banner download is under way.
    virtual bool running() const = 0;
    // Why the last banner download failed; empty when it succeeded or none ended yet.
    virtual QString bannerFailure() const = 0;
    // The last version check that ran to its end; none before the first.
    virtual std::optional<VersionCheckOutcome> lastVersionCheck() const = 0;
};

using WebChecksFactory =
    std::function<std::unique_ptr<WebChecks>(const WebCheckSetup& setup, WebCheckEvents events)>;

}  // namespace korvana::online
