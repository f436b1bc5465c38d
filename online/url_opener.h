#pragma once
// Handing an address or a file to the desktop (browser, mail program, text
// viewer). One small interface so that tests can record what would be opened.
#include <QUrl>

class QWidget;

namespace korvana::online {

class UrlOpener {
public:
    virtual ~UrlOpener() = default;
    // Opens the target on behalf of the owner window. Failures are the
    // desktop's to report; the program shows no message of its own.
    virtual void open(const QUrl &target, QWidget *owner) = 0;
};

// The real opener: QDesktopServices::openUrl.
class DesktopUrlOpener final : public UrlOpener {
public:
    void open(const QUrl &target, QWidget *owner) override;
};

}  // namespace korvana::online
