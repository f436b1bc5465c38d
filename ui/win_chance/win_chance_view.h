#pragma once
// The win chance beside the table: the panel above the card table, the count
// behind it and the window of the opponents' ranges. The opponents' seats are
// the table session's: this shows them, says what the player does to them,
// and keeps them in the settings. The hero's own range, counted while his
// pocket slots are empty, is this view's: typed in the window's You row and
// kept in the settings as it is finished.
//
// After every table change the count starts again for the new table and the
// figure on show is greyed until the first figure of the new table comes
// (well within a fifth of a second), then refined until it is final. A range
// that does not read is marked on its row and changes nothing else: the last
// good range and its figure stay.
#include <QObject>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>
#include <vector>

#include "engine/cards/hand.h"
#include "engine/equity/win_chance.h"
#include "engine/table/table_history.h"
#include "engine/text/language.h"
#include "settings/settings_store.h"
#include "ui/common/error_reporter.h"
#include "ui/ranges/range_library_file.h"

class QWidget;

namespace korvana::ui {

class OpponentRangesWindow;
class WinChanceJob;
class WinChancePanel;

class WinChanceView : public QObject {
    Q_OBJECT
public:
    // threads: how many threads one count may use. library: the named
    // ranges a range may name as "@name".
    WinChanceView(QWidget* clientArea, SettingsStore settings, ErrorReporter reportError,
                  QString decimalSeparator, int threads,
                  RangeLibraryFile library = RangeLibraryFile());
    ~WinChanceView() override;

    // Where the strip sits in the client area.
    void place(const QRect& strip);

    // After every table change: counts the hero's cards against the seats
    // playing (again only when either changed), shows the seats, and stores
    // them unless a range is still being typed.
    void showTable(const TableSnapshot& table, bool unfinished = false);
    // The opponents as stored (1 opponent holding any two cards when never
    // chosen); nothing is written. A value that cannot be read is reported
    // and falls back alone.
    Opponents storedOpponents();

    WinChancePanel* panel() const { return panel_; }
    // The language of the engine's texts (the hand names of the grid window,
    // what is wrong with a range).
    void setLanguage(Language language);
    // Opens (or raises) the window of the opponents' ranges.
    void showRanges();
    // Null until first opened.
    OpponentRangesWindow* rangesWindow() const { return ranges_; }

Q_SIGNALS:
    // The hand's equity (0..1) of the figure on show; nullopt while none is.
    void equityShown(std::optional<double> equity);
    // What the player does to the seats, for the table session.
    void opponentsChosen(int count);
    void rangeTyped(int opponent, const QString& text);
    void rangeFinished(int opponent);
    void rangeChosen(int opponent, const QString& text);  // on the grid
    void rangeCopied(int opponent);                       // to every other seat
    // The library of named ranges read again (the player may have edited or
    // saved into it), for the seats that name one.
    void rangeLibraryRead(const korvana::RangeLibrary& library);

private:
    void showRangeRow(int opponent);
    // The hero's range as typed in the You row (blank for none), stored
    // once finished; and its row.
    void typeHeroRange(const QString& text);
    void keepHeroRange();
    void showHeroRow();
    // Reads the library's file again (the player may have edited it) and
    // the ranges that name one with it.
    void readLibrary();
    void showOpponentFigures();
    void openGrid(int opponent);
    void keepChoices();
    void recount();
    void showCount(const EquityResult& result, bool final);
    void showFailure(const EquityError& error);

    SettingsStore settings_;
    ErrorReporter reportError_;
    WinChancePanel* panel_;
    WinChanceJob* job_;
    Hand hand_;
    std::vector<Card> dead_;  // seen folded
    Opponents opponents_;
    // What the count on show was started for: the cards and the ranges.
    struct CountedSpot {
        std::array<std::optional<Card>, kSlotCount> cards;
        // The ranges themselves: "@name" reads anew when the library changes.
        std::vector<HandRange> ranges;
        std::vector<Card> dead;
        std::string heroRange;
        friend bool operator==(const CountedSpot&, const CountedSpot&) = default;
    };
    std::optional<CountedSpot> counted_;
    // What the store holds.
    int storedCount_ = 1;
    std::array<QString, kMaxOpponents> storedRanges_{};
    QString decimalSeparator_;
    int threads_;
    Language language_ = Language::English;
    OpponentRangesWindow* ranges_ = nullptr;
    // The hero's range: as typed, the last text that read and its range
    // (null for none), what is wrong with the typed text, what the store
    // holds, and whether the count on show is of it.
    QString heroTyped_, heroText_, heroStored_;
    std::shared_ptr<const HandRange> heroRange_;
    std::optional<RangeError> heroProblem_;
    bool countingHeroRange_ = false;
    RangeLibraryFile libraryFile_;
    std::optional<EquityResult> lastCount_;  // the figure on show
};

}  // namespace korvana::ui
