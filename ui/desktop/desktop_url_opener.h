#pragma once
// The opener the program uses: the desktop's handler for each kind of address.
#include "services/url_opener.h"

namespace korvana::ui {

class DesktopUrlOpener final : public online::UrlOpener {
public:
    bool open(const QUrl& target, QWidget* owner) override;
};

}  // namespace korvana::ui
