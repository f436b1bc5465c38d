#pragma once
// Pot odds beside the win chance: the pot and the amount to call, as the
// player types them (both may stay empty), and once both are filled the
// equity the call needs, call / (pot + call), beside the hand's equity,
// marked as a call that pays or not. The amounts are stored as typed, once
// the player is done with a box. Small enough for the right-hand end of the
// menu bar, just above the win chance strip, which its own controls fill.
#include <QString>
#include <QWidget>
#include <optional>

#include "settings/settings_store.h"
#include "ui/common/error_reporter.h"

class QLabel;
class QLineEdit;

namespace korvana::ui {

class PotOddsFields : public QWidget {
    Q_OBJECT
public:
    PotOddsFields(SettingsStore settings, ErrorReporter reportError, QString decimalSeparator,
                  QWidget* parent = nullptr);

    // The amounts as stored; nothing is written. Throws Failure when a stored
    // value cannot be read.
    void applyStoredChoices();
    // Both amounts at once, as if the player had typed them (a spot from the
    // replay): shown and stored; an empty text empties its box.
    void placeAmounts(const QString& pot, const QString& call);
    // The hand's equity (0..1) of the figure on show; nullopt while there is none.
    void showEquity(std::optional<double> equity);

    // The verdict as shown; empty while an amount is missing.
    QString verdictText() const;

protected:
    void changeEvent(QEvent* event) override;

private:
    void retranslate();
    void showVerdict();
    void keepAmount(QLineEdit* box);

    SettingsStore settings_;
    ErrorReporter reportError_;
    QString decimalSeparator_;
    std::optional<double> equity_;
    QLabel* potCaption_;
    QLineEdit* pot_;
    QLabel* callCaption_;
    QLineEdit* call_;
    QLabel* verdict_;
};

}  // namespace korvana::ui
