#pragma once
// The strip of four banners along the bottom of the main window: the four
// controls at their places, the link of each banner, and the mouse-move and
// click handlers.
#include <QByteArray>
#include <QObject>
#include <QPointer>

#include <array>
#include <memory>

#include "gif_animator.h"

class QWidget;

namespace korvana::online {

class BannerStore;
class UrlOpener;

class BannerStrip : public QObject {
    Q_OBJECT
public:
    static constexpr int kCount = 4;

    // Creates RxGIFAnimator1..4 as children of window. store and opener must
    // outlive the strip.
    BannerStrip(QWidget *window, const BannerStore &store, UrlOpener &opener, QObject *parent = nullptr);

    // Banner n (1..4).
    TRxGIFAnimator *control(int n) const;
    // The link text of banner n exactly as received; empty before the first one.
    QByteArray link(int n) const;
    void setLink(int n, const QByteArray &link);

    // Loads pictures 1..4 from the store into their controls, in order. A
    // picture that fails to load stops the pass: the earlier banners show their
    // new pictures, the failing one is empty, the later ones keep theirs.
    void ShowBanners();

    // Plays banner n once from its second frame, unless it is already playing.
    void RxGIFAnimatorMouseMove(int n);
    // Opens banner n's link when it is a web address and the banner shows a
    // picture; anything else opens nothing.
    void RxGIFAnimatorClick(int n);

private:
    QPointer<QWidget> m_window;
    const BannerStore &m_store;
    UrlOpener &m_opener;
    std::array<QPointer<TRxGIFAnimator>, kCount> m_controls;
    std::array<QByteArray, kCount> m_links;
};

}  // namespace korvana::online
