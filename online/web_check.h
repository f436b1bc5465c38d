#pragma once
// One web check at a time of each kind: the version check and the banner
// download of the current language, side by side, each on a client of its
// own that keeps its cookies for the run.
//
// A newer check supersedes the running one of the same kind: the older one is
// stopped before the newer one starts, so two of a kind never share a client
// or the banner files, and a superseded check hands nothing on. Destroying
// the web check stops every request at once.
#include <QByteArray>
#include <QNetworkCookieJar>
#include <QObject>
#include <QPointer>
#include <QString>

#include "banner_store.h"
#include "http_client.h"
#include "language.h"
#include "site_addresses.h"

namespace korvana::online {

class BannerDownload;
class VersionCheck;

struct WebCheckSetup {
    SiteAddresses site = defaultSiteAddresses();
    HttpLimits limits;
    NameResolver nameResolver = systemNameResolver();
    QString bannerFolder;  // empty: BannerStore::defaultFolder()
};

class WebCheck : public QObject {
    Q_OBJECT
public:
    explicit WebCheck(WebCheckSetup setup, QObject* parent = nullptr);
    ~WebCheck() override;

    // Where the downloaded pictures are, for the strip that shows them.
    const BannerStore& bannerStore() const { return store_; }

    // Starts a version check and a banner download for language.
    void start(Language language);
    // A version check or a banner download is under way.
    bool running() const;
    // Why the last banner download failed; empty when it succeeded or none ended yet.
    const QString& bannerFailure() const { return bannerFailure_; }

Q_SIGNALS:
    void versionFound(const QByteArray& remoteVersion);
    void bannerLinkReceived(int n, const QByteArray& link);
    void bannerPicturesReady();

private:
    WebCheckSetup setup_;
    BannerStore store_;
    QNetworkCookieJar versionCookies_;
    QNetworkCookieJar bannerCookies_;
    HttpClient versionClient_;
    HttpClient bannerClient_;
    QPointer<VersionCheck> version_;
    QPointer<BannerDownload> banners_;
    QString bannerFailure_;
};

}  // namespace korvana::online
