#pragma once
// The table of the replay, drawn: the seats around an oval with each
// player's name, stack and cards (the hero's and every shown hand face up,
// the others' backs), the bets in front of them, the button, and in the
// middle the board as it has fallen and the pot. The player whose action is
// shown is outlined.
#include <QWidget>

#include "ui/replay/replay_steps.h"

namespace korvana::ui {

class ReplayTable : public QWidget {
    Q_OBJECT
public:
    explicit ReplayTable(QWidget* parent = nullptr);

    // The hand stays the caller's and must outlive its showing; null shows an empty table.
    void show(const history::PlayedHand* hand, const TableAtStep& table);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const history::PlayedHand* hand_ = nullptr;
    TableAtStep table_;
};

}  // namespace korvana::ui
