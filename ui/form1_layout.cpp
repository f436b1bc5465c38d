// Where every component of the main window sits, in client pixels at 96 dpi,
// with its font, and the menus. Behaviour lives in form1.cpp.
#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QProxyStyle>
#include <QSlider>
#include <QTimer>
#include <QToolButton>

#include "card_picker.h"
#include "exact_chances_view.h"
#include "form1.h"
#include "odds_list.h"
#include "radio_group.h"
#include "slot_picture.h"
#include "status_panels.h"
#include "window_text.h"

namespace korvana::ui {

namespace {

// Font sizes are character heights in pixels, so the layout does not depend
// on the screen's dots per inch.
QFont pixelFont(const QString& family, int pixels) {
    QFont font(family);
    font.setPixelSize(pixels);
    return font;
}

QFont timesFont() {
    return pixelFont(QStringLiteral("Times New Roman"), 13);
}

QLabel* makeCaption(QWidget* parent, const char* name, QRect geometry) {
    auto* label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(geometry);
    label->setFont(timesFont());
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    return label;
}

QWidget* makeLine(QWidget* parent, const char* name, QRect geometry) {
    auto* line = new QWidget(parent);
    line->setObjectName(QLatin1String(name));
    line->setGeometry(geometry);
    line->setAutoFillBackground(true);
    QPalette palette = line->palette();
    palette.setColor(QPalette::Window, Qt::black);
    line->setPalette(palette);
    return line;
}

// The player's style, with slider thumbs of a given length along the track.
class ThumbLengthStyle : public QProxyStyle {
public:
    explicit ThumbLengthStyle(int length) : length_(length) {}
    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override {
        if (metric == PM_SliderLength) return length_;
        return QProxyStyle::pixelMetric(metric, option, widget);
    }

private:
    int length_;
};

QSlider* makeSlider(QWidget* parent, const char* name, QRect geometry, int maximum, int position) {
    auto* slider = new QSlider(Qt::Horizontal, parent);
    // A thumb 10 pixels along the track: on a 100-pixel track of 21 or 26
    // positions it points at its position more closely than the style's own.
    auto* style = new ThumbLengthStyle(10);
    style->setParent(slider);
    slider->setStyle(style);
    slider->setObjectName(QLatin1String(name));
    slider->setGeometry(geometry);
    slider->setRange(0, maximum);
    slider->setValue(position);
    slider->setPageStep(1);
    return slider;
}

}  // namespace

void TForm1::createComponents() {
    setObjectName(QStringLiteral("Form1"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);

    client_ = new QWidget(this);
    client_->setObjectName(QStringLiteral("client"));
    client_->setFixedSize(kClientWidth, kClientHeight);
    client_->setFont(pixelFont(QStringLiteral("Tahoma"), 11));
    client_->setAutoFillBackground(true);
    QPalette white = client_->palette();
    white.setColor(QPalette::Window, Qt::white);
    client_->setPalette(white);
    setCentralWidget(client_);

    // Captions over the slot groups, each underlined by a one-pixel line.
    Label6 = makeCaption(client_, "Label6", {11, 30, 169, 15});
    Label5 = makeCaption(client_, "Label5", {203, 30, 258, 15});
    Label4 = makeCaption(client_, "Label4", {481, 30, 80, 15});
    Label1 = makeCaption(client_, "Label1", {573, 30, 80, 15});
    Shape3 = makeLine(client_, "Shape3", {11, 46, 169, 1});
    Shape4 = makeLine(client_, "Shape4", {203, 46, 258, 1});
    Shape1 = makeLine(client_, "Shape1", {481, 46, 80, 1});
    Shape2 = makeLine(client_, "Shape2", {573, 46, 80, 1});

    constexpr std::array<QPoint, kSlotCount> slotCorners{
        {{8, 50}, {97, 50}, {200, 50}, {289, 50}, {378, 50}, {478, 51}, {570, 50}}};
    for (int slot = 0; slot < kSlotCount; ++slot) {
        auto* picture = new SlotPicture(client_);
        picture->setObjectName(QStringLiteral("Image%1").arg(slot + 1));
        picture->setGeometry(QRect(slotCorners[static_cast<size_t>(slot)], QSize(86, 123)));
        Image[static_cast<size_t>(slot)] = picture;
    }

    ButtonGroup1 = new CardPicker(loadCardFaces(), client_);
    ButtonGroup1->setObjectName(QStringLiteral("ButtonGroup1"));
    ButtonGroup1->setGeometry(8, 180, 600, 240);

    FoldButton1 = new QToolButton(client_);
    FoldButton1->setObjectName(QStringLiteral("FoldButton1"));
    FoldButton1->setGeometry(610, 178, 46, 240);
    FoldButton1->setFont(timesFont());
    FoldButton1->setFocusPolicy(Qt::NoFocus);

    RadioGroup1 = new RadioGroup(3, 3, client_);
    RadioGroup1->setObjectName(QStringLiteral("RadioGroup1"));
    RadioGroup1->setFont(timesFont());
    RadioGroup1->setGeometry(662, -2, 220, 34);
    RadioGroup1->setItemIndex(0);

    Autoswitch1 = new QCheckBox(client_);
    Autoswitch1->setObjectName(QStringLiteral("Autoswitch1"));
    Autoswitch1->setFont(timesFont());
    Autoswitch1->setGeometry(662, 34, 230, 15);

    ListBox2 = new OddsList(client_);
    ListBox2->setObjectName(QStringLiteral("ListBox2"));
    ListBox2->setFont(pixelFont(QStringLiteral("Tahoma"), 13));
    ListBox2->setGeometry(662, 50, 252, 164);
    ListBox2->setEnabled(false);  // never takes focus, never shows a selection

    // 662, 400 is kept free for the new-version notice; 8..914, 424..484 for the banners.

    StatusBar1 = new StatusPanels(client_);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusBar1->setGeometry(0, 488, 924, 20);

    // The sliders lie over the right part of the transparency and font-colour
    // panels, whose texts serve as their captions.
    TrackBar1 = makeSlider(client_, "TrackBar1", {542, 490, 100, 20}, 20, 0);
    TrackBar2 = makeSlider(client_, "TrackBar2", {730, 490, 100, 20}, 25, 25);

    Help1 = menuBar()->addMenu(QString());
    Help1->setObjectName(QStringLiteral("Help1"));
    Help2 = Help1->addAction(QString());
    About1 = Help1->addAction(QString());
    Tellafriend1 = Help1->addAction(QString());
    License1 = Help1->addAction(QString());
    Languages1 = menuBar()->addMenu(QString());
    Languages1->setObjectName(QStringLiteral("Languages1"));
    English1 = Languages1->addAction(kEnglishName);
    Russian1 = Languages1->addAction(kRussianName);
    English1->setCheckable(true);
    Russian1->setCheckable(true);
    Fold1 = menuBar()->addAction(QString());
    const std::pair<QAction*, const char*> actionNames[] = {
        {Help2, "Help2"},     {About1, "About1"},     {Tellafriend1, "Tellafriend1"},
        {License1, "License1"}, {English1, "English1"}, {Russian1, "Russian1"},
        {Fold1, "Fold1"}};
    for (const auto& [action, name] : actionNames) action->setObjectName(QLatin1String(name));

    // Under the odds list, with its own menu after the others.
    exactChances_ = new ExactChancesView(client_, ListBox2, ButtonGroup1, menuBar(),
                                         services_.settings, reportError_);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(60000);
    Timer1->setSingleShot(true);
    Timer1->setTimerType(Qt::PreciseTimer);
    Timer2 = new QTimer(this);
    Timer2->setObjectName(QStringLiteral("Timer2"));
    Timer2->setInterval(3600000);

    layout()->setSizeConstraint(QLayout::SetFixedSize);
    adjustSize();
}

// The texts the window has before the first language is applied.
void TForm1::showLayoutCaptions() {
    Help1->setTitle(QStringLiteral("&Help"));
    Languages1->setTitle(QStringLiteral("&Languages"));
    Fold1->setText(QStringLiteral("&Fold"));
    Help2->setText(entryText(Language::English, entry::Help));
    About1->setText(entryText(Language::English, entry::About));
    Tellafriend1->setText(entryText(Language::English, entry::TellAFriend));
    License1->setText(entryText(Language::English, entry::Licence));
    FoldButton1->setText(entryText(Language::English, entry::Fold));
    setWindowTitle(QString::fromStdString(windowCaption(Language::English)));
    setControlCaptions();
}

void TForm1::connectHandlers() {
    connect(ButtonGroup1, &CardPicker::itemClicked, this, &TForm1::ButtonGroup1ItemClick);
    for (int slot = 0; slot < kSlotCount; ++slot)
        connect(Image[static_cast<size_t>(slot)], &SlotPicture::clicked, this,
                [this, slot] { ImageClick(slot + 1); });
    connect(FoldButton1, &QToolButton::clicked, this, &TForm1::FoldButton1Click);
    connect(Fold1, &QAction::triggered, this, &TForm1::Fold1Click);
    connect(RadioGroup1, &RadioGroup::clicked, this, &TForm1::RadioGroup1Click);
    connect(Autoswitch1, &QCheckBox::clicked, this, &TForm1::Autoswitch1Click);
    connect(TrackBar1, &QSlider::valueChanged, this, &TForm1::TrackBar1Change);
    connect(TrackBar2, &QSlider::valueChanged, this, &TForm1::TrackBar2Change);
    connect(Timer1, &QTimer::timeout, this, &TForm1::Timer1Tick);
    connect(Timer2, &QTimer::timeout, this, &TForm1::Timer2Timer);
    connect(English1, &QAction::triggered, this, &TForm1::English1Click);
    connect(Russian1, &QAction::triggered, this, &TForm1::Russian1Click);
    connect(Help2, &QAction::triggered, this, &TForm1::Help2Click);
    connect(About1, &QAction::triggered, this, &TForm1::About1Click);
    connect(Tellafriend1, &QAction::triggered, this, &TForm1::Tellafriend1Click);
    connect(License1, &QAction::triggered, this, &TForm1::License1Click);
    ListBox2->setDrawItem(
        [this](QPainter& painter, int index, const QRect& rect) { ListBox2DrawItem(painter, index, rect); });
}

}  // namespace korvana::ui
