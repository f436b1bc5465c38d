#include "services/web/web_check.h"

#include <QSslCertificate>

#include "services/web/banner_download.h"
#include "services/web/version_check.h"

namespace korvana::online {

namespace {

HttpClientSetup clientSetup(const WebCheckSetup& setup, QNetworkCookieJar* cookies) {
    HttpClientSetup client{cookies, setup.nameResolver, setup.limits};
    // A store given but unreadable trusts nothing, rather than everything
    // the system trusts.
    if (!setup.trustedCertificates.isEmpty())
        client.trustedCertificates = QSslCertificate::fromData(setup.trustedCertificates);
    return client;
}

}  // namespace

WebCheck::WebCheck(WebCheckSetup setup, WebCheckEvents events)
    : setup_(std::move(setup)),
      events_(std::move(events)),
      store_(setup_.bannerFolder),
      failures_(setup_.clock),
      versionClient_(clientSetup(setup_, &versionCookies_)),
      bannerClient_(clientSetup(setup_, &bannerCookies_)) {}

WebCheck::~WebCheck() {
    // The parts use the clients and the store: they go before the members do.
    delete version_;
    delete banners_;
}

bool WebCheck::running() const {
    return version_ || banners_;
}

void WebCheck::start(Language language) {
    if (version_) version_->cancel();
    auto* version = new VersionCheck(
        versionClient_, versionUrl(setup_.site),
        [this](const QByteArray& remoteVersion) {
            if (events_.versionFound) events_.versionFound(remoteVersion);
        },
        this);
    version_ = version;
    connect(version, &WebCheckPart::ended, this,
            [this, version](ErrorKind kind, const QString& failure) {
                if (kind != ErrorKind::None)
                    failures_.failed(QStringLiteral("version check"), kind, failure);
                lastVersionCheck_ =
                    VersionCheckOutcome{setup_.clock(), kind, failure, version->version()};
                if (events_.versionChecked) events_.versionChecked(*lastVersionCheck_);
            });

    if (banners_) banners_->cancel();
    auto* banners = new BannerDownload(
        bannerClient_, store_, setup_.site, language,
        [this](int n, const QByteArray& link) {
            if (events_.bannerLinkReceived) events_.bannerLinkReceived(n, link);
        },
        [this] {
            if (events_.bannerPicturesReady) events_.bannerPicturesReady();
        },
        this);
    banners_ = banners;
    connect(banners, &WebCheckPart::ended, this, [this](ErrorKind kind, const QString& failure) {
        // Nobody is told of a failed download, and the strip keeps what it
        // shows; the reason is logged and kept for whoever looks into it.
        bannerFailure_ = failure;
        if (kind != ErrorKind::None)
            failures_.failed(QStringLiteral("banner download"), kind, failure);
    });

    version->start();
    banners->start();
}

}  // namespace korvana::online
