#include "ui/online/online_services.h"

#include <QCoreApplication>
#include <QEvent>
#include <QLabel>
#include <QTimer>
#include <QWidget>

#include "services/licence_file.h"
#include "services/web/web_check.h"
#include "ui/common/window_texts.h"
#include "ui/desktop/desktop_url_opener.h"
#include "ui/desktop/link_opening.h"
#include "ui/online/about_window.h"
#include "ui/online/animated_banner.h"
#include "ui/online/banner_strip.h"
#include "ui/online/version_notice.h"

namespace korvana::ui {

OnlineServices::OnlineServices(QWidget* window, std::function<Language()> language,
                               const OnlinePlaces& places, OnlineOptions options)
    : QObject(window),
      window_(window),
      language_(std::move(language)),
      options_(std::move(options)),
      opener_(options_.opener ? options_.opener : std::make_shared<DesktopUrlOpener>()),
      webCheckTimer_(new QTimer(this)),
      bannerStore_(options_.webCheck.bannerFolder),
      versionNotice_(new VersionNotice(window, places.notice, this)),
      strip_(new BannerStrip(window, places.banners, bannerStore_, *opener_, this)) {
    if (options_.programFolder.isEmpty())
        options_.programFolder = QCoreApplication::applicationDirPath();
    webCheckTimer_->setObjectName(QStringLiteral("webCheckTimer"));
    webCheckTimer_->setInterval(options_.checkInterval);
    connect(webCheckTimer_, &QTimer::timeout, this, &OnlineServices::startWebCheck);
    if (options_.checkInterval.count() > 0) webCheckTimer_->start();

    connect(versionNotice_, &VersionNotice::clicked, this, &OnlineServices::openUpdatePage);
    window->window()->installEventFilter(this);
}

OnlineServices::~OnlineServices() {
    // The web checks fill the strip and the notice: they go before those do.
    webChecks_.reset();
    delete strip_;
    delete versionNotice_;
}

void OnlineServices::makeWebChecks() {
    online::WebCheckEvents events;
    events.versionFound = [this](const QByteArray& remoteVersion) {
        versionNotice_->announce(remoteVersion);
    };
    events.versionChecked = [this](const online::VersionCheckOutcome& outcome) {
        if (about_) about_->showLastCheck(outcome);
    };
    events.bannerLinkReceived = [this](int n, const QByteArray& link) {
        strip_->setNextLink(n, link);
    };
    events.bannerPicturesReady = [this] { strip_->showPictures(); };
    webChecks_ = options_.webChecks
                     ? options_.webChecks(options_.webCheck, std::move(events))
                     : std::make_unique<online::WebCheck>(options_.webCheck, std::move(events));
    webChecksMade_ = true;
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

AboutWindow* OnlineServices::aboutWindow() {
    // Made on first use: most runs never open it, and the start is quicker.
    if (!about_ && window_) {
        about_ = new AboutWindow(window_, options_.webCheck.site, opener_);
        if (webChecks_) about_->showLastCheck(webChecks_->lastVersionCheck());
    }
    return about_;
}

bool OnlineServices::webCheckRunning() const {
    return checkDue_ || (webChecks_ && webChecks_->running());
}

QString OnlineServices::webCheckFailure() const {
    return webChecks_ ? webChecks_->bannerFailure() : QString();
}

void OnlineServices::windowShown() {
    scheduleWebCheck();
}

void OnlineServices::languageChanged() {
    scheduleWebCheck();
}

void OnlineServices::scheduleWebCheck() {
    if (checkDue_) return;
    checkDue_ = true;
    QTimer::singleShot(0, this, [this] {
        if (checkDue_) startWebCheck();
    });
}

void OnlineServices::startWebCheck() {
    checkDue_ = false;
    // Made with the first check, after the window is up.
    if (!webChecksMade_) makeWebChecks();
    if (webChecks_) webChecks_->start(language_());
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
    if (target.isValid()) openLink(*opener_, target, window_);
}

void OnlineServices::openLicence() {
    const Language language = language_();
    if (language != Language::English && language != Language::Russian) return;
    const QString path = online::findLicenceFile(licenceFileName(language), options_.programFolder);
    if (!path.isEmpty()) openLink(*opener_, QUrl::fromLocalFile(path), window_);
}

void OnlineServices::showAboutWindow() {
    if (AboutWindow* about = aboutWindow()) about->present(language_());
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
