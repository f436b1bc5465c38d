#include "url_opener.h"

#include <QDesktopServices>

namespace korvana::online {

void DesktopUrlOpener::open(const QUrl &target, QWidget * /*owner*/)
{
    if (target.isValid())
        QDesktopServices::openUrl(target);
}

}  // namespace korvana::online
