#include "banner_worker.h"

#include "http_client.h"

namespace korvana::online {

namespace {
constexpr int kBannerCount = 4;
}

TWebThread2::TWebThread2(HttpClient &client, const BannerStore &store, SiteAddresses site, int languageCode,
                         LinkReceived linkReceived, HandOff showBanners, QObject *parent)
    : QObject(parent),
      m_client(client),
      m_store(store),
      m_site(std::move(site)),
      m_languageCode(languageCode),
      m_linkReceived(std::move(linkReceived)),
      m_handOff(std::move(showBanners))
{
}

TWebThread2::~TWebThread2()
{
    if (m_request)
        m_request->cancel();
}

void TWebThread2::start() { fetchPicture(); }

void TWebThread2::cancel()
{
    if (m_request)
        m_request->cancel();
    m_request = nullptr;
    m_picture.reset();
    deleteLater();
}

void TWebThread2::fetchPicture()
{
    QString error;
    m_picture = m_store.beginPicture(m_n, &error);
    if (!m_picture) {
        end();
        return;
    }
    m_request = m_client.getToDevice(bannerPictureUrl(m_site, m_languageCode, m_n), m_picture->device(),
                                     kPictureLimit);
    connect(m_request, &HttpRequest::done, this, &TWebThread2::onPictureDone);
}

void TWebThread2::onPictureDone(bool ok)
{
    QString error;
    const bool stored = ok && m_picture->commit(&error);
    m_picture.reset();
    if (!stored) {
        end();
        return;
    }
    m_request = m_client.getText(bannerLinkUrl(m_site, m_languageCode, m_n), kLinkTextLimit);
    connect(m_request, &HttpRequest::done, this, &TWebThread2::onLinkDone);
}

void TWebThread2::onLinkDone(bool ok)
{
    if (!ok) {
        end();
        return;
    }
    m_linkReceived(m_n, m_request->body());
    if (++m_n <= kBannerCount) {
        fetchPicture();
        return;
    }
    m_handOff();
    end();
}

void TWebThread2::end()
{
    m_request = nullptr;
    Q_EMIT ended();
    deleteLater();
}

}  // namespace korvana::online
