#pragma once
// The main window: the card table (picker, seven slots, fold), the odds list
// with the round selector and auto-switch, the two view sliders, the status
// panels and the menus.
//
// The rules of the table live in the table session; the window forwards what
// the player does to it and shows the table it gets back.
//
// Failures (a picture that cannot be loaded, a settings store that cannot be
// read or written) are thrown inside and reported by the handler that met
// them, which skips the rest of its work: what was done before stays done.
#include <QMainWindow>
#include <QStringList>
#include <array>

#include "engine/rows/analysis.h"
#include "engine/table/table_session.h"
#include "services/failure.h"
#include "ui/main_window/translation.h"
#include "ui/main_window/window_services.h"
#include "ui/odds/light_palette.h"
#include "ui/status/status_panels.h"
#include "ui/table/card_keys.h"
#include "ui/table/card_table.h"

class QAction;
class QActionGroup;
class QCheckBox;
class QLabel;
class QMenu;
class QSlider;
class QTimer;
class QToolButton;

namespace korvana::ui {

class CardPicker;
class DesktopCentring;
class ExactChancesView;
class OddsList;
class PotOddsFields;
class RadioGroup;
class SlotPicture;
class StatusMessage;
class WinChanceView;

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    // Client area below the menu bar.

    // Builds the window and its start-up state: no cards, nothing counted, the
    // clock started, fully opaque. The stored choices are applied when the
    // window is first shown.
    explicit MainWindow(WindowServices services, QWidget* parent = nullptr);
    ~MainWindow() override;

    // --- What the window shows ------------------------------------------------
    const Hand& hand() const { return session_.table().hand; }
    int handsPlayed() const { return session_.table().handsPlayed; }
    // The odds rows on show.
    const QStringList& oddsRows() const;
    Round round() const { return session_.table().round; }
    bool autoSwitch() const { return session_.table().autoSwitch; }
    Language language() const { return language_; }
    QString panelText(StatusPanel panel) const;
    // The explanation of odds row 0..9; empty while the exact chances are hidden.
    QString oddsRowTooltip(int row) const;
    // The white area below the menu bar that holds every component; the online
    // services put the new-version notice and the banners here.
    QWidget* clientArea() const { return client_; }
    // The lights of the odds list: classic unless the player chose high contrast.
    LightPalette lightPalette() const { return lightPalette_; }
    // The short message of keyboard card entry over the left status panels;
    // empty while the panels show.
    QString statusMessage() const;
    QString decimalSeparator() const { return QString::fromStdString(decimalSeparator_); }
    // The pot odds boxes as they are (see PotOddsFields).
    QString potOddsVerdict() const;

    // --- What the player does ---------------------------------------------------
    // A choice in the Languages menu: stored, then every text follows it.
    void chooseLanguage(Language language);
    // The language and the auto-switch option as last chosen (done at every
    // showing of the window).
    void restoreStoredChoices();
    // A spot from elsewhere (the replay of a hand history), in the words of
    // Copy and Paste, taken as Paste takes it: one undo step, nothing changed
    // when it does not read. The pot and the call go into the pot odds boxes
    // (an empty call clears its box).
    void placeSpot(const QString& spotText, const QString& pot, const QString& call);

Q_SIGNALS:
    // Hooks for the online services; the window only raises them.
    void helpRequested();
    void aboutRequested();
    void tellAFriendRequested();
    void licenceRequested();
    // A hand-history file to replay: chosen with File > Open hand history or
    // dropped on the window.
    void handHistoryChosen(const QString& path);
    // Pasted text that reads as a hand history rather than a spot.
    void handHistoryPasted(const QString& text);
    // At every showing (restored from the task bar is not one), and every
    // time the window's texts take a language, the stored one at showing
    // included.
    void shown();
    void languageChanged();

protected:
    void showEvent(QShowEvent* event) override;
    // A new translation: every text of the window follows it.
    void changeEvent(QEvent* event) override;
    // Cards typed on the keyboard, whichever control has the focus.
    void keyPressEvent(QKeyEvent* event) override;
    // A file dropped on the window opens as a hand history.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    // Escape and Return in the window's text boxes.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createComponents();
    void createMenus();
    void connectHandlers();
    void showLayoutCaptions();

    // Shows what an action left on the table: the hands played, the slot
    // pictures of the touched slots, the auto-switch box, the round selector,
    // the odds rows with the exact chances, the picker and the best hand. The
    // pictures come first or last; a picture that fails ends the showing there.
    enum class Pictures { First, Last };
    void showTable(const TableUpdate& update, Pictures pictures = Pictures::Last);
    void showSlotPictures(const TableUpdate& update);
    // The picture of every slot that has none yet: its card's, or the empty slot's.
    void showBlankSlotPictures();
    // The table as it is, again (its texts follow the language).
    void showAnalysis();
    void showBestHand();
    void showHandsPlayed();
    void applyLanguage(Language language);
    // Every text of the window but the engine's, from the installed translation.
    void retranslate();
    // Round selector, auto-switch box and slot captions in the current language.
    void setControlCaptions();
    void tickLanguage();
    // Stores a new auto-switch option before the table takes it; false when
    // the store refused it (and the player has been told).
    bool keepAutoSwitch(bool on);
    void resetAutoSwitch();

    // Handlers; each reports its failure and stops there.
    void pickCard(int pickerItem);
    void clickSlot(int slot);  // 1..7
    void foldHand();
    void chooseRound();
    void toggleAutoSwitch();
    void changeTransparency();
    void changeFontColour();
    // A slider position the player chose; while the thumb is dragged only
    // where it is let go.
    void keepSliderPosition(QSlider* slider);
    void restoreSliderPositions();
    void menuLanguageChosen(QAction* action);
    void showElapsedTime();
    void elapsedTimerTick();

    // --- Lights and tooltips ---
    // Every control's tooltip in the current language.
    void setControlTooltips();
    // The round selector's tooltip: what it does, or that auto-switch chooses.
    void setRoundSelectorTooltip();
    // The View menu entry: stored first, then shown.
    void chooseHighContrastLights(bool on);
    void showLights(LightPalette palette);

    void loadSlotPicture(int slot, const QString& path);
    void setElapsedTick(const QDateTime& now, qint64 minute);
    // Runs a handler body; a failure is reported and ends it.
    template <class Body>
    void guarded(Body&& body);

    // --- Keyboard entry and undo --------------------------------------------
    void createCardEntry();
    void keepKeysOnTable();
    // The table takes the keys: typed cards, Copy and Paste.
    void focusTable();
    // Undo, Redo, Copy and Paste.
    void createEditMenu();
    void setCardEntryCaptions();
    // The table, the opponents and their range as text on the clipboard, and back.
    void copySpot();
    void pasteSpot();
    // The paste path: false when the text does not read (and the player was told).
    bool placeSpotText(const std::string& text);
    void createFileMenu();
    void setFileMenuCaptions();
    void chooseHandHistory();
    // The win strip's and the Opponents window's actions to the session.
    void connectSeats();
    void restoreStoredOpponents();
    void clickCard(Card card);  // a picker click, whether by mouse or by keys
    void typeCard(Card card);
    void takeLastCardOff();
    void showCardKeyMessage(CardKeyMessage message, const QString& detail = {});
    void enableHistoryActions();

    WindowServices services_;
    ErrorReporter reportError_;
    std::string decimalSeparator_;

    QWidget* client_ = nullptr;
    std::array<QLabel*, 4> groupCaptions_{};  // pocket cards, flop, turn, river
    std::array<SlotPicture*, kSlotCount> slotPictures_{};
    CardPicker* cardPicker_ = nullptr;
    QToolButton* foldButton_ = nullptr;
    RadioGroup* roundSelector_ = nullptr;
    QCheckBox* autoSwitchBox_ = nullptr;
    OddsList* oddsList_ = nullptr;
    StatusPanels* statusPanels_ = nullptr;
    QSlider* transparencySlider_ = nullptr;
    QSlider* fontColourSlider_ = nullptr;
    QMenu* helpMenu_ = nullptr;
    QAction* helpAction_ = nullptr;
    QAction* aboutAction_ = nullptr;
    QAction* tellAFriendAction_ = nullptr;
    QAction* licenceAction_ = nullptr;
    QMenu* languagesMenu_ = nullptr;
    QActionGroup* languageActions_ = nullptr;
    QAction* englishAction_ = nullptr;
    QAction* russianAction_ = nullptr;
    QAction* foldAction_ = nullptr;
    QTimer* elapsedTimer_ = nullptr;  // time passed, at every whole minute since start
    DesktopCentring* centring_ = nullptr;
    ExactChancesView* exactChances_ = nullptr;  // under the odds list, with its own menu
    QAction* highContrastAction_ = nullptr;     // in the View menu
    StatusMessage* statusMessage_ = nullptr;
    QMenu* fileMenu_ = nullptr;
    QAction* openHistoryAction_ = nullptr;
    QMenu* editMenu_ = nullptr;
    QAction* undoAction_ = nullptr;
    QAction* redoAction_ = nullptr;
    QAction* copyAction_ = nullptr;
    QAction* pasteAction_ = nullptr;
    CardKeys cardKeys_;
    WinChanceView* winChance_ = nullptr;  // the strip above the card table
    PotOddsFields* potOdds_ = nullptr;    // beside it

    // Auto-switch is off until the stored option is known, as the box is drawn.
    TableSession session_;
    Language language_ = Language::English;
    Translation translation_;  // language_'s, for the window texts
    // States of the rows on show, which the painter turns into their fills.
    std::array<RowState, 10> rowStates_{};
    LightPalette lightPalette_ = LightPalette::Classic;
    QDateTime start_;
    qint64 nextTickMinute_ = 1;  // the minute since start the elapsed timer is set for
};

// Defined here for every file of the window.
template <class Body>
void MainWindow::guarded(Body&& body) {
    try {
        body();
    } catch (const Failure& failure) {
        reportError_(failure.message());
    } catch (const std::exception& error) {
        reportError_(QString::fromLocal8Bit(error.what()));
    }
}

}  // namespace korvana::ui
