#include "ui/online/about_window.h"

#include "korvana_version.h"
#include "services/url_opener.h"
#include "ui/desktop/desktop_centring.h"
#include "ui/desktop/link_opening.h"
#include "ui/online/last_check_text.h"

#include <QEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QShowEvent>

#include <functional>

namespace korvana::ui {

namespace {

// Where the support address starts: after the contact line, whose length
// differs between the languages.
int supportAddressLeft(Language language) {
    return language == Language::Russian ? 179 : 204;
}

// A label that reports a left-button click, for the two links.
class ClickableLabel : public QLabel {
public:
    using QLabel::QLabel;
    std::function<void()> onClick;

protected:
    void mouseReleaseEvent(QMouseEvent* event) override {
        if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()) &&
            onClick)
            onClick();
        QLabel::mouseReleaseEvent(event);
    }
};

QLabel* makeLabel(QWidget* parent, const char* name, int left, int top,
                  std::function<void()> onClick = {}) {
    const bool link = bool(onClick);
    QLabel* label = link ? new ClickableLabel(parent) : new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    if (link) static_cast<ClickableLabel*>(label)->onClick = std::move(onClick);
    label->setTextFormat(Qt::PlainText);
    QFont font(QStringLiteral("Times New Roman"));
    font.setPixelSize(12);
    label->setFont(font);
    label->move(left, top);
    // The window's background role is Button, which would otherwise make the
    // labels draw in the button text colour.
    label->setForegroundRole(QPalette::WindowText);
    if (link) {
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, QColor(0, 0, 255));
        label->setPalette(palette);
        label->setCursor(Qt::PointingHandCursor);
    }
    return label;
}

}  // namespace

AboutWindow::AboutWindow(QWidget* owner, online::SiteAddresses site,
                         std::shared_ptr<online::UrlOpener> opener)
    : QWidget(owner, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                         Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      site_(std::move(site)),
      opener_(std::move(opener)),
      centring_(new DesktopCentring(this)) {
    setObjectName(QStringLiteral("aboutWindow"));
    setFixedSize(394, 168);
    QFont font(QStringLiteral("Tahoma"));
    font.setPixelSize(11);
    setFont(font);
    setBackgroundRole(QPalette::Button);
    setAutoFillBackground(true);

    title_ = makeLabel(this, "title", 10, 8);
    freeSoftwareLine_ = makeLabel(this, "freeSoftwareLine", 10, 40);
    contactLine_ = makeLabel(this, "contactLine", 10, 60);
    supportAddress_ =
        makeLabel(this, "supportAddress", supportAddressLeft(Language::English), 60,
                  [this] { openLink(*opener_, online::supportMailUrl(site_), this); });
    reportsLine_ = makeLabel(this, "reportsLine", 10, 81);
    // In the gap above the updates line, which the site address follows.
    lastCheckLine_ = makeLabel(this, "lastCheckLine", 10, 98);
    updatesLine_ = makeLabel(this, "updatesLine", 10, 115);
    QLabel* siteAddress = makeLabel(this, "siteAddress", 10, 136,
                                    [this] { openLink(*opener_, online::baseUrl(site_), this); });
    siteAddress->setText(site_.base);
    siteAddress->adjustSize();
    supportAddress_->setText(site_.supportEmail);
    supportAddress_->adjustSize();
    // Below the site address, beside the Close button, clear of every line above.
    versionLine_ = makeLabel(this, "versionLine", 10, 151);

    closeButton_ = new QPushButton(this);
    closeButton_->setObjectName(QStringLiteral("closeButton"));
    closeButton_->setGeometry(286, 135, 100, 25);
    connect(closeButton_, &QPushButton::clicked, this, &QWidget::close);
    showTexts();
}

void AboutWindow::present(Language language) {
    if (!isVisible()) {
        language_ = language;
        show();
        return;
    }
    if (isMinimized()) setWindowState(windowState() & ~Qt::WindowMinimized);
    raise();
    activateWindow();
}

void AboutWindow::showLastCheck(const std::optional<online::VersionCheckOutcome>& outcome) {
    lastCheck_ = outcome;
    lastCheckLine_->setText(lastCheckText(lastCheck_));
    lastCheckLine_->adjustSize();
}

void AboutWindow::showEvent(QShowEvent* event) {
    // Restoring from the task bar is not a new showing.
    if (!event->spontaneous()) {
        showTexts();
        centring_->centre();
    }
    QWidget::showEvent(event);
}

void AboutWindow::keyPressEvent(QKeyEvent* event) {
    // Nothing here takes typed input, so both keys mean "done".
    const int key = event->key();
    if (key == Qt::Key_Escape || key == Qt::Key_Return || key == Qt::Key_Enter)
        close();
    else
        QWidget::keyPressEvent(event);
}

void AboutWindow::showTexts() {
    //: Kept in English in every language for now, as is the Close button.
    setWindowTitle(tr("About Korvana"));
    //: Kept in English in every language for now, as is the window's title.
    closeButton_->setText(tr("Close"));
    //: %1 stands in for the developer's name.
    title_->setText(
        tr("Korvana - Poker hands analyzer developed by %1.").arg(tr("the Korvana team")));
    freeSoftwareLine_->setText(tr("Regardless of the fact that Korvana is free software"));
    contactLine_->setText(tr("please feel free to contact me via e-mail"));
    reportsLine_->setText(tr("with bug reports and suggestions for Korvana development."));
    updatesLine_->setText(tr("To check for software updates please visit Korvana website."));
    versionLine_->setText(tr("Version %1").arg(QLatin1String(kProgramVersion)));
    lastCheckLine_->setText(lastCheckText(lastCheck_));
    supportAddress_->move(supportAddressLeft(language_), supportAddress_->y());
    for (QLabel* label : {title_, freeSoftwareLine_, contactLine_, supportAddress_, reportsLine_,
                          lastCheckLine_, updatesLine_, versionLine_})
        label->adjustSize();
}

}  // namespace korvana::ui
