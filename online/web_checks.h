#pragma once
// The web checks (version check and banner download) as the window's online
// services see them: started with a language, reporting through callbacks.
// The code that speaks to the network lives in online/web; tests put their
// own checks behind this interface.
#include <QByteArray>
#include <QString>

#include <functional>
#include <memory>

#include "http_limits.h"
#include "language.h"
#include "name_lookup.h"
#include "site_addresses.h"

namespace korvana::online {

struct WebCheckSetup {
    SiteAddresses site = defaultSiteAddresses();
    HttpLimits limits;
    NameResolver nameResolver = systemNameResolver();
    QString bannerFolder;  // empty: BannerStore::defaultFolder()
};

// What a web check hands on, always on the GUI thread.
struct WebCheckEvents {
    std::function<void(const QByteArray& remoteVersion)> versionFound;
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
};

using WebChecksFactory =
    std::function<std::unique_ptr<WebChecks>(const WebCheckSetup& setup, WebCheckEvents events)>;

}  // namespace korvana::online
