#include "error_reporter.h"

#include <QMessageBox>
#include <QPointer>
#include <QWidget>

#include "window_text.h"

namespace korvana::ui {

ErrorReporter messageBoxReporter(QWidget* window) {
    QPointer<QWidget> owner(window);
    return [owner](const QString& message) {
        QMessageBox::critical(owner.data(), kApplicationTitle, message);
    };
}

}  // namespace korvana::ui
