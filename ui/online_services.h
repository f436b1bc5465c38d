#pragma once
// The online side of the main window in one object: the new-version notice,
// the banner strip and the About window, the web checks that feed them, and
// the Help menu's ways out of the program.
//
// The main window creates one OnlineServices with its client area and the
// places it keeps for the notice and the banners; it then
//   - calls startWebCheck() at its first showing and at every language choice
//     (and every hour, unless the services run their own hourly timer);
//   - connects its Help menu entries to openHelpPage(), openTellAFriendPage(),
//     openLicence() and showAboutWindow().
//
// Each web check runs in the background on the GUI thread's event loop (see
// online/web_checks.h). The first one loads the network module, and waits
// for that until the window has been drawn for the first time, so that the
// player sees the window before the network libraries are read. Destroying
// the window, and with it this object, stops every request at once.
#include <QObject>
#include <QPointer>
#include <QString>

#include <chrono>
#include <functional>
#include <memory>

#include "banner_store.h"
#include "language.h"
#include "online_places.h"
#include "web_checks.h"

class QLabel;
class QTimer;
class QWidget;

namespace korvana::online {
class UrlOpener;
}

namespace korvana::ui {

class AboutWindow;
class AnimatedBanner;
class BannerStrip;
class VersionNotice;

struct OnlineOptions {
    online::WebCheckSetup webCheck;
    // Between two checks of the services' own timer; zero leaves the hourly
    // tick to the caller.
    std::chrono::milliseconds checkInterval{3600000};
    QString programFolder;                      // empty: the executable's folder
    std::shared_ptr<online::UrlOpener> opener;  // null: the desktop
    online::WebChecksFactory webChecks;         // empty: the module beside the executable
};

class OnlineServices : public QObject {
    Q_OBJECT
public:
    // window: the main window's client area (the notice and the banners are
    // placed in it at places; the About window belongs to its top-level
    // window). language: the current language, read whenever a text or an
    // address is built.
    OnlineServices(QWidget* window, std::function<Language()> language, const OnlinePlaces& places,
                   OnlineOptions options = {});
    ~OnlineServices() override;

    QLabel* notice() const;
    AnimatedBanner* banner(int n) const;  // 1..4
    QByteArray bannerLink(int n) const;
    AboutWindow* aboutWindow() const;
    // A web check is under way, or waiting for the window to be drawn.
    bool webCheckRunning() const;
    // Why the last banner download failed, or why no web check can run;
    // empty when all went well or nothing ended yet.
    QString webCheckFailure() const;

public Q_SLOTS:
    void startWebCheck();
    void openUpdatePage();
    void openHelpPage();
    void openTellAFriendPage();
    void openLicence();
    void showAboutWindow();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Opens the site's page in the current language; nothing for a language
    // the site has no page for.
    void openSitePage(QUrl (*page)(const online::SiteAddresses&, Language));
    // Starts the check that waited for the window to be drawn.
    void startWaitingCheck();
    // Makes the web checks on first use; false when they cannot be made.
    bool loadWebChecks();

    QPointer<QWidget> window_;
    std::function<Language()> language_;
    OnlineOptions options_;
    std::shared_ptr<online::UrlOpener> opener_;
    std::unique_ptr<online::WebChecks> webChecks_;  // made by the first check
    QString loadFailure_;
    bool windowDrawn_ = false;
    bool checkWaiting_ = false;
    QTimer* webCheckTimer_;
    online::BannerStore bannerStore_;
    VersionNotice* versionNotice_;
    BannerStrip* strip_;
    QPointer<AboutWindow> about_;
};

}  // namespace korvana::ui
