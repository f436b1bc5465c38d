#include "online_services.h"

#include <QCoreApplication>
#include <QEvent>
#include <QLabel>
#include <QTimer>
#include <QWidget>
#include <cstdio>

#include "about_window.h"
#include "animated_banner.h"
#include "banner_strip.h"
#include "desktop_url_opener.h"
#include "licence_file.h"
#include "version_notice.h"
#include "window_texts.h"

namespace korvana::ui {

namespace {

// A window that is shown but never drawn (started minimized, say) does not
// hold the first check back longer than this.
constexpr std::chrono::milliseconds kUndrawnWindowWait{2000};

}  // namespace

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
      strip_(new BannerStrip(window, places.banners, bannerStore_, *opener_, this)),
      about_(new AboutWindow(window, options_.webCheck.site, opener_)) {
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

bool OnlineServices::webCheckRunning() const {
    return checkWaiting_ || (webChecks_ && webChecks_->running());
}

QString OnlineServices::webCheckFailure() const {
    return webChecks_ ? webChecks_->bannerFailure() : loadFailure_;
}

void OnlineServices::startWebCheck() {
    if (!webChecks_ && !windowDrawn_ && window_ && window_->window()->isVisible()) {
        // Loading the module takes as long as drawing the window: the
        // window goes first.
        if (!checkWaiting_)
            QTimer::singleShot(kUndrawnWindowWait, this, [this] {
                windowDrawn_ = true;
                startWaitingCheck();
            });
        checkWaiting_ = true;
        return;
    }
    checkWaiting_ = false;
    if (loadWebChecks()) webChecks_->start(language_());
}

void OnlineServices::startWaitingCheck() {
    if (checkWaiting_) startWebCheck();
}

bool OnlineServices::loadWebChecks() {
    if (webChecks_) return true;
    if (!loadFailure_.isEmpty()) return false;  // tried once; the module will not appear
    online::WebChecksFactory make = options_.webChecks;
    if (!make)
        make = online::loadWebChecksModule(QCoreApplication::applicationDirPath(), &loadFailure_);
    if (make) {
        online::WebCheckEvents events;
        events.versionFound = [this](const QByteArray& remoteVersion) {
            versionNotice_->announce(remoteVersion);
        };
        events.bannerLinkReceived = [this](int n, const QByteArray& link) {
            strip_->setLink(n, link);
        };
        events.bannerPicturesReady = [this] { strip_->showPictures(); };
        webChecks_ = make(options_.webCheck, std::move(events));
        if (!webChecks_) loadFailure_ = QStringLiteral("the web checks could not be made");
    }
    // The program runs on without its web checks; the reason is kept for
    // whoever looks into it.
#ifndef NDEBUG
    if (!webChecks_) std::fprintf(stderr, "no web checks: %s\n", qUtf8Printable(loadFailure_));
#endif
    return webChecks_ != nullptr;
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
    if (!windowDrawn_ && window_ && watched == window_->window() &&
        event->type() == QEvent::Paint) {
        windowDrawn_ = true;
        // Once this paint is done and on screen.
        if (checkWaiting_) QTimer::singleShot(0, this, &OnlineServices::startWaitingCheck);
    }
    // The About window must not stay on screen without the main window:
    // closing the main window ends the program. (Minimizing is spontaneous.)
    if (window_ && watched == window_->window() && event->type() == QEvent::Hide &&
        !event->spontaneous() && about_)
        about_->hide();
    return QObject::eventFilter(watched, event);
}

}  // namespace korvana::ui
