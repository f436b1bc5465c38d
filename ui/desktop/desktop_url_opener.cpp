#include "desktop_url_opener.h"

#include <QDesktopServices>

namespace korvana::ui {

void DesktopUrlOpener::open(const QUrl& target, QWidget* /*owner*/) {
    if (target.isValid()) QDesktopServices::openUrl(target);
}

}  // namespace korvana::ui
