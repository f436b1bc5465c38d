#pragma once
// The small window of the opponents' ranges: a row per opponent with his
// range as text (empty for any two cards; a range longer than its box shows
// whole as the box's tooltip), the share of hands it holds, his own equity,
// win and tie, a button that opens the grid for the row and one that copies
// the row's range to every other opponent. Rows beyond the number of
// opponents stay editable but greyed. While the hero's pocket cards are not
// chosen, a first row "You" holds a range for him instead. It only shows what
// it is given and says what the player changed.
#include <QDialog>
#include <QString>
#include <optional>
#include <vector>

#include "engine/equity/win_chance.h"
#include "engine/ranges/hand_range.h"
#include "engine/text/language.h"

class QLabel;
class QLineEdit;
class QToolButton;

namespace korvana::ui {

class OpponentRangesWindow : public QDialog {
    Q_OBJECT
public:
    // language: that of the hand names, in which a range's problem is told.
    OpponentRangesWindow(Language language, QString decimalSeparator, QWidget* parent = nullptr);
    ~OpponentRangesWindow() override;

    void setLanguage(Language language);

    // Opponent numbers are 1..kMaxOpponents. None of these signals a change.
    void setOpponents(int opponents);
    void setRangeText(int opponent, const QString& text);
    QString rangeText(int opponent) const;
    // The share of all combinations the row's last good range holds, each
    // counted with its weight (none shown for the hero's row at 0).
    void setCombinations(int opponent, double combinations);
    // Outlines the row's range in red with the problem as its tooltip;
    // nullopt clears the mark.
    void markRange(int opponent, const std::optional<RangeError>& problem);
    // The opponent's own figures of the count on show; nullopt shows none.
    void setFigure(int opponent, const std::optional<WinChanceFigure>& figure);
    // Greys the figures while a newer count runs.
    void setFiguresCurrent(bool current);

    // The row of the hero's own range: opponent 0 in the calls above and
    // the signals below (it has no copy button), shown only on demand.
    void showHeroRow(bool shown);

Q_SIGNALS:
    void rangeEdited(int opponent, const QString& text);
    // Return pressed in a row's range, or the row left.
    void rangeDone(int opponent);
    void copyToOthers(int opponent);
    void gridRequested(int opponent);

protected:
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    struct Row {
        QLabel* caption;
        QLineEdit* range;
        QLabel* share;
        QLabel* figure;
        QToolButton* grid;
        QToolButton* copy;
        std::optional<RangeError> problem;
        double combinations = 0;  // shown again in a new language
        std::optional<WinChanceFigure> shown;
    };
    // Opponent 0 is the hero.
    Row& row(int opponent) { return rows_[static_cast<size_t>(opponent)]; }
    const Row& row(int opponent) const { return rows_[static_cast<size_t>(opponent)]; }
    void retranslate();
    void showTooltip(int opponent);
    void showFigure(int opponent);

    Language language_;
    QString decimalSeparator_;
    std::vector<Row> rows_;
};

}  // namespace korvana::ui
