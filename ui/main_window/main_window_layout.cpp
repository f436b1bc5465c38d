// Where every component of the main window sits, in client pixels at 96 dpi,
// with its font, and the menus. Behaviour lives in main_window.cpp.
#include <QAction>
#include <QActionGroup>
#include <QCheckBox>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QProxyStyle>
#include <QSlider>
#include <QThread>
#include <QTimer>
#include <QToolButton>

#include "ui/common/window_texts.h"
#include "ui/main_window/main_window.h"
#include "ui/main_window/radio_group.h"
#include "ui/main_window/window_plan.h"
#include "ui/odds/exact_chances_view.h"
#include "ui/odds/odds_list.h"
#include "ui/odds/odds_list_painter.h"
#include "ui/status/status_panels.h"
#include "ui/table/card_picker.h"
#include "ui/table/slot_picture.h"
#include "ui/table/tooltip_texts.h"
#include "ui/win_chance/pot_odds_fields.h"
#include "ui/win_chance/win_chance_view.h"

namespace korvana::ui {

namespace {

// Font sizes are character heights in pixels, so the layout does not depend
// on the screen's dots per inch. A family the system lacks is asked for by
// the installed substitute the font mapping chose for it: asked for by its
// own name, it would first send the system searching all fonts for a
// fallback. Every window text is English or Russian, which each of these
// fonts carries whole, so no other font is needed for a missing letter
// either, and that search is skipped as well.
QFont pixelFont(const QString& family, int pixels) {
    const QStringList substitutes = QFont::substitutes(family);
    QFont font(substitutes.isEmpty() ? family : substitutes.first());
    font.setPixelSize(pixels);
    font.setStyleStrategy(QFont::NoFontMerging);
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

QWidget* makeLine(QWidget* parent, QRect geometry) {
    auto* line = new QWidget(parent);
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
    int pixelMetric(PixelMetric metric, const QStyleOption* option,
                    const QWidget* widget) const override {
        if (metric == PM_SliderLength) return length_;
        return QProxyStyle::pixelMetric(metric, option, widget);
    }

private:
    int length_;
};

QSlider* makeSlider(QWidget* parent, const char* name, QRect geometry, int maximum, int position) {
    auto* slider = new QSlider(Qt::Horizontal, parent);
    slider->setObjectName(QLatin1String(name));
    slider->setGeometry(geometry);
    slider->setRange(0, maximum);
    slider->setValue(position);
    slider->setPageStep(1);
    return slider;
}

}  // namespace

void MainWindow::createComponents() {
    setObjectName(QStringLiteral("mainWindow"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);

    client_ = new QWidget(this);
    client_->setObjectName(QStringLiteral("client"));
    const WindowPlan& plan = kWindowPlan;
    client_->setFixedSize(plan.client);
    client_->setFont(pixelFont(QStringLiteral("Tahoma"), 11));
    client_->setAutoFillBackground(true);
    QPalette white = client_->palette();
    white.setColor(QPalette::Window, Qt::white);
    client_->setPalette(white);
    setCentralWidget(client_);

    // Captions over the slot groups, each underlined by a one-pixel line.
    constexpr std::array<const char*, 4> kGroupNames{"pocketCardsCaption", "flopCaption",
                                                     "turnCaption", "riverCaption"};
    for (size_t group = 0; group < kGroupNames.size(); ++group) {
        const QRect box = plan.groupCaptions[group];
        groupCaptions_[group] = makeCaption(client_, kGroupNames[group], box);
        makeLine(client_, QRect(box.left(), plan.captionLine, box.width(), 1));
    }

    for (size_t slot = 0; slot < plan.slotCorners.size(); ++slot) {
        auto* picture = new SlotPicture(client_);
        picture->setObjectName(QStringLiteral("slotPicture%1").arg(slot + 1));
        picture->setGeometry(QRect(plan.slotCorners[slot], plan.slotSize));
        slotPictures_[slot] = picture;
    }

    cardPicker_ = new CardPicker(loadCardFaces(), client_);
    cardPicker_->setObjectName(QStringLiteral("cardPicker"));
    cardPicker_->setGeometry(plan.cardPicker);

    foldButton_ = new QToolButton(client_);
    foldButton_->setObjectName(QStringLiteral("foldButton"));
    foldButton_->setGeometry(plan.foldButton);
    foldButton_->setFont(timesFont());
    foldButton_->setFocusPolicy(Qt::NoFocus);

    roundSelector_ = new RadioGroup(3, 3, client_);
    roundSelector_->setObjectName(QStringLiteral("roundSelector"));
    roundSelector_->setFont(timesFont());
    roundSelector_->setGeometry(plan.roundSelector);
    roundSelector_->setItemIndex(0);

    autoSwitchBox_ = new QCheckBox(client_);
    autoSwitchBox_->setObjectName(QStringLiteral("autoSwitchBox"));
    autoSwitchBox_->setFont(timesFont());
    autoSwitchBox_->setGeometry(plan.autoSwitchBox);

    oddsList_ = new OddsList(client_);
    oddsList_->setObjectName(QStringLiteral("oddsList"));
    oddsList_->setFont(pixelFont(QStringLiteral("Tahoma"), 13));
    oddsList_->setGeometry(plan.oddsList);
    oddsList_->setEnabled(false);  // never takes focus, never shows a selection

    statusPanels_ = new StatusPanels(client_);
    statusPanels_->setObjectName(QStringLiteral("statusPanels"));
    statusPanels_->setGeometry(plan.statusPanels);

    // The sliders lie over the right part of the transparency and font-colour
    // panels, whose texts serve as their captions.
    transparencySlider_ = makeSlider(client_, "transparencySlider", plan.transparencySlider, 20, 0);
    fontColourSlider_ = makeSlider(client_, "fontColourSlider", plan.fontColourSlider, 25, 25);
    // A thumb 10 pixels along the track: on a 100-pixel track of 21 or 26
    // positions it points at its position more closely than the style's own.
    // One style serves both sliders, as each builds a whole copy of the
    // player's style; made after them, it is destroyed after them.
    auto* thumbStyle = new ThumbLengthStyle(10);
    thumbStyle->setParent(client_);
    for (QSlider* slider : {transparencySlider_, fontColourSlider_}) slider->setStyle(thumbStyle);

    elapsedTimer_ = new QTimer(this);
    elapsedTimer_->setObjectName(QStringLiteral("elapsedTimer"));
    elapsedTimer_->setInterval(60000);
    elapsedTimer_->setSingleShot(true);
    elapsedTimer_->setTimerType(Qt::PreciseTimer);

    // Above the card table, counting on every core: the window's thread
    // sleeps between clicks, so the system wakes it ahead of the counting
    // threads and a click is still drawn at once (bench_ui_card_click).
    winChance_ =
        new WinChanceView(client_, services_.settings, reportError_, services_.decimalSeparator,
                          QThread::idealThreadCount(), services_.rangeLibrary);
    winChance_->place(plan.winChance);
    potOdds_ =
        new PotOddsFields(services_.settings, reportError_, services_.decimalSeparator, client_);
    potOdds_->setObjectName(QStringLiteral("potOdds"));
    potOdds_->setFont(client_->font());
    connect(winChance_, &WinChanceView::equityShown, potOdds_, &PotOddsFields::showEquity);
}

void MainWindow::createMenus() {
    const auto addAction = [](QMenu* menu, const char* name) {
        QAction* action = menu->addAction(QString());
        action->setObjectName(QLatin1String(name));
        return action;
    };
    createFileMenu();
    helpMenu_ = menuBar()->addMenu(QString());
    helpMenu_->setObjectName(QStringLiteral("helpMenu"));
    helpAction_ = addAction(helpMenu_, "helpAction");
    aboutAction_ = addAction(helpMenu_, "aboutAction");
    tellAFriendAction_ = addAction(helpMenu_, "tellAFriendAction");
    licenceAction_ = addAction(helpMenu_, "licenceAction");

    languagesMenu_ = menuBar()->addMenu(QString());
    languagesMenu_->setObjectName(QStringLiteral("languagesMenu"));
    // The entries tick the language in use with a check mark rather than a
    // radio dot, and the window moves the tick only once a choice is stored.
    languageActions_ = new QActionGroup(this);
    languageActions_->setExclusionPolicy(QActionGroup::ExclusionPolicy::None);
    englishAction_ = addAction(languagesMenu_, "englishAction");
    russianAction_ = addAction(languagesMenu_, "russianAction");
    for (QAction* action : {englishAction_, russianAction_}) {
        action->setCheckable(true);
        languageActions_->addAction(action);
    }
    englishAction_->setText(languageName(Language::English));
    russianAction_->setText(languageName(Language::Russian));

    foldAction_ = menuBar()->addAction(QString());
    foldAction_->setObjectName(QStringLiteral("foldAction"));
    createCardEntry();

    // Under the odds list, with its own menu after the others.
    exactChances_ = new ExactChancesView(client_, oddsList_, cardPicker_, menuBar(),
                                         services_.settings, reportError_);
    exactChances_->place(kWindowPlan.exactPanel);

    // The lights are a view option too.
    highContrastAction_ = addAction(exactChances_->menu(), "highContrastLightsAction");
    highContrastAction_->setCheckable(true);
    for (QMenu* menu : {helpMenu_, languagesMenu_, exactChances_->menu()})
        menu->setToolTipsVisible(true);

    layout()->setSizeConstraint(QLayout::SetFixedSize);
    adjustSize();
}

// The texts the window has before the first language is applied.
void MainWindow::showLayoutCaptions() {
    helpMenu_->setTitle(tr("&Help"));
    languagesMenu_->setTitle(tr("&Languages"));
    foldAction_->setText(tr("&Fold"));
    helpAction_->setText(windowText(WindowText::Help));
    aboutAction_->setText(windowText(WindowText::About));
    tellAFriendAction_->setText(windowText(WindowText::TellAFriend));
    licenceAction_->setText(windowText(WindowText::Licence));
    foldButton_->setText(windowText(WindowText::Fold));
    highContrastAction_->setText(menuEntryText(MenuEntry::HighContrastLights));
    setCardEntryCaptions();
    setFileMenuCaptions();
    setWindowTitle(windowCaption());
    setControlCaptions();
    setControlTooltips();

    // The pot odds at the right-hand end of the menu bar; its boxes are no
    // taller than the bar's captions, so the client area stays where it was.
    menuBar()->setCornerWidget(potOdds_, Qt::TopRightCorner);
}

void MainWindow::connectHandlers() {
    connect(cardPicker_, &CardPicker::itemClicked, this, &MainWindow::pickCard);
    for (int slot = 1; slot <= kSlotCount; ++slot)
        connect(slotPictures_[static_cast<size_t>(slot - 1)], &SlotPicture::clicked, this,
                [this, slot] { clickSlot(slot); });
    connect(foldButton_, &QToolButton::clicked, this, &MainWindow::foldHand);
    connect(foldAction_, &QAction::triggered, this, &MainWindow::foldHand);
    connect(roundSelector_, &RadioGroup::clicked, this, &MainWindow::chooseRound);
    connect(autoSwitchBox_, &QCheckBox::clicked, this, &MainWindow::toggleAutoSwitch);
    connect(transparencySlider_, &QSlider::valueChanged, this, &MainWindow::changeTransparency);
    connect(fontColourSlider_, &QSlider::valueChanged, this, &MainWindow::changeFontColour);
    for (QSlider* slider : {transparencySlider_, fontColourSlider_}) {
        connect(slider, &QSlider::valueChanged, this, [this, slider] {
            if (!slider->isSliderDown()) keepSliderPosition(slider);
        });
        connect(slider, &QSlider::sliderReleased, this,
                [this, slider] { keepSliderPosition(slider); });
    }
    connect(elapsedTimer_, &QTimer::timeout, this, &MainWindow::elapsedTimerTick);
    connect(languageActions_, &QActionGroup::triggered, this, &MainWindow::menuLanguageChosen);
    // The online services answer these.
    connect(helpAction_, &QAction::triggered, this, &MainWindow::helpRequested);
    connect(aboutAction_, &QAction::triggered, this, &MainWindow::aboutRequested);
    connect(tellAFriendAction_, &QAction::triggered, this, &MainWindow::tellAFriendRequested);
    connect(licenceAction_, &QAction::triggered, this, &MainWindow::licenceRequested);
    connect(highContrastAction_, &QAction::triggered, this, &MainWindow::chooseHighContrastLights);
    connectSeats();
    // Each row in the fill of its state and the text of the font colour slider,
    // in the lights the player chose.
    oddsList_->setRowPainter([this](QPainter& painter, int index, const QRect& rect) {
        painter.setFont(oddsList_->font());
        paintOddsRow(painter, rect, oddsList_->rows().value(index), lightPalette_,
                     rowStates_.at(static_cast<size_t>(index)), fontColourSlider_->value());
    });
}

}  // namespace korvana::ui
