#include "ui/main_window/main_window.h"

#include <QAction>
#include <QActionGroup>
#include <QCheckBox>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QSlider>
#include <QTimer>
#include <QToolButton>
#include <algorithm>
#include <optional>

#include "engine/rows/row_text.h"
#include "services/failure.h"
#include "ui/common/window_texts.h"
#include "ui/desktop/desktop_centring.h"
#include "ui/main_window/radio_group.h"
#include "ui/odds/exact_chances_view.h"
#include "ui/odds/odds_list.h"
#include "ui/status/status_message.h"
#include "ui/status/time_passed.h"
#include "ui/table/card_picker.h"
#include "ui/table/picture_density.h"
#include "ui/table/picture_loader.h"
#include "ui/table/slot_picture.h"
#include "ui/table/tooltip_texts.h"
#include "ui/win_chance/pot_odds_fields.h"
#include "ui/win_chance/win_chance_view.h"

namespace korvana::ui {

namespace {

// The round selector's items, left to right.
constexpr std::array<Round, 3> kRoundItems{Round::Flop, Round::Turn, Round::River};

int itemOfRound(Round round) {
    return static_cast<int>(std::find(kRoundItems.begin(), kRoundItems.end(), round) -
                            kRoundItems.begin());
}

std::optional<Round> roundOfItem(int item) {
    if (item < 0 || item >= static_cast<int>(kRoundItems.size())) return std::nullopt;
    return kRoundItems[static_cast<size_t>(item)];
}

}  // namespace

MainWindow::MainWindow(WindowServices services, QWidget* parent)
    : QMainWindow(parent),
      services_(std::move(services)),
      decimalSeparator_(services_.decimalSeparator.toStdString()),
      session_(false, [this](bool on) { return keepAutoSwitch(on); }) {
    if (!services_.clock) services_.clock = systemClock();
    reportError_ = services_.reportError ? services_.reportError : messageBoxReporter(this);

    createComponents();
    createMenus();
    centring_ = new DesktopCentring(this);
    showLayoutCaptions();
    connectHandlers();

    start_ = services_.clock();
    setElapsedTick(start_, 1);
}

MainWindow::~MainWindow() = default;

// --- The view -----------------------------------------------------------------

const QStringList& MainWindow::oddsRows() const {
    return oddsList_->rows();
}

QString MainWindow::panelText(StatusPanel panel) const {
    return statusPanels_->panelText(panel);
}

QString MainWindow::oddsRowTooltip(int row) const {
    return exactChances_->rowTooltip(row);
}

// --- Analysis ---------------------------------------------------------------

void MainWindow::showTable(const TableUpdate& update, Pictures pictures) {
    winChance_->showTable(update.table, update.unfinished);
    enableHistoryActions();
    showHandsPlayed();
    if (pictures == Pictures::First) showSlotPictures(update);
    autoSwitchBox_->setChecked(update.table.autoSwitch);
    roundSelector_->setItemIndex(itemOfRound(update.table.round));
    // While auto-switch chooses the round the buttons say so, rather than
    // silently taking the player's choice back.
    roundSelector_->setItemsEnabled(!update.table.autoSwitch);
    setRoundSelectorTooltip();

    const Analysis& analysis = update.analysis;

    QStringList rows;
    rows.reserve(static_cast<qsizetype>(analysis.rows.size()));
    for (const std::string& row : rowTexts(analysis, language_, decimalSeparator_))
        rows << QString::fromStdString(row);
    for (size_t i = 0; i < rowStates_.size(); ++i) rowStates_[i] = analysis.rows[i].state;
    oddsList_->setRows(std::move(rows));
    exactChances_->show(analysis, language_, decimalSeparator_);
    cardPicker_->setCardsOnTable(update.table.hand);
    cardPicker_->setDeadCards(update.table.dead);
    showBestHand();
    if (pictures == Pictures::Last) showSlotPictures(update);
}

void MainWindow::showAnalysis() {
    showTable(session_.now());
}

void MainWindow::showBestHand() {
    statusPanels_->setPanelText(StatusPanel::BestHand, QString::fromStdString(bestHandText(
                                                           language_, session_.table().best)));
}

void MainWindow::showHandsPlayed() {
    statusPanels_->setPanelText(
        StatusPanel::HandsPlayed,
        panelLabel(WindowText::HandsPlayed) + QString::number(session_.table().handsPlayed));
}

// --- Card table -------------------------------------------------------------

void MainWindow::loadSlotPicture(int slot, const QString& path) {
    SlotPicture* picture = slotPictures_[static_cast<size_t>(slot - 1)];
    picture->setPicture(loadPictureForScreen(path, picture->devicePixelRatioF()));
}

void MainWindow::showSlotPictures(const TableUpdate& update) {
    for (const int slot : update.touchedSlots) {
        const std::optional<Card> card = update.table.hand.card(slot);
        loadSlotPicture(slot, card ? cardPicturePath(services_.pictureFolder,
                                                     QString::fromStdString(cardCode(*card)))
                                   : emptySlotPicturePath(services_.pictureFolder));
    }
}

void MainWindow::showBlankSlotPictures() {
    QImage empty;
    for (int slot = 1; slot <= kSlotCount; ++slot) {
        SlotPicture* picture = slotPictures_[static_cast<size_t>(slot - 1)];
        if (!picture->picture().isNull()) continue;
        if (const std::optional<Card> card = hand().card(slot)) {
            loadSlotPicture(slot, cardPicturePath(services_.pictureFolder,
                                                  QString::fromStdString(cardCode(*card))));
            continue;
        }
        // One file read for all the empty slots: a cold start stays quick.
        if (empty.isNull())
            empty = loadPictureForScreen(emptySlotPicturePath(services_.pictureFolder),
                                         picture->devicePixelRatioF());
        picture->setPicture(empty);
    }
}

void MainWindow::pickCard(int pickerItem) {
    const Card card = pickerCard(pickerItem);
    // A full table takes no eighth card: say so, as for a typed one. The
    // click still counts the table again, as every click does.
    if (judgeTypedCard(hand(), card) == TypedCardVerdict::NoRoom)
        showCardKeyMessage(CardKeyMessage::NoRoom, QString::fromStdString(cardCode(card)));
    clickCard(card);
}

void MainWindow::clickSlot(int slot) {
    // The first flop card shows its empty picture before the rows, the other
    // slots after them; a picture that fails leaves the rows as they were
    // drawn at that moment.
    guarded(
        [&] { showTable(session_.takeOff(slot), slot == 3 ? Pictures::First : Pictures::Last); });
}

void MainWindow::foldHand() {
    // The next hand starts with nothing half typed.
    cardKeys_.clear();
    statusMessage_->clear();
    guarded([&] { showTable(session_.fold(), Pictures::First); });
}

// --- View controls ------------------------------------------------------------

void MainWindow::chooseRound() {
    guarded([&] {
        if (const std::optional<Round> round = roundOfItem(roundSelector_->itemIndex()))
            showTable(session_.chooseRound(*round));
    });
}

// The box shows the table's auto-switch again afterwards: a change the store
// refused is not shown as made.
void MainWindow::toggleAutoSwitch() {
    guarded([&] { showTable(session_.switchAutoSwitch()); });
}

void MainWindow::changeTransparency() {
    // Fully opaque at 0, down to an alpha of 55 of 255 at 20.
    setWindowOpacity((255 - 10 * transparencySlider_->value()) / 255.0);
}

// A new font colour repaints every row.
void MainWindow::changeFontColour() {
    oddsList_->update();
}

void MainWindow::keepSliderPosition(QSlider* slider) {
    guarded([&] {
        if (slider == transparencySlider_)
            services_.settings.setTransparency(slider->value());
        else
            services_.settings.setFontColour(slider->value());
    });
}

// Positions never chosen stay as the sliders start, and are not written.
void MainWindow::restoreSliderPositions() {
    const auto restore = [&](QSlider* slider, std::optional<int> (SettingsStore::*stored)() const) {
        guarded([&] {
            if (const std::optional<int> position = (services_.settings.*stored)()) {
                const QSignalBlocker quiet(slider);  // restoring is not a new choice
                slider->setValue(*position);
            }
        });
    };
    restore(transparencySlider_, &SettingsStore::transparency);
    restore(fontColourSlider_, &SettingsStore::fontColour);
    changeTransparency();
    changeFontColour();
}

void MainWindow::showElapsedTime() {
    statusPanels_->setPanelText(StatusPanel::TimePassed, timePassedText(start_, services_.clock()));
}

void MainWindow::elapsedTimerTick() {
    const QDateTime now = services_.clock();
    const qint64 minutes = minutesAtTick(start_, now, nextTickMinute_);
    statusPanels_->setPanelText(StatusPanel::TimePassed, timePassedText(minutes));
    setElapsedTick(now, minutes + 1);
}

void MainWindow::setElapsedTick(const QDateTime& now, qint64 minute) {
    // Each tick is set afresh for the next whole minute, so ticks do not drift
    // away from the minutes they show.
    nextTickMinute_ = minute;
    elapsedTimer_->start(untilMinute(start_, now, minute));
}

// --- Start-up, settings, languages -------------------------------------------

void MainWindow::showEvent(QShowEvent* event) {
    // A window restored by the window system is not a new showing.
    if (!event->spontaneous()) {
        // The menu bar has its height only now; the window takes its final size
        // before it is placed.
        layout()->activate();
        centring_->centre();
    }
    QMainWindow::showEvent(event);
    if (!event->spontaneous()) {
        // An empty slot shows what it is from the first paint on.
        guarded([&] { showBlankSlotPictures(); });
        // Not the first box in the tab order: the keys are the table's.
        if (!focusWidget()) focusTable();
        restoreStoredChoices();
        Q_EMIT shown();
    }
}

void MainWindow::restoreStoredChoices() {
    // An unreadable option is reported on its own; the language is still applied.
    guarded([&] { exactChances_->applyStoredOption(); });
    restoreSliderPositions();
    restoreStoredOpponents();
    guarded([&] { potOdds_->applyStoredChoices(); });
    guarded([&] {
        const bool highContrast = services_.settings.highContrastLights().value_or(false);
        showLights(highContrast ? LightPalette::HighContrast : LightPalette::Classic);
    });
    guarded([&] {
        const StoredLanguage stored = services_.settings.language();
        Language language = language_;
        if (!stored.present) {
            language = Language::English;
            services_.settings.setLanguage(language);
        } else if (stored.language) {
            language = *stored.language;
        }
        // Any other stored text keeps the language the window already has.
        applyLanguage(language);
        resetAutoSwitch();
    });
}

void MainWindow::chooseLanguage(Language language) {
    guarded([&] {
        // Store first: a choice that cannot be saved leaves the window in one
        // language instead of switching the rows but not the captions.
        services_.settings.setLanguage(language);
        applyLanguage(language);
    });
}

void MainWindow::menuLanguageChosen(QAction* action) {
    tickLanguage();  // the menu toggled the tick itself; only a stored choice moves it
    chooseLanguage(action == russianAction_ ? Language::Russian : Language::English);
}

void MainWindow::applyLanguage(Language language) {
    language_ = language;
    winChance_->setLanguage(language);
    // A new translation reaches every text through changeEvent; the same one
    // again still replaces the captions the window was built with.
    if (!translation_.use(language)) retranslate();
    tickLanguage();
    showAnalysis();
    Q_EMIT languageChanged();
}

void MainWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) retranslate();
    QMainWindow::changeEvent(event);
}

void MainWindow::retranslate() {
    helpMenu_->setTitle(windowText(WindowText::Help));
    helpAction_->setText(windowText(WindowText::Help));
    aboutAction_->setText(windowText(WindowText::About));
    tellAFriendAction_->setText(windowText(WindowText::TellAFriend));
    licenceAction_->setText(windowText(WindowText::Licence));
    languagesMenu_->setTitle(windowText(WindowText::Languages));
    foldAction_->setText(windowText(WindowText::Fold));
    foldButton_->setText(windowText(WindowText::Fold));
    highContrastAction_->setText(menuEntryText(MenuEntry::HighContrastLights));
    setControlTooltips();
    setCardEntryCaptions();
    setFileMenuCaptions();
    setWindowTitle(windowCaption());
    setControlCaptions();
    showElapsedTime();
    showHandsPlayed();
    statusPanels_->setPanelText(StatusPanel::Transparency, panelLabel(WindowText::Transparency));
    statusPanels_->setPanelText(StatusPanel::FontColour, panelLabel(WindowText::FontColour));
}

void MainWindow::setControlCaptions() {
    roundSelector_->setCaption(windowText(WindowText::OddsToImprove));
    roundSelector_->setItems({windowText(WindowText::Flop), windowText(WindowText::Turn),
                              windowText(WindowText::River)});
    autoSwitchBox_->setText(windowText(WindowText::AutoSwitch));
    constexpr std::array<WindowText, 4> kGroupTexts{WindowText::PocketCards, WindowText::Flop,
                                                    WindowText::Turn, WindowText::River};
    for (size_t group = 0; group < groupCaptions_.size(); ++group)
        groupCaptions_[group]->setText(windowText(kGroupTexts[group]));
}

void MainWindow::tickLanguage() {
    englishAction_->setChecked(language_ == Language::English);
    russianAction_->setChecked(language_ == Language::Russian);
}

bool MainWindow::keepAutoSwitch(bool on) {
    bool kept = false;
    guarded([&] {
        services_.settings.setAutoSwitch(on);
        kept = true;
    });
    return kept;
}

void MainWindow::resetAutoSwitch() {
    const std::optional<bool> stored = services_.settings.autoSwitch();
    if (!stored) services_.settings.setAutoSwitch(true);
    // The table takes the stored state and the list follows it. Nothing is
    // stored again: the value is already there, and a store the player may
    // only read must not complain at every start.
    showTable(session_.restoreAutoSwitch(stored.value_or(true)));
}

// --- Lights and tooltips -------------------------------------------------------

void MainWindow::chooseHighContrastLights(bool on) {
    // The entry ticks only a stored choice; a choice that cannot be saved is
    // not shown as made.
    highContrastAction_->setChecked(lightPalette_ == LightPalette::HighContrast);
    guarded([&] {
        services_.settings.setHighContrastLights(on);
        showLights(on ? LightPalette::HighContrast : LightPalette::Classic);
    });
}

void MainWindow::showLights(LightPalette palette) {
    lightPalette_ = palette;
    highContrastAction_->setChecked(palette == LightPalette::HighContrast);
    oddsList_->update();
}

void MainWindow::setRoundSelectorTooltip() {
    roundSelector_->setToolTip(tooltipText(session_.table().autoSwitch
                                               ? TooltipControl::RoundChosenByAutoSwitch
                                               : TooltipControl::RoundSelector));
}

void MainWindow::setControlTooltips() {
    const auto tip = [](TooltipControl control) { return tooltipText(control); };
    QList<QString> cards;
    for (int item = 0; item < kPickerItems; ++item) cards << pickerCardTooltip(pickerCard(item));
    cardPicker_->setItemToolTips(std::move(cards));
    constexpr std::array<TooltipControl, kSlotCount> kSlotControls{
        TooltipControl::PocketCardSlot, TooltipControl::PocketCardSlot,
        TooltipControl::FlopCardSlot,   TooltipControl::FlopCardSlot,
        TooltipControl::FlopCardSlot,   TooltipControl::TurnSlot,
        TooltipControl::RiverSlot};
    for (size_t slot = 0; slot < slotPictures_.size(); ++slot)
        slotPictures_[slot]->setToolTip(tip(kSlotControls[slot]));
    setRoundSelectorTooltip();
    autoSwitchBox_->setToolTip(tip(TooltipControl::AutoSwitch));
    oddsList_->setToolTip(tip(TooltipControl::OddsList));
    transparencySlider_->setToolTip(tip(TooltipControl::TransparencySlider));
    fontColourSlider_->setToolTip(tip(TooltipControl::FontColourSlider));
    // The panels under the sliders are their captions and explain them too.
    constexpr std::array<std::pair<StatusPanel, TooltipControl>, StatusPanels::kPanelCount> kPanels{
        {
            {StatusPanel::TimePassed, TooltipControl::TimePassedPanel},
            {StatusPanel::HandsPlayed, TooltipControl::HandsPlayedPanel},
            {StatusPanel::BestHand, TooltipControl::BestHandPanel},
            {StatusPanel::Transparency, TooltipControl::TransparencySlider},
            {StatusPanel::FontColour, TooltipControl::FontColourSlider},
        }};
    for (const auto& [panel, control] : kPanels)
        statusPanels_->setPanelToolTip(panel, tip(control));
    foldButton_->setToolTip(tip(TooltipControl::Fold));
    const std::array<std::pair<QAction*, TooltipControl>, 9> kEntries{{
        {foldAction_, TooltipControl::Fold},
        {helpAction_, TooltipControl::HelpEntry},
        {aboutAction_, TooltipControl::AboutEntry},
        {tellAFriendAction_, TooltipControl::TellAFriendEntry},
        {licenceAction_, TooltipControl::LicenceEntry},
        {englishAction_, TooltipControl::LanguageEntry},
        {russianAction_, TooltipControl::LanguageEntry},
        {exactChances_->option(), TooltipControl::ExactChancesEntry},
        {highContrastAction_, TooltipControl::HighContrastLights},
    }};
    for (const auto& [action, control] : kEntries) action->setToolTip(tip(control));
}

}  // namespace korvana::ui
