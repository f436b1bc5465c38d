#include "banner_strip.h"

#include "banner_store.h"
#include "link_policy.h"
#include "url_opener.h"

#include <QWidget>

namespace korvana::online {

namespace {

struct Placement {
    int left;
    int width;
};

// Banner n's place in the strip; banner 4 is the leftmost.
constexpr std::array<Placement, BannerStrip::kCount> kPlacement{{{214, 230}, {449, 230}, {684, 230}, {8, 185}}};
constexpr int kTop = 424;
constexpr int kHeight = 60;

}  // namespace

BannerStrip::BannerStrip(QWidget *window, const BannerStore &store, UrlOpener &opener, QObject *parent)
    : QObject(parent), m_window(window), m_store(store), m_opener(opener)
{
    for (int n = 1; n <= kCount; ++n) {
        auto *control = new TRxGIFAnimator(window);
        control->setObjectName(QStringLiteral("RxGIFAnimator%1").arg(n));
        const Placement &place = kPlacement[std::size_t(n - 1)];
        control->setGeometry(place.left, kTop, place.width, kHeight);
        control->setLoop(false);
        control->show();
        connect(control, &TRxGIFAnimator::mouseMoved, this, [this, n] { RxGIFAnimatorMouseMove(n); });
        connect(control, &TRxGIFAnimator::clicked, this, [this, n] { RxGIFAnimatorClick(n); });
        m_controls[std::size_t(n - 1)] = control;
    }
}

TRxGIFAnimator *BannerStrip::control(int n) const { return m_controls.at(std::size_t(n - 1)); }

QByteArray BannerStrip::link(int n) const { return m_links.at(std::size_t(n - 1)); }

void BannerStrip::setLink(int n, const QByteArray &link) { m_links.at(std::size_t(n - 1)) = link; }

void BannerStrip::ShowBanners()
{
    for (int n = 1; n <= kCount; ++n) {
        TRxGIFAnimator *banner = control(n);
        if (banner && !banner->loadFromFile(m_store.picturePath(n)))
            return;
    }
}

void BannerStrip::RxGIFAnimatorMouseMove(int n)
{
    TRxGIFAnimator *banner = control(n);
    if (!banner || banner->animate())
        return;
    banner->setFrameIndex(1);
    banner->setAnimate(true);
}

void BannerStrip::RxGIFAnimatorClick(int n)
{
    // A banner that shows nothing must not lead anywhere: the player cannot
    // see what its link is about.
    const TRxGIFAnimator *banner = control(n);
    if (!banner || banner->isEmpty())
        return;
    const QUrl target = bannerLinkTarget(link(n));
    if (target.isValid())
        m_opener.open(target, m_window);
}

}  // namespace korvana::online
