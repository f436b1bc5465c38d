#pragma once
// The win chance panel: one line above the card table with the figure (or
// what stands in for it), a busy mark while counting, the number of opponents
// and their range. It only shows what it is given and says what the player
// changed; its texts follow the installed translation.
#include <QString>
#include <QWidget>
#include <optional>
#include <variant>

#include "win_chance.h"
#include "win_chance_text.h"

class QLabel;
class QLineEdit;
class QProgressBar;
class QSpinBox;

namespace korvana::ui {

class WinChancePanel : public QWidget {
    Q_OBJECT
public:
    WinChancePanel(QString decimalSeparator, QWidget* parent = nullptr);

    using Content = std::variant<WinChanceNote, WinChanceFigure>;
    void setContent(const Content& content);
    // A figure of an older table or range is greyed until the new one comes.
    void setCurrent(bool current);
    void setBusy(bool busy);

    // The player's choices as stored; neither signals a change.
    void setOpponents(int opponents);
    void setRangeText(const QString& text);
    // Outlines the range box in red with the problem as its tooltip;
    // nullopt clears the mark.
    void markRange(const std::optional<RangeError>& problem);

Q_SIGNALS:
    void opponentsChanged(int opponents);
    void rangeEdited(const QString& text);
    // Return pressed in the range box, or the box left.
    void rangeDone();

protected:
    void changeEvent(QEvent* event) override;

private:
    void retranslate();
    void showContent();
    void showRangeTooltip();

    QString decimalSeparator_;
    Content content_ = WinChanceNote::ChooseCards;
    std::optional<RangeError> rangeProblem_;
    QLabel* figure_;
    QProgressBar* busy_;
    QLabel* opponentsCaption_;
    QSpinBox* opponents_;
    QLineEdit* range_;
};

}  // namespace korvana::ui
