#pragma once
// The main window: the card table (picker, seven slots, fold), the odds list
// with the round selector and auto-switch, the two view sliders, the status
// panels and the menus. Its handlers carry the names of the components and
// events they serve; its own methods do the work (showAnalysis, toggleCard,
// changelanguage, changeswitch).
//
// Failures (a picture that cannot be loaded, a settings store that cannot be
// read or written) are thrown by the methods and caught by the handlers, which
// report them and skip the rest of their work: what was done before stays done.
#include <QMainWindow>
#include <array>
#include <optional>
#include <string>

#include "analysis.h"
#include "card_table.h"
#include "string_table.h"
#include "window_services.h"

class QAction;
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
class RadioGroup;
class SlotPicture;
class StatusPanels;

// Status panels by role.
enum StatusPanel { TimePassedPanel = 0, HandsPlayedPanel, BestHandPanel, TransparencyPanel, FontColourPanel };

class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    // Client area below the menu bar.
    static constexpr int kClientWidth = 924;
    static constexpr int kClientHeight = 508;

    // Builds the window and its start-up state (FormCreate): no cards, nothing
    // counted, the clock started, fully opaque. The language and the
    // auto-switch option are applied when the window is first shown.
    explicit TForm1(WindowServices services, QWidget* parent = nullptr);
    ~TForm1() override;

    // --- State -------------------------------------------------------------
    Language language() const { return language_; }
    const CardTable& table() const { return table_; }
    std::optional<Category> bestCategory() const { return bestCategory_; }
    Round round() const { return round_; }
    // Window alpha 55..255 set by the transparency slider.
    int alpha() const { return alpha_; }
    // The white area below the menu bar that holds every component; the online
    // services put the new-version notice and the banners here.
    QWidget* clientArea() const { return client_; }
    // The exact chances under the odds list, with their menu option.
    ExactChancesView* exactChances() const { return exactChances_; }

    // --- Methods (throw Failure) ---------------------------------------------
    // Analysis pass: rows of the known cards into ListBox2, RadioGroup1 moved to
    // the round auto-switch settles on, then the best-hand panel.
    void showAnalysis();
    void showBestHand();
    // Takes the card off the table, or puts it into the first empty slot.
    void toggleCard(const QString& card);
    // 0 = language from the settings store, 1 = English, 2 = Russian.
    void changelanguage(int value);
    // 0 = apply the stored auto-switch option, 1 = store "off", 2 = store "on".
    void changeswitch(int value);

    // --- Event handlers (report failures) ----------------------------------
    void FormShow();
    void ButtonGroup1ItemClick(int item);
    void ImageClick(int slot);  // slot 1..7
    void FoldButton1Click();
    void Fold1Click();
    void RadioGroup1Click();
    void Autoswitch1Click();
    void TrackBar1Change();
    void TrackBar2Change();
    // Refreshes the time-passed panel from the clock (also at a language choice).
    void Timer1Timer();
    // Timer1's tick, set for the next whole minute since start: shows that
    // minute even when the tick comes a moment early, and sets the next one.
    void Timer1Tick();
    void Timer2Timer();
    void English1Click();
    void Russian1Click();
    void Help2Click();
    void About1Click();
    void Tellafriend1Click();
    void License1Click();
    void ListBox2DrawItem(QPainter& painter, int index, const QRect& rect);

    // --- Components --------------------------------------------------------
    QLabel* Label1 = nullptr;  // "river"
    QLabel* Label4 = nullptr;  // "turn"
    QLabel* Label5 = nullptr;  // "flop"
    QLabel* Label6 = nullptr;  // "pocket cards"
    QWidget* Shape1 = nullptr;
    QWidget* Shape2 = nullptr;
    QWidget* Shape3 = nullptr;
    QWidget* Shape4 = nullptr;
    std::array<SlotPicture*, kSlotCount> Image{};  // Image[0] is Image1
    CardPicker* ButtonGroup1 = nullptr;
    QToolButton* FoldButton1 = nullptr;
    RadioGroup* RadioGroup1 = nullptr;
    QCheckBox* Autoswitch1 = nullptr;
    OddsList* ListBox2 = nullptr;
    StatusPanels* StatusBar1 = nullptr;
    QSlider* TrackBar1 = nullptr;  // transparency
    QSlider* TrackBar2 = nullptr;  // list font colour
    QMenu* Help1 = nullptr;
    QAction* Help2 = nullptr;
    QAction* About1 = nullptr;
    QAction* Tellafriend1 = nullptr;
    QAction* License1 = nullptr;
    QMenu* Languages1 = nullptr;
    QAction* English1 = nullptr;
    QAction* Russian1 = nullptr;
    QAction* Fold1 = nullptr;
    QTimer* Timer1 = nullptr;  // time passed, at every whole minute since start
    QTimer* Timer2 = nullptr;  // web check, every hour

Q_SIGNALS:
    // Hooks for the online services; the window only raises them.
    void helpRequested();
    void aboutRequested();
    void tellAFriendRequested();
    void licenceRequested();
    // Hourly, and at every language choice (the first one included).
    void webCheckDue();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void createComponents();
    void connectHandlers();
    void showLayoutCaptions();
    // Round selector, auto-switch box and slot captions in the current language.
    void setControlCaptions();
    void tickLanguage();
    void loadSlotPicture(int slot, const QString& path);
    void autoswitchClicked();
    void setTimePassedTick(const QDateTime& now, qint64 minute);
    void fold();
    // Runs a handler body; a failure is reported and ends it.
    template <class Body>
    void guarded(Body&& body);

    WindowServices services_;
    ErrorReporter reportError_;
    std::string decimalSeparator_;
    QWidget* client_ = nullptr;
    ExactChancesView* exactChances_ = nullptr;

    CardTable table_;
    Language language_ = Language::English;
    Round round_ = Round::Flop;
    std::optional<Category> bestCategory_;
    // States of the rows on show, which the painter turns into their fills.
    std::array<RowState, 10> rowStates_{};
    QDateTime start_;
    qint64 nextTickMinute_ = 1;  // the minute since start Timer1's tick is set for
    int alpha_ = 255;
    DesktopCentring* centring_ = nullptr;
};

}  // namespace korvana::ui
