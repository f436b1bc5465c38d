#pragma once
// The win chance panel: one line above the card table with the figure (or
// what stands in for it), a busy mark while counting, the number of opponents
// and the button that opens their ranges. It only shows what it is given and
// says what the player changed; its texts follow the installed translation.
#include <QString>
#include <QWidget>
#include <optional>
#include <variant>

#include "engine/equity/win_chance.h"
#include "ui/win_chance/win_chance_text.h"

class QLabel;
class QProgressBar;
class QPushButton;
class QSpinBox;

namespace korvana::ui {

class WinChancePanel : public QWidget {
    Q_OBJECT
public:
    WinChancePanel(QString decimalSeparator, QWidget* parent = nullptr);

    using Content = std::variant<WinChanceNote, WinChanceFigure, WinChanceNoDeal>;
    void setContent(const Content& content);
    // A figure of an older table or range is greyed until the new one comes.
    void setCurrent(bool current);
    // Shows or hides the busy mark, a bar that only moves.
    void setBusy(bool busy);
    // The busy mark fills to 'done' (0..1): a count of every deal that takes
    // a while says how far it has come. The next setBusy moves it again.
    void setProgress(double done);

    // The player's choice as stored; it does not signal a change.
    void setOpponents(int opponents);

Q_SIGNALS:
    void opponentsChanged(int opponents);
    // The Opponents… button, or its shortcut.
    void rangesRequested();

protected:
    void changeEvent(QEvent* event) override;

private:
    void retranslate();
    void showContent();

    QString decimalSeparator_;
    Content content_ = WinChanceNote::ChooseCards;
    QLabel* figure_;
    QProgressBar* busy_;
    QLabel* opponentsCaption_;
    QSpinBox* opponents_;
    QPushButton* ranges_;
};

}  // namespace korvana::ui
