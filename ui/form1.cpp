#include "form1.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QMenu>
#include <QLayout>
#include <QPainter>
#include <QShowEvent>
#include <QSlider>
#include <QTimer>
#include <QToolButton>

#include "card_picker.h"
#include "desktop_centring.h"
#include "exact_chances_view.h"
#include "failure.h"
#include "odds_list.h"
#include "odds_list_painter.h"
#include "picture_density.h"
#include "picture_loader.h"
#include "row_text.h"
#include "radio_group.h"
#include "slot_picture.h"
#include "status_panels.h"
#include "time_passed.h"
#include "window_text.h"

namespace korvana::ui {

namespace {
const QString kEnglishValue = QStringLiteral("english");
const QString kRussianValue = QStringLiteral("russian");
}  // namespace

TForm1::TForm1(WindowServices services, QWidget* parent)
    : QMainWindow(parent),
      services_(std::move(services)),
      decimalSeparator_(services_.decimalSeparator.toStdString()) {
    if (!services_.clock) services_.clock = systemClock();
    reportError_ = services_.reportError ? services_.reportError : messageBoxReporter(this);

    createComponents();
    centring_ = new DesktopCentring(this);
    showLayoutCaptions();
    connectHandlers();

    start_ = services_.clock();
    setTimePassedTick(start_, 1);
    Timer2->start();
}

TForm1::~TForm1() = default;

template <class Body>
void TForm1::guarded(Body&& body) {
    try {
        body();
    } catch (const Failure& failure) {
        reportError_(failure.message());
    } catch (const std::exception& error) {
        reportError_(QString::fromLocal8Bit(error.what()));
    }
}

// --- Analysis ---------------------------------------------------------------

void TForm1::showAnalysis() {
    const Analysis analysis = analyse(table_.hand(), round_, Autoswitch1->isChecked(), bestCategory_);
    bestCategory_ = analysis.best;
    // The pass has already followed every move of the round, so the selector
    // only has to show where it settled.
    round_ = analysis.round;
    RadioGroup1->setItemIndex(static_cast<int>(round_));

    QStringList rows;
    rows.reserve(static_cast<qsizetype>(analysis.rows.size()));
    for (const std::string& row : rowTexts(analysis, language_, decimalSeparator_)) rows << QString::fromStdString(row);
    for (size_t i = 0; i < rowStates_.size(); ++i) rowStates_[i] = analysis.rows[i].state;
    ListBox2->setRows(std::move(rows));
    exactChances_->show(analysis, language_, decimalSeparator_);
    showBestHand();
}

void TForm1::showBestHand() {
    StatusBar1->setPanelText(BestHandPanel, QString::fromStdString(bestHandText(language_, bestCategory_)));
}

void TForm1::ListBox2DrawItem(QPainter& painter, int index, const QRect& rect) {
    painter.setFont(ListBox2->font());
    paintOddsRow(painter, rect, ListBox2->rows().value(index), rowStates_.at(static_cast<size_t>(index)),
                 rowTextColour(TrackBar2->value()));
}

// --- Card table -------------------------------------------------------------

void TForm1::loadSlotPicture(int slot, const QString& path) {
    SlotPicture* picture = Image[static_cast<size_t>(slot)];
    picture->setPicture(loadPictureForScreen(path, picture->devicePixelRatioF()));
}

void TForm1::toggleCard(const QString& card) {
    const auto parsed = parseCardCode(card.toStdString());
    if (!parsed) return;  // the picker only hands out the 52 codes
    const CardToggle toggle = table_.toggleCard(*parsed);
    if (toggle.outcome == CardToggle::Outcome::TakenOff)
        loadSlotPicture(toggle.slot - 1, emptySlotPicturePath(services_.pictureFolder));
    else if (toggle.outcome == CardToggle::Outcome::PutOn)
        loadSlotPicture(toggle.slot - 1, cardPicturePath(services_.pictureFolder, card));
    showAnalysis();
}

void TForm1::ButtonGroup1ItemClick(int item) {
    guarded([&] { toggleCard(pickerCardCode(item)); });
}

void TForm1::ImageClick(int slot) {
    guarded([&] {
        const int index = slot - 1;
        table_.empty(slot);
        const QString picture = emptySlotPicturePath(services_.pictureFolder);
        // The first flop card shows its empty picture before the analysis; if
        // that picture fails, the analysis has not run yet.
        if (slot == 3) {
            loadSlotPicture(index, picture);
            showAnalysis();
        } else {
            showAnalysis();
            loadSlotPicture(index, picture);
        }
    });
}

void TForm1::fold() {
    const int cleared = table_.clear();
    for (int slot = 0; slot < kSlotCount; ++slot)
        loadSlotPicture(slot, emptySlotPicturePath(services_.pictureFolder));
    // Only a hand that was really dealt counts: two cards or more.
    if (cleared >= 2) {
        table_.countHand();
        StatusBar1->setPanelText(HandsPlayedPanel, panelLabel(language_, entry::HandsPlayed) +
                                                       QString::number(table_.handsPlayed()));
    }
    showAnalysis();
}

void TForm1::FoldButton1Click() {
    guarded([&] { fold(); });
}

void TForm1::Fold1Click() {
    FoldButton1Click();
}

// --- View controls ------------------------------------------------------------

void TForm1::RadioGroup1Click() {
    guarded([&] {
        const int item = RadioGroup1->itemIndex();
        if (item >= 0 && item <= 2) round_ = static_cast<Round>(item);
        showAnalysis();
    });
}

void TForm1::autoswitchClicked() {
    changeswitch(Autoswitch1->isChecked() ? 2 : 1);
    showAnalysis();
}

void TForm1::Autoswitch1Click() {
    guarded([&] { autoswitchClicked(); });
}

void TForm1::TrackBar1Change() {
    alpha_ = 255 - 10 * TrackBar1->value();
    setWindowOpacity(alpha_ / 255.0);
}

void TForm1::TrackBar2Change() {
    guarded([&] { showAnalysis(); });
}

void TForm1::Timer1Timer() {
    StatusBar1->setPanelText(TimePassedPanel, timePassedText(language_, start_, services_.clock()));
}

void TForm1::Timer1Tick() {
    const QDateTime now = services_.clock();
    const qint64 minutes = minutesAtTick(start_, now, nextTickMinute_);
    StatusBar1->setPanelText(TimePassedPanel, timePassedText(language_, minutes));
    setTimePassedTick(now, minutes + 1);
}

void TForm1::setTimePassedTick(const QDateTime& now, qint64 minute) {
    // Each tick is set afresh for the next whole minute, so ticks do not drift
    // away from the minutes they show.
    nextTickMinute_ = minute;
    Timer1->start(untilMinute(start_, now, minute));
}

void TForm1::Timer2Timer() {
    Q_EMIT webCheckDue();
}

// --- Start-up, settings, languages -------------------------------------------

void TForm1::showEvent(QShowEvent* event) {
    // A window restored by the window system is not a new showing.
    if (!event->spontaneous()) {
        // The menu bar has its height only now; the window takes its final size
        // before it is placed.
        layout()->activate();
        centring_->centre();
    }
    QMainWindow::showEvent(event);
    if (!event->spontaneous()) FormShow();
}

void TForm1::FormShow() {
    // An unreadable option is reported on its own; the language is still applied.
    guarded([&] { exactChances_->applyStoredOption(); });
    guarded([&] {
        changelanguage(0);
        changeswitch(0);
    });
}

void TForm1::changelanguage(int value) {
    if (value == 0) {
        if (const auto stored = services_.settings.language()) {
            // Any other stored text keeps the language the window already has.
            if (*stored == kEnglishValue) language_ = Language::English;
            else if (*stored == kRussianValue) language_ = Language::Russian;
        } else {
            language_ = Language::English;
            services_.settings.setLanguage(kEnglishValue);
        }
    } else {
        const Language chosen = value == 2 ? Language::Russian : Language::English;
        // Store first: a choice that cannot be saved leaves the window in one
        // language instead of switching the rows but not the captions.
        services_.settings.setLanguage(chosen == Language::Russian ? kRussianValue : kEnglishValue);
        language_ = chosen;
    }

    Help1->setTitle(entryText(language_, entry::Help));
    Help2->setText(entryText(language_, entry::Help));
    About1->setText(entryText(language_, entry::About));
    Tellafriend1->setText(entryText(language_, entry::TellAFriend));
    License1->setText(entryText(language_, entry::Licence));
    Languages1->setTitle(entryText(language_, entry::Languages));
    Fold1->setText(entryText(language_, entry::Fold));
    FoldButton1->setText(entryText(language_, entry::Fold));
    tickLanguage();
    setWindowTitle(QString::fromStdString(windowCaption(language_)));

    showAnalysis();
    Timer1Timer();
    Timer2Timer();
    setControlCaptions();
    StatusBar1->setPanelText(HandsPlayedPanel, panelLabel(language_, entry::HandsPlayed) +
                                                   QString::number(table_.handsPlayed()));
    StatusBar1->setPanelText(TransparencyPanel, panelLabel(language_, entry::Transparency));
    StatusBar1->setPanelText(FontColourPanel, panelLabel(language_, entry::FontColor));
}

void TForm1::setControlCaptions() {
    RadioGroup1->setCaption(entryText(language_, entry::OddsToImprove));
    RadioGroup1->setItems({entryText(language_, entry::Flop), entryText(language_, entry::Turn),
                           entryText(language_, entry::River)});
    Autoswitch1->setText(entryText(language_, entry::AutoSwitch));
    Label1->setText(entryText(language_, entry::River));
    Label4->setText(entryText(language_, entry::Turn));
    Label5->setText(entryText(language_, entry::Flop));
    Label6->setText(entryText(language_, entry::PocketCards));
}

void TForm1::tickLanguage() {
    English1->setChecked(language_ == Language::English);
    Russian1->setChecked(language_ == Language::Russian);
}

void TForm1::changeswitch(int value) {
    if (value == 0) {
        bool on = true;
        if (const auto stored = services_.settings.autoswitch()) on = *stored != 0;
        else services_.settings.setAutoswitch(1);
        // The box takes the stored state and the list follows it. Nothing is
        // stored again: the value is already there, and a store the player may
        // only read must not complain at every start.
        if (Autoswitch1->isChecked() != on) {
            Autoswitch1->setChecked(on);
            showAnalysis();
        }
    } else {
        services_.settings.setAutoswitch(value == 2 ? 1 : 0);
    }
}

void TForm1::English1Click() {
    tickLanguage();  // the menu toggled the tick itself; only a stored choice moves it
    guarded([&] { changelanguage(1); });
}

void TForm1::Russian1Click() {
    tickLanguage();
    guarded([&] { changelanguage(2); });
}

// --- Online hooks --------------------------------------------------------------

void TForm1::Help2Click() {
    Q_EMIT helpRequested();
}

void TForm1::About1Click() {
    Q_EMIT aboutRequested();
}

void TForm1::Tellafriend1Click() {
    Q_EMIT tellAFriendRequested();
}

void TForm1::License1Click() {
    Q_EMIT licenceRequested();
}

}  // namespace korvana::ui
