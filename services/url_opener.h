#pragma once
// Handing an address or a file to the desktop (browser, mail program, text
// viewer). One small interface so that tests can record what would be opened;
// the desktop's own opener lives with the windows (DesktopUrlOpener).
#include <QUrl>

class QWidget;

namespace korvana::online {

class UrlOpener {
public:
    virtual ~UrlOpener() = default;
    // Opens the target on behalf of the owner window; false when nothing
    // took it (the caller then tells the player).
    virtual bool open(const QUrl& target, QWidget* owner) = 0;
};

}  // namespace korvana::online
