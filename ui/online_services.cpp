#include "online_services.h"

#include <QCoreApplication>
#include <QEvent>
#include <QLabel>
#include <QTimer>
#include <QWidget>

#include "about_window.h"
#include "animated_banner.h"
#include "banner_strip.h"
#include "desktop_url_opener.h"
#include "licence_file.h"
#include "version_notice.h"
#include "window_texts.h"

namespace korvana::ui {

OnlineServices::OnlineServices(QWidget* window, std::function<Language()> language,
                               const OnlinePlaces& places, OnlineOptions options)
    : QObject(window),
      window_(window),
      language_(std::move(language)),
      options_(std::move(options)),
      opener_(options_.opener ? options_.opener : std::make_shared<DesktopUrlOpener>()),
      webCheck_(new online::WebCheck(options_.webCheck, this)),
      webCheckTimer_(new QTimer(this)),
      versionNotice_(new VersionNotice(window, places.notice, this)),
      strip_(new BannerStrip(window, places.banners, webCheck_->bannerStore(), *opener_, this)),
      about_(new AboutWindow(window, options_.webCheck.site, opener_)) {
    if (options_.programFolder.isEmpty())
        options_.programFolder = QCoreApplication::applicationDirPath();
    webCheckTimer_->setObjectName(QStringLiteral("webCheckTimer"));
    webCheckTimer_->setInterval(options_.checkInterval);
    connect(webCheckTimer_, &QTimer::timeout, this, &OnlineServices::startWebCheck);
    if (options_.checkInterval.count() > 0) webCheckTimer_->start();

    connect(webCheck_, &online::WebCheck::versionFound, this,
            [this](const QByteArray& remoteVersion) {
                versionNotice_->announce(remoteVersion, language_());
            });
    connect(webCheck_, &online::WebCheck::bannerLinkReceived, strip_, &BannerStrip::setLink);
    connect(webCheck_, &online::WebCheck::bannerPicturesReady, strip_, &BannerStrip::showPictures);
    connect(versionNotice_, &VersionNotice::clicked, this, &OnlineServices::openUpdatePage);
    window->window()->installEventFilter(this);
}

OnlineServices::~OnlineServices() {
    // The web check fills the strip and the notice: it goes before they do.
    delete webCheck_;
    delete strip_;
    delete versionNotice_;
}

QLabel* OnlineServices::notice() const {
    return versionNotice_->label();
}

AnimatedBanner* OnlineServices::banner(int n) const {
    return strip_->banner(n);
}

QByteArray OnlineServices::bannerLink(int n) const {
    return strip_->link(n);
}

AboutWindow* OnlineServices::aboutWindow() const {
    return about_;
}

void OnlineServices::startWebCheck() {
    webCheck_->start(language_());
}

void OnlineServices::openUpdatePage() {
    openSitePage(&online::updatePageUrl);
}

void OnlineServices::openHelpPage() {
    openSitePage(&online::helpPageUrl);
}

void OnlineServices::openTellAFriendPage() {
    openSitePage(&online::tellAFriendPageUrl);
}

void OnlineServices::openSitePage(QUrl (*page)(const online::SiteAddresses&, Language)) {
    const QUrl target = page(options_.webCheck.site, language_());
    if (target.isValid()) opener_->open(target, window_);
}

void OnlineServices::openLicence() {
    const Language language = language_();
    if (language != Language::English && language != Language::Russian) return;
    const QString path = online::findLicenceFile(licenceFileName(language), options_.programFolder);
    if (!path.isEmpty()) opener_->open(QUrl::fromLocalFile(path), window_);
}

void OnlineServices::showAboutWindow() {
    if (about_) about_->present(language_());
}

bool OnlineServices::eventFilter(QObject* watched, QEvent* event) {
    // The About window must not stay on screen without the main window:
    // closing the main window ends the program. (Minimizing is spontaneous.)
    if (window_ && watched == window_->window() && event->type() == QEvent::Hide &&
        !event->spontaneous() && about_)
        about_->hide();
    return QObject::eventFilter(watched, event);
}

}  // namespace korvana::ui
