#pragma once
// The win chance beside the table: the panel above the card table, the count
// behind it and the player's choices of opponents and range, which the
// settings keep.
//
// After every table change the count starts again for the new table and the
// figure on show is greyed until the first figure of the new table comes
// (well within a fifth of a second), then refined until it is final. A range
// that does not read is marked and changes nothing else: the last good range
// and its figure stay.
#include <QObject>
#include <QString>
#include <optional>

#include "error_reporter.h"
#include "hand.h"
#include "settings_store.h"
#include "win_chance.h"

class QWidget;

namespace korvana::ui {

class WinChanceJob;
class WinChancePanel;

class WinChanceView : public QObject {
    Q_OBJECT
public:
    // threads: how many threads one count may use.
    WinChanceView(QWidget* clientArea, SettingsStore settings, ErrorReporter reportError,
                  QString decimalSeparator, int threads);
    ~WinChanceView() override;

    // Where the strip sits in the client area.
    void place(const QRect& strip);

    // After every table change.
    void showTable(const Hand& hand);
    // The opponents and range as stored (1 opponent holding any two cards when
    // never chosen); nothing is written. Throws Failure when a stored value
    // cannot be read.
    void applyStoredChoices();

    WinChancePanel* panel() const { return panel_; }

    // The opposition counted against: the number of opponents and the text
    // of the range they hold ("" for any two cards).
    int opponents() const { return opposition_.opponents; }
    QString rangeText() const { return goodRange_; }
    // Both at once, as if the player had set them (a pasted spot): shown,
    // counted and stored. The range must read (see opponentRange).
    void chooseOpposition(int opponents, const QString& range);

Q_SIGNALS:
    // The hand's equity (0..1) of the figure on show; nullopt while none is.
    void equityShown(std::optional<double> equity);

private:
    void chooseOpponents(int opponents);
    void editRange(const QString& text);
    void keepRange();
    // Applies a range text; false when it does not read (and is marked so).
    bool takeRange(const QString& text);
    void recount();
    void showCount(const EquityResult& result, bool final);
    void showFailure(const EquityError& error);

    SettingsStore settings_;
    ErrorReporter reportError_;
    WinChancePanel* panel_;
    WinChanceJob* job_;
    Hand hand_;
    Opposition opposition_;
    QString goodRange_;         // the text of opposition_'s range
    bool rangeToKeep_ = false;  // the player changed it since it was last stored
};

}  // namespace korvana::ui
