#include "web_check.h"

#include <cstdio>

#include "banner_download.h"
#include "version_check.h"

namespace korvana::online {

WebCheck::WebCheck(WebCheckSetup setup, WebCheckEvents events)
    : setup_(std::move(setup)),
      events_(std::move(events)),
      store_(setup_.bannerFolder),
      versionClient_({&versionCookies_, setup_.nameResolver, setup_.limits}),
      bannerClient_({&bannerCookies_, setup_.nameResolver, setup_.limits}) {}

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
    connect(banners, &WebCheckPart::ended, this, [this](const QString& failure) {
        // Nobody is told of a failed download, and the strip keeps what it
        // shows; the reason is kept for whoever looks into it.
        bannerFailure_ = failure;
#ifndef NDEBUG
        if (!failure.isEmpty())
            std::fprintf(stderr, "banner download failed: %s\n", qUtf8Printable(failure));
#endif
    });

    version->start();
    banners->start();
}

}  // namespace korvana::online
