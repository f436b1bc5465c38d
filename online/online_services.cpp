#include "online_services.h"

#include "about_window.h"
#include "banner_strip.h"
#include "banner_worker.h"
#include "gif_animator.h"
#include "licence_file.h"
#include "string_table.h"
#include "url_opener.h"
#include "version_notice.h"
#include "version_worker.h"

#include <QCoreApplication>
#include <QEvent>
#include <QLabel>
#include <QTimer>
#include <QWidget>

namespace korvana::online {

OnlineServices::OnlineServices(QWidget *window, std::function<int()> languageCode, OnlineOptions options)
    : QObject(window),
      m_window(window),
      m_languageCode(std::move(languageCode)),
      m_options(std::move(options)),
      m_opener(m_options.opener ? m_options.opener : std::make_shared<DesktopUrlOpener>()),
      m_store(m_options.bannerFolder),
      m_idHttp1(m_options.limits, m_options.nameResolver),
      m_idHttp2(m_options.limits, m_options.nameResolver),
      m_timer2(new QTimer(this)),
      m_notice(new VersionNotice(window, this)),
      m_strip(new BannerStrip(window, m_store, *m_opener, this)),
      m_about(new TForm2(window, m_options.site, m_opener))
{
    if (m_options.programFolder.isEmpty())
        m_options.programFolder = QCoreApplication::applicationDirPath();
    m_idHttp1.setObjectName(QStringLiteral("IdHTTP1"));
    m_idHttp2.setObjectName(QStringLiteral("IdHTTP2"));
    m_timer2->setObjectName(QStringLiteral("Timer2"));
    m_timer2->setInterval(m_options.checkInterval);
    connect(m_timer2, &QTimer::timeout, this, &OnlineServices::Timer2Timer);
    if (m_options.checkInterval.count() > 0)
        m_timer2->start();
    connect(m_notice, &VersionNotice::clicked, this, &OnlineServices::Label3Click);
    window->window()->installEventFilter(this);
}

OnlineServices::~OnlineServices()
{
    // The workers use the clients and the store, the strip uses the store:
    // they go before the members do.
    delete m_versionWorker;
    delete m_bannerWorker;
    delete m_strip;
    delete m_notice;
}

QLabel *OnlineServices::notice() const { return m_notice->label(); }

TRxGIFAnimator *OnlineServices::banner(int n) const { return m_strip->control(n); }

QByteArray OnlineServices::bannerLink(int n) const { return m_strip->link(n); }

TForm2 *OnlineServices::aboutWindow() const { return m_about; }

bool OnlineServices::checkRunning() const { return m_versionWorker || m_bannerWorker; }

void OnlineServices::Timer2Timer()
{
    if (m_versionWorker)
        m_versionWorker->cancel();
    auto *version = new TWebThread1(
        m_idHttp1, versionUrl(m_options.site),
        [this](const QByteArray &remoteVersion) {
            m_remoteVersion = remoteVersion;
            m_notice->ShowVersionNotice(remoteVersion, m_languageCode());
        },
        this);
    m_versionWorker = version;

    if (m_bannerWorker)
        m_bannerWorker->cancel();
    auto *banners = new TWebThread2(
        m_idHttp2, m_store, m_options.site, m_languageCode(),
        [this](int n, const QByteArray &link) { m_strip->setLink(n, link); }, [this] { m_strip->ShowBanners(); },
        this);
    m_bannerWorker = banners;

    version->start();
    banners->start();
}

void OnlineServices::Label3Click()
{
    const QUrl target = updatePageUrl(m_options.site, m_languageCode());
    if (target.isValid())
        openFromWindow(target);
}

void OnlineServices::RxGIFAnimatorClick(int n) { m_strip->RxGIFAnimatorClick(n); }

void OnlineServices::Help2Click()
{
    const QUrl target = helpPageUrl(m_options.site, m_languageCode());
    if (target.isValid())
        openFromWindow(target);
}

void OnlineServices::Tellafriend1Click()
{
    const QUrl target = tellAFriendPageUrl(m_options.site, m_languageCode());
    if (target.isValid())
        openFromWindow(target);
}

void OnlineServices::License1Click()
{
    const int code = m_languageCode();
    if (code != 1 && code != 2)
        return;
    const std::string_view name = text(code == 1 ? Language::English : Language::Russian, entry::LicenceFile);
    const QString path =
        findLicenceFile(QString::fromUtf8(name.data(), qsizetype(name.size())), m_options.programFolder);
    if (!path.isEmpty())
        openFromWindow(QUrl::fromLocalFile(path));
}

void OnlineServices::About1Click()
{
    if (!m_about)
        return;
    m_about->setLanguageCode(m_languageCode());
    if (m_about->isVisible()) {
        // Already open, perhaps minimised: back on screen, in front, with the
        // texts it has.
        if (m_about->isMinimized())
            m_about->setWindowState(m_about->windowState() & ~Qt::WindowMinimized);
        m_about->raise();
        m_about->activateWindow();
    } else {
        m_about->show();
    }
}

bool OnlineServices::eventFilter(QObject *watched, QEvent *event)
{
    // The About window must not stay on screen without the main window:
    // closing the main window ends the program. (Minimizing is spontaneous.)
    if (m_window && watched == m_window->window() && event->type() == QEvent::Hide && !event->spontaneous() && m_about)
        m_about->hide();
    return QObject::eventFilter(watched, event);
}

void OnlineServices::openFromWindow(const QUrl &target) { m_opener->open(target, m_window); }

}  // namespace korvana::online
