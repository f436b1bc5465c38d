#include "ui/desktop/link_opening.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QWidget>

namespace korvana::ui {

namespace {

class LinkMessage {
    Q_DECLARE_TR_FUNCTIONS(LinkMessage)
public:
    static QString cannotOpen() {
        return tr("Korvana could not open this link. Copy the address:");
    }
};

}  // namespace

QString addressToCopy(const QUrl& target) {
    if (target.isLocalFile()) return target.toLocalFile();
    if (target.scheme() == QLatin1String("mailto")) return target.path();
    return target.toString();
}

void openLink(online::UrlOpener& opener, const QUrl& target, QWidget* owner) {
    if (opener.open(target, owner)) return;
    // Not modal to the program: the player may copy the address and go on.
    auto* box = new QMessageBox(QMessageBox::Information, QStringLiteral("Korvana"),
                                LinkMessage::cannotOpen(), QMessageBox::Ok,
                                owner ? owner->window() : nullptr);
    box->setObjectName(QStringLiteral("linkMessage"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setInformativeText(addressToCopy(target));
    box->setTextInteractionFlags(Qt::TextSelectableByMouse);
    box->open();
}

}  // namespace korvana::ui
