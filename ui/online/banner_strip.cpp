#include "ui/online/banner_strip.h"

#include <QWidget>

#include "services/banner_store.h"
#include "services/link_policy.h"
#include "services/url_opener.h"
#include "ui/desktop/link_opening.h"

namespace korvana::ui {

BannerStrip::BannerStrip(QWidget* window, const std::array<QRect, kCount>& places,
                         const online::BannerStore& store, online::UrlOpener& opener,
                         QObject* parent)
    : QObject(parent), window_(window), store_(store), opener_(opener) {
    for (int n = 1; n <= kCount; ++n) {
        auto* banner = new AnimatedBanner(window);
        banner->setObjectName(QStringLiteral("banner%1").arg(n));
        banner->setGeometry(places[std::size_t(n - 1)]);
        // A loaded picture resizes the banner to its own size, within this.
        banner->setMaximumSize(places[std::size_t(n - 1)].size());
        banner->setLoop(false);
        banner->show();
        connect(banner, &AnimatedBanner::mouseMoved, this, [this, n] { playOnce(n); });
        connect(banner, &AnimatedBanner::clicked, this, [this, n] { openLink(n); });
        banners_[std::size_t(n - 1)] = banner;
    }
}

AnimatedBanner* BannerStrip::banner(int n) const {
    return banners_.at(std::size_t(n - 1));
}

QByteArray BannerStrip::link(int n) const {
    return links_.at(std::size_t(n - 1));
}

void BannerStrip::setNextLink(int n, const QByteArray& link) {
    nextLinks_.at(std::size_t(n - 1)) = link;
}

void BannerStrip::showPictures() {
    for (int n = 1; n <= kCount; ++n) {
        AnimatedBanner* shown = banner(n);
        if (!shown) continue;
        const bool loaded = shown->loadFromFile(store_.picturePath(n));
        links_[std::size_t(n - 1)] = loaded ? nextLinks_[std::size_t(n - 1)] : QByteArray();
        if (!loaded) return;
    }
}

void BannerStrip::playOnce(int n) {
    AnimatedBanner* shown = banner(n);
    if (!shown || shown->animate()) return;
    shown->setFrameIndex(1);
    shown->setAnimate(true);
}

void BannerStrip::openLink(int n) {
    // A banner that shows nothing must not lead anywhere: the player cannot
    // see what its link is about.
    const AnimatedBanner* shown = banner(n);
    if (!shown || shown->isEmpty()) return;
    const QUrl target = online::bannerLinkTarget(link(n));
    if (target.isValid()) ui::openLink(opener_, target, window_);
}

}  // namespace korvana::ui
