#include "ui/online/version_notice.h"

#include "services/version_text.h"
#include "services/windows_1251.h"
#include "ui/common/window_texts.h"

#include <QEvent>
#include <QLabel>
#include <QMouseEvent>

namespace korvana::ui {

VersionNotice::VersionNotice(QWidget* window, const QRect& place, QObject* parent)
    : QObject(parent), label_(new QLabel(window)) {
    label_->setObjectName(QStringLiteral("versionNotice"));
    label_->setTextFormat(Qt::PlainText);
    label_->setText(windowText(WindowText::NewVersionAvailable) + QStringLiteral(" - x.x.x."));
    label_->setAlignment(Qt::AlignCenter);
    label_->setGeometry(place);
    QFont font(QStringLiteral("Times New Roman"));
    font.setPixelSize(13);
    label_->setFont(font);
    QPalette palette = label_->palette();
    palette.setColor(QPalette::WindowText, QColor(255, 0, 0));
    label_->setPalette(palette);
    label_->setCursor(Qt::PointingHandCursor);
    label_->hide();
    label_->installEventFilter(this);
}

void VersionNotice::announce(const QByteArray& remoteVersion) {
    if (!label_ || online::isOwnVersion(remoteVersion)) return;
    label_->show();
    label_->setText(windowText(WindowText::NewVersionAvailable) + QStringLiteral(" - ") +
                    online::fromWindows1251(remoteVersion));
}

bool VersionNotice::eventFilter(QObject* watched, QEvent* event) {
    if (watched == label_ && event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton &&
            label_->rect().contains(mouse->position().toPoint()))
            Q_EMIT clicked();
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace korvana::ui
