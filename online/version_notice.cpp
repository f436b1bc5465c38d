#include "version_notice.h"

#include "string_table.h"
#include "version_text.h"
#include "windows_1251.h"

#include <QEvent>
#include <QLabel>
#include <QMouseEvent>

namespace korvana::online {

VersionNotice::VersionNotice(QWidget *window, QObject *parent) : QObject(parent), m_label(new QLabel(window))
{
    m_label->setObjectName(QStringLiteral("Label3"));
    m_label->setTextFormat(Qt::PlainText);
    m_label->setText(QStringLiteral("New version available - x.x.x."));
    m_label->setAlignment(Qt::AlignCenter);
    m_label->setGeometry(662, 400, 240, 15);
    QFont font(QStringLiteral("Times New Roman"));
    font.setPixelSize(13);
    m_label->setFont(font);
    QPalette palette = m_label->palette();
    palette.setColor(QPalette::WindowText, QColor(255, 0, 0));
    m_label->setPalette(palette);
    m_label->setCursor(Qt::PointingHandCursor);
    m_label->hide();
    m_label->installEventFilter(this);
}

void VersionNotice::ShowVersionNotice(const QByteArray &remoteVersion, int languageCode)
{
    if (!m_label || isOwnVersion(remoteVersion))
        return;
    const Language language = languageCode == 2 ? Language::Russian : Language::English;
    const std::string_view title = text(language, entry::NewVersion);
    m_label->show();
    m_label->setText(QString::fromUtf8(title.data(), qsizetype(title.size())) + QStringLiteral(" - ")
                     + fromWindows1251(remoteVersion));
}

bool VersionNotice::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_label && event->type() == QEvent::MouseButtonRelease) {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::LeftButton && m_label->rect().contains(mouse->position().toPoint()))
            Q_EMIT clicked();
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace korvana::online
