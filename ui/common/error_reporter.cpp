#include "ui/common/error_reporter.h"

#include <QMessageBox>
#include <QPointer>
#include <QWidget>
#include <QtGlobal>

#include "ui/common/window_texts.h"

namespace korvana::ui {

ErrorReporter messageBoxReporter(QWidget* window) {
    QPointer<QWidget> owner(window);
    return [owner](const QString& message) {
        // Also on stderr, so a start from a terminal or a script sees why.
        qWarning("Korvana: %s", qUtf8Printable(message));
        QMessageBox::critical(owner.data(), kApplicationTitle, message);
    };
}

}  // namespace korvana::ui
