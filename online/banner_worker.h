#pragma once
// The banner worker of one web check: downloads pictures 1..4 with their link
// texts from the banner folder of one language, one after another, then hands
// over to the strip to show them. It runs on the GUI thread's event loop.
//
// Each link is passed on as soon as it has arrived; the pictures are shown
// only when all eight requests succeeded. A failure ends the worker at that
// point without a hand-off, so the strip keeps the pictures it shows.
#include <QByteArray>
#include <QObject>
#include <QPointer>

#include <functional>
#include <memory>

#include "banner_store.h"
#include "site_addresses.h"

namespace korvana::online {

class HttpClient;
class HttpRequest;

class TWebThread2 : public QObject {
    Q_OBJECT
public:
    using LinkReceived = std::function<void(int n, const QByteArray &link)>;
    using HandOff = std::function<void()>;

    // client (IdHTTP2) and store must outlive the worker. languageCode is the
    // one current when the check started: it picks the banner folder.
    TWebThread2(HttpClient &client, const BannerStore &store, SiteAddresses site, int languageCode,
                LinkReceived linkReceived, HandOff showBanners, QObject *parent = nullptr);
    ~TWebThread2() override;

    void start();
    // Stops at once: the picture being written is discarded, no further link is
    // passed on and no hand-off follows.
    void cancel();

Q_SIGNALS:
    void ended();

private:
    void fetchPicture();
    void onPictureDone(bool ok);
    void onLinkDone(bool ok);
    void end();

    HttpClient &m_client;
    const BannerStore &m_store;
    SiteAddresses m_site;
    int m_languageCode;
    LinkReceived m_linkReceived;
    HandOff m_handOff;
    int m_n = 1;
    std::unique_ptr<PendingPicture> m_picture;
    QPointer<HttpRequest> m_request;
};

}  // namespace korvana::online
