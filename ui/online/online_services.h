#pragma once
// The online side of the main window in one object: the new-version notice,
// the banner strip and the About window, the web checks that feed them, and
// the Help menu's ways out of the program.
//
// The main window creates one OnlineServices with its client area and the
// places it keeps for the notice and the banners; it then
//   - tells windowShown() and languageChanged(): every web check is
//     scheduled here, at those moments and every hour;
//   - connects its Help menu entries to openHelpPage(), openTellAFriendPage(),
//     openLicence() and showAboutWindow().
//
// Each web check runs in the background on the GUI thread's event loop (see
// services/web_checks.h). Destroying the window, and with it this object, stops
// every request at once.
#include <QObject>
#include <QPointer>
#include <QString>

#include <chrono>
#include <functional>
#include <memory>

#include "engine/text/language.h"
#include "services/banner_store.h"
#include "services/web_checks.h"
#include "ui/common/online_places.h"

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
    // Between two scheduled checks; zero: none but at showing and at a
    // language change.
    std::chrono::milliseconds checkInterval{3600000};
    QString programFolder;                      // empty: the executable's folder
    std::shared_ptr<online::UrlOpener> opener;  // null: the desktop
    online::WebChecksFactory webChecks;         // empty: the real checks over the network
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
    AboutWindow* aboutWindow();  // made on first use
    // A web check is under way, or due once the current event is handled.
    bool webCheckRunning() const;
    // Why the last banner download failed; empty when all went well or
    // nothing ended yet.
    QString webCheckFailure() const;

public Q_SLOTS:
    // A check is due at every showing of the window and every language
    // change; it starts once the current event has been handled, so that the
    // window is on screen first and one showing with its language makes one
    // check.
    void windowShown();
    void languageChanged();
    // Starts a check at once.
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
    void scheduleWebCheck();
    void makeWebChecks();

    QPointer<QWidget> window_;
    std::function<Language()> language_;
    OnlineOptions options_;
    std::shared_ptr<online::UrlOpener> opener_;
    std::unique_ptr<online::WebChecks> webChecks_;  // made by the first check
    bool webChecksMade_ = false;
    bool checkDue_ = false;
    QTimer* webCheckTimer_;
    online::BannerStore bannerStore_;
    VersionNotice* versionNotice_;
    BannerStrip* strip_;
    QPointer<AboutWindow> about_;
};

}  // namespace korvana::ui
