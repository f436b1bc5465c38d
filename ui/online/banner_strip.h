#pragma once
// The strip of four banners along the bottom of the main window: the banners
// at their places, the link of each banner, and what the pointer does to them.
#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <QRect>

#include <array>

#include "ui/online/animated_banner.h"

class QWidget;

namespace korvana::online {
class BannerStore;
class UrlOpener;
}  // namespace korvana::online

namespace korvana::ui {

class BannerStrip : public QObject {
    Q_OBJECT
public:
    static constexpr int kCount = 4;

    // Creates the four banners as children of window at places (banner n at
    // [n - 1]). A banner is never larger than its place: a larger picture is
    // drawn cut to it, so it can neither cover nor take the clicks of another.
    // store and opener must outlive the strip.
    BannerStrip(QWidget* window, const std::array<QRect, kCount>& places,
                const online::BannerStore& store, online::UrlOpener& opener,
                QObject* parent = nullptr);

    // Banner n (1..4).
    AnimatedBanner* banner(int n) const;
    // The link text of the picture banner n shows, exactly as received; empty
    // before the first picture.
    QByteArray link(int n) const;
    // The link of the next picture n, kept aside until showPictures() shows it:
    // a banner never leads to the link of a picture it does not show.
    void setNextLink(int n, const QByteArray& link);

    // Loads pictures 1..4 from the store into their banners, in order, each
    // with its next link. A picture that fails to load stops the pass: the
    // earlier banners show their new pictures, the failing one is empty, the
    // later ones keep their pictures and links.
    void showPictures();

private:
    // Plays banner n once from its second frame, unless it is already playing.
    void playOnce(int n);
    // Opens banner n's link when it is a web address and the banner shows a
    // picture; anything else opens nothing.
    void openLink(int n);

    QPointer<QWidget> window_;
    const online::BannerStore& store_;
    online::UrlOpener& opener_;
    std::array<QPointer<AnimatedBanner>, kCount> banners_;
    std::array<QByteArray, kCount> links_;
    std::array<QByteArray, kCount> nextLinks_;
};

}  // namespace korvana::ui
