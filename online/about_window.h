#pragma once
// The About window: five lines of text in the language it was opened with,
// the support address (starts a mail) and the site address (opens the site).
//
// It is created hidden with the main window and lives as long as it. The texts
// are set only when the window goes from hidden to shown, so a second About
// while it is open just raises it with the texts it has. Every showing puts
// it in the middle of the desktop.
#include <QPointer>
#include <QWidget>

#include <memory>

#include "site_addresses.h"

class QLabel;
class QPushButton;

namespace korvana::ui {
class DesktopCentring;
}

namespace korvana::online {

class UrlOpener;

class TForm2 : public QWidget {
    Q_OBJECT
public:
    // owner: the main window (the About window stays on top of it and goes
    // with it).
    TForm2(QWidget *owner, SiteAddresses site, std::shared_ptr<UrlOpener> opener);

    // The language of the texts for the next showing (1 English, 2 Russian;
    // anything else leaves the texts as they are).
    int languageCode() const { return m_languageCode; }
    void setLanguageCode(int code) { m_languageCode = code; }

    QLabel *label(int n) const;  // Label1 .. Label7
    QPushButton *closeButton() const { return m_closeButton; }

    void Label1Click();
    void Label2Click();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void FormShow();

    SiteAddresses m_site;
    std::shared_ptr<UrlOpener> m_opener;
    int m_languageCode = 0;
    QLabel *m_labels[7] = {};
    QPushButton *m_closeButton = nullptr;
    korvana::ui::DesktopCentring *m_centring;
};

}  // namespace korvana::online
