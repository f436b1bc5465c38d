#include "about_window.h"

#include "desktop_centring.h"
#include "url_opener.h"

#include <QEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QShowEvent>

namespace korvana::online {

namespace {

// Stands in for the developer's name in the first line.
constexpr char kDeveloperEnglish[] = "the Korvana team";
constexpr char kDeveloperRussian[] = "команды Korvana";

struct Texts {
    int supportLeft;
    const char *line1;  // Label7, after "Korvana"
    const char *line2;  // Label3
    const char *line3;  // Label4
    const char *line4;  // Label5
    const char *line5;  // Label6
    const char *developer;
};

const Texts kEnglish{204,
                     " - Poker hands analyzer developed by ",
                     "Regardless of the fact that Korvana is free software",
                     "please feel free to contact me via e-mail",
                     "with bug reports and suggestions for Korvana development.",
                     "To check for software updates please visit Korvana website.",
                     kDeveloperEnglish};
const Texts kRussian{179,
                     " - анализатор Покерных рук, разработка ",
                     "Несмотря на то, что Korvana бесплатное ПО, вы можете",
                     "связаться со мной через э-почту",
                     "с сообщениями об ошибках и предложениями по развитию Korvana.",
                     "Для проверки обновления, пожалуйста посетите вебсайт Korvana.",
                     kDeveloperRussian};

// A label that reports a left-button click, for the two links.
class ClickableLabel : public QLabel {
public:
    using QLabel::QLabel;
    std::function<void()> onClick;

protected:
    void mouseReleaseEvent(QMouseEvent *event) override
    {
        if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()) && onClick)
            onClick();
        QLabel::mouseReleaseEvent(event);
    }
};

QLabel *makeLabel(QWidget *parent, int left, int top, bool link)
{
    QLabel *label = link ? new ClickableLabel(parent) : new QLabel(parent);
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

TForm2::TForm2(QWidget *owner, SiteAddresses site, std::shared_ptr<UrlOpener> opener)
    : QWidget(owner, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                         | Qt::WindowCloseButtonHint),
      m_site(std::move(site)),
      m_opener(std::move(opener)),
      m_centring(new korvana::ui::DesktopCentring(this))
{
    setObjectName(QStringLiteral("TForm2"));
    setWindowTitle(QStringLiteral("About Korvana"));
    setFixedSize(394, 168);
    QFont font(QStringLiteral("Tahoma"));
    font.setPixelSize(11);
    setFont(font);
    setBackgroundRole(QPalette::Button);
    setAutoFillBackground(true);

    struct Place {
        int n, left, top;
        bool link;
    };
    const Place places[] = {{7, 10, 8, false}, {3, 10, 40, false}, {4, 10, 60, false}, {2, 204, 60, true},
                            {5, 10, 81, false}, {6, 10, 115, false}, {1, 10, 136, true}};
    for (const Place &place : places) {
        QLabel *label = makeLabel(this, place.left, place.top, place.link);
        label->setObjectName(QStringLiteral("Label%1").arg(place.n));
        m_labels[place.n - 1] = label;
    }
    label(1)->setText(m_site.base);
    label(1)->adjustSize();
    label(2)->setText(m_site.supportEmail);
    label(2)->adjustSize();
    static_cast<ClickableLabel *>(label(1))->onClick = [this] { Label1Click(); };
    static_cast<ClickableLabel *>(label(2))->onClick = [this] { Label2Click(); };

    m_closeButton = new QPushButton(QStringLiteral("Close"), this);
    m_closeButton->setObjectName(QStringLiteral("SpeedButton1"));
    m_closeButton->setGeometry(286, 135, 100, 25);
    connect(m_closeButton, &QPushButton::clicked, this, &QWidget::close);
}

QLabel *TForm2::label(int n) const { return m_labels[n - 1]; }

void TForm2::Label1Click() { m_opener->open(baseUrl(m_site), this); }

void TForm2::Label2Click() { m_opener->open(supportMailUrl(m_site), this); }

void TForm2::showEvent(QShowEvent *event)
{
    // Restoring from the task bar is not a new showing.
    if (!event->spontaneous()) {
        FormShow();
        m_centring->centre();
    }
    QWidget::showEvent(event);
}

void TForm2::FormShow()
{
    const Texts *texts = m_languageCode == 1 ? &kEnglish : m_languageCode == 2 ? &kRussian : nullptr;
    if (!texts)
        return;
    label(7)->setText(QStringLiteral("Korvana") + QString::fromUtf8(texts->line1) + QString::fromUtf8(texts->developer)
                      + QLatin1Char('.'));
    label(3)->setText(QString::fromUtf8(texts->line2));
    label(4)->setText(QString::fromUtf8(texts->line3));
    label(5)->setText(QString::fromUtf8(texts->line4));
    label(6)->setText(QString::fromUtf8(texts->line5));
    label(2)->move(texts->supportLeft, label(2)->y());
    for (int n : {2, 3, 4, 5, 6, 7})
        label(n)->adjustSize();
}

}  // namespace korvana::online
