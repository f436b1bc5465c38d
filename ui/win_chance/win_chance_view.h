#pragma once
// The win chance beside the table: the panel above the card table, the count
// behind it, the window of the opponents' ranges and the player's choices of
// opponents and their ranges, which the settings keep.
//
// After every table change the count starts again for the new table and the
// figure on show is greyed until the first figure of the new table comes
// (well within a fifth of a second), then refined until it is final. A range
// that does not read is marked on its row and changes nothing else: the last
// good range and its figure stay.
#include <QObject>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

#include "engine/cards/hand.h"
#include "engine/equity/win_chance.h"
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

    // After every table change.
    void showTable(const Hand& hand);
    // The opponents and ranges as stored (1 opponent holding any two cards when
    // never chosen); nothing is written. Throws Failure when a stored value
    // cannot be read.
    void applyStoredChoices();

    WinChancePanel* panel() const { return panel_; }
    // The language of the engine's texts (the hand names of the grid window,
    // what is wrong with a range).
    void setLanguage(Language language);
    // Opens (or raises) the window of the opponents' ranges.
    void showRanges();
    // Null until first opened.
    OpponentRangesWindow* rangesWindow() const { return ranges_; }

    // The opposition counted against: the number of opponents and the text
    // of the first one's range ("" for any two cards), as a spot is copied.
    int opponents() const { return opposition_.opponents; }
    QString rangeText() const { return goodRange_.front(); }
    // Both at once, every opponent holding the range, as if the player had
    // set them (a pasted spot): shown, counted and stored. The range must
    // read (see opponentRange).
    void chooseOpposition(int opponents, const QString& range);
    // The named ranges as last read.
    const RangeLibrary& rangeLibrary() const { return library_; }

Q_SIGNALS:
    // The hand's equity (0..1) of the figure on show; nullopt while none is.
    void equityShown(std::optional<double> equity);

private:
    void chooseOpponents(int opponents);
    void editRange(int opponent, const QString& text);
    void keepRange(int opponent);
    void copyRange(int opponent);
    // Applies opponent n's range text; false when it does not read (and is
    // marked so).
    bool takeRange(int opponent, const QString& text);
    void showRangeRow(int opponent);
    // Reads the library's file again (the player may have edited it) and
    // the ranges that name one with it.
    void readLibrary();
    void showOpponentFigures();
    void openGrid(int opponent);
    void recount();
    void showCount(const EquityResult& result, bool final);
    void showFailure(const EquityError& error);

    SettingsStore settings_;
    ErrorReporter reportError_;
    WinChancePanel* panel_;
    WinChanceJob* job_;
    Hand hand_;
    QString decimalSeparator_;
    int threads_;
    Language language_ = Language::English;
    OpponentRangesWindow* ranges_ = nullptr;
    Opposition opposition_;
    RangeLibraryFile libraryFile_;
    RangeLibrary library_;
    std::optional<EquityResult> lastCount_;  // the figure on show
    // Per opponent, from 1 at 0: the text as typed, the text of his range in
    // opposition_, what is wrong with the typed one, and whether the player
    // changed it since it was last stored.
    QStringList typed_;
    QStringList goodRange_;
    std::vector<std::optional<RangeError>> problem_;
    std::vector<bool> rangeToKeep_;
};

}  // namespace korvana::ui
