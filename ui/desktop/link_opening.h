#pragma once
// Opening a link for the player. When nothing on the desktop takes it (no
// browser or mail program, or the opener failed), a small message in the
// current language says so and shows the address to copy, rather than
// nothing happening.
#include <QUrl>

#include "services/url_opener.h"

class QWidget;

namespace korvana::ui {

void openLink(online::UrlOpener& opener, const QUrl& target, QWidget* owner);

// What the player would copy: a file's path, a mail address, or the address.
QString addressToCopy(const QUrl& target);

}  // namespace korvana::ui
