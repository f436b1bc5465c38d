#include "text_clipboard.h"

#include <QClipboard>
#include <QGuiApplication>

namespace korvana::ui {

TextClipboard systemClipboard() {
    return {[] { return QGuiApplication::clipboard()->text(); },
            [](const QString& text) { QGuiApplication::clipboard()->setText(text); }};
}

}  // namespace korvana::ui
