#pragma once
// The online side of the main window in one object: the new-version notice,
// the banner strip, the hourly web check, the About window and the handlers
// of the Help menu.
//
// The main window creates one OnlineServices with itself as window; it then
//   - calls Timer2Timer() at its first showing and at every language choice
//     (Timer2 itself runs from construction and calls it every hour);
//   - connects its menu actions Help2, Tellafriend1, License1 and About1 to the
//     slots of the same names.
//
// Each web check starts a version request and the banner downloads side by
// side, asynchronously on the GUI thread. A newer check supersedes the running
// one of the same kind: the older one is stopped before the newer one starts,
// so two of a kind never share a client or the banner files, and a superseded
// check never shows anything. Destroying the window (and with it this object)
// stops every request at once.
#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <QString>

#include <chrono>
#include <functional>
#include <memory>

#include "banner_store.h"
#include "http_client.h"
#include "site_addresses.h"

class QLabel;
class QTimer;
class QWidget;

namespace korvana::online {

class BannerStrip;
class TForm2;
class TRxGIFAnimator;
class TWebThread1;
class TWebThread2;
class UrlOpener;
class VersionNotice;

struct OnlineOptions {
    SiteAddresses site = defaultSiteAddresses();
    HttpLimits limits;
    // Timer2's interval; zero leaves the hourly tick to the caller.
    std::chrono::milliseconds checkInterval{3600000};
    QString bannerFolder;                // empty: BannerStore::defaultFolder()
    QString programFolder;               // empty: the executable's folder
    std::shared_ptr<UrlOpener> opener;   // null: the desktop
    NameResolver nameResolver = systemNameResolver();
};

class OnlineServices : public QObject {
    Q_OBJECT
public:
    // window: the main window's client area (the notice and the banners are
    // placed in it; the About window belongs to its top-level window). languageCode: the current language code (1 English,
    // 2 Russian), read whenever a text or an address is built.
    OnlineServices(QWidget *window, std::function<int()> languageCode, OnlineOptions options = {});
    ~OnlineServices() override;

    QLabel *notice() const;                 // Label3
    TRxGIFAnimator *banner(int n) const;    // RxGIFAnimator1 .. 4
    QByteArray bannerLink(int n) const;
    TForm2 *aboutWindow() const;
    QTimer *timer2() const { return m_timer2; }
    QByteArray remoteVersion() const { return m_remoteVersion; }
    bool checkRunning() const;              // a version or banner request is under way
    HttpClient &idHttp1() { return m_idHttp1; }
    HttpClient &idHttp2() { return m_idHttp2; }
    const BannerStore &bannerStore() const { return m_store; }

public Q_SLOTS:
    // Starts a web check.
    void Timer2Timer();
    void Label3Click();
    void RxGIFAnimatorClick(int n);
    void Help2Click();
    void Tellafriend1Click();
    void License1Click();
    void About1Click();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void openFromWindow(const QUrl &target);

    QPointer<QWidget> m_window;
    std::function<int()> m_languageCode;
    OnlineOptions m_options;
    std::shared_ptr<UrlOpener> m_opener;
    BannerStore m_store;
    HttpClient m_idHttp1;
    HttpClient m_idHttp2;
    QTimer *m_timer2;
    VersionNotice *m_notice;
    BannerStrip *m_strip;
    QPointer<TForm2> m_about;
    QPointer<TWebThread1> m_versionWorker;
    QPointer<TWebThread2> m_bannerWorker;
    QByteArray m_remoteVersion;
};

}  // namespace korvana::online
