#include "ui/desktop/desktop_url_opener.h"

#include <QDesktopServices>

namespace korvana::ui {

bool DesktopUrlOpener::open(const QUrl& target, QWidget* /*owner*/) {
    return target.isValid() && QDesktopServices::openUrl(target);
}

}  // namespace korvana::ui
