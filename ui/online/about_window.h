#pragma once
// The About window: five lines of text and the program version in the
// language it was opened with, the support address (starts a mail) and the
// site address (opens the site). Escape, Enter and the Close button close it.
//
// It is created hidden with the main window and lives as long as it. The texts
// are set, in the language of the installed translation, only when the window
// goes from hidden to shown, so a second About while it is open, or a
// language chosen meanwhile, leaves the texts it has.
// Every showing puts it in the middle of the desktop. One line tells how the
// last version check ended; it changes as soon as a check ends.
#include <QWidget>

#include <memory>
#include <optional>

#include "engine/text/language.h"
#include "services/site_addresses.h"
#include "services/web_checks.h"

class QLabel;
class QPushButton;

namespace korvana::online {
class UrlOpener;
}

namespace korvana::ui {

class DesktopCentring;

class AboutWindow : public QWidget {
    Q_OBJECT
public:
    // owner: the main window (the About window stays on top of it and goes
    // with it).
    AboutWindow(QWidget* owner, online::SiteAddresses site,
                std::shared_ptr<online::UrlOpener> opener);

    // Shows the window with the texts of language, the one the installed
    // translation is in; when it is already open, perhaps minimised, it comes
    // back on screen, in front, with the texts it has.
    void present(Language language);

    // How the last version check ended; nullopt while none has.
    void showLastCheck(const std::optional<online::VersionCheckOutcome>& outcome);

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void showTexts();

    online::SiteAddresses site_;
    std::shared_ptr<online::UrlOpener> opener_;
    Language language_ = Language::English;
    std::optional<online::VersionCheckOutcome> lastCheck_;
    QLabel* title_;
    QLabel* freeSoftwareLine_;
    QLabel* contactLine_;
    QLabel* supportAddress_;
    QLabel* reportsLine_;
    QLabel* lastCheckLine_;
    QLabel* updatesLine_;
    QLabel* versionLine_;
    QPushButton* closeButton_;
    DesktopCentring* centring_;
};

}  // namespace korvana::ui
