#pragma once
// The banner half of a web check: downloads pictures 1..4 with their link
// texts from the banner folder of one language, one after another, then says
// that the pictures are ready to be shown.
//
// Each link is handed on as soon as it has arrived; the pictures are ready
// only when all eight requests succeeded. A failure ends the download at that
// point with its reason, so the strip keeps the pictures it shows.
#include <QByteArray>

#include <functional>
#include <memory>

#include "engine/text/language.h"
#include "services/banner_store.h"
#include "services/site_addresses.h"
#include "services/web/web_check_part.h"

namespace korvana::online {

class BannerDownload : public WebCheckPart {
    Q_OBJECT
public:
    static constexpr int kBannerCount = 4;

    using LinkReceived = std::function<void(int n, const QByteArray& link)>;
    using PicturesReady = std::function<void()>;

    // client and store must outlive the download. language is the one current
    // when the check started: it picks the banner folder.
    BannerDownload(HttpClient& client, const BannerStore& store, SiteAddresses site,
                   Language language, LinkReceived linkReceived, PicturesReady picturesReady,
                   QObject* parent = nullptr);

    void start();

private:
    void fetchPicture();
    void fetchLink();
    // The picture being written is discarded: the file at its final name stays.
    void dropped() override;

    const BannerStore& store_;
    SiteAddresses site_;
    Language language_;
    LinkReceived linkReceived_;
    PicturesReady picturesReady_;
    int n_ = 1;
    std::unique_ptr<PendingPicture> picture_;
};

}  // namespace korvana::online
