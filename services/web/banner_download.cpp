#include "services/web/banner_download.h"

namespace korvana::online {

BannerDownload::BannerDownload(HttpClient& client, const BannerStore& store, SiteAddresses site,
                               Language language, LinkReceived linkReceived,
                               PicturesReady picturesReady, QObject* parent)
    : WebCheckPart(client, parent),
      store_(store),
      site_(std::move(site)),
      language_(language),
      linkReceived_(std::move(linkReceived)),
      picturesReady_(std::move(picturesReady)) {}

void BannerDownload::start() {
    fetchPicture();
}

void BannerDownload::dropped() {
    picture_.reset();
}

void BannerDownload::fetchPicture() {
    QString error;
    picture_ = store_.beginPicture(n_, &error);
    if (!picture_) {
        end(ErrorKind::File, error);
        return;
    }
    const QUrl url = bannerPictureUrl(site_, language_, n_);
    fetch({url, kPictureLimit, picture_->device()}, [this, url](const HttpResult& result) {
        QString error = result.error;
        const bool stored = result.ok && picture_->commit(&error);
        picture_.reset();
        if (stored)
            fetchLink();
        else
            end(result.ok ? ErrorKind::File : result.errorKind,
                url.toString() + QStringLiteral(": ") + error);
    });
}

void BannerDownload::fetchLink() {
    const QUrl url = bannerLinkUrl(site_, language_, n_);
    fetch({url, kLinkTextLimit, nullptr}, [this, url](const HttpResult& result) {
        if (!result.ok) {
            end(result.errorKind, url.toString() + QStringLiteral(": ") + result.error);
            return;
        }
        linkReceived_(n_, result.body);
        if (++n_ <= kBannerCount) {
            fetchPicture();
            return;
        }
        picturesReady_();
        end();
    });
}

}  // namespace korvana::online
