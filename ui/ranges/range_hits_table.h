#pragma once
// What a range holds on the board, in the grid window: a caption, then a
// line per hand category in the odds list's order and per draw, each with
// its combinations and their share of the range. Each line can be ticked to
// keep only the combinations that make one of the ticked lines (the player
// narrows the range by what it hits); none ticked keeps them all. The labels
// are made once and only their numbers change, so that a drag over the grid
// stays smooth.
#include <QWidget>
#include <vector>

#include "engine/ranges/range_hits.h"
#include "engine/text/language.h"

class QCheckBox;
class QLabel;

namespace korvana::ui {

class RangeHitsTable : public QWidget {
    Q_OBJECT
public:
    // language: that of the hand names, as the odds list shows them.
    RangeHitsTable(Language language, QString decimalSeparator, QWidget* parent = nullptr);

    // draws: whether cards are still to come (the draw lines are shown).
    void setHits(const RangeHits& hits, bool draws);

    // The lines ticked.
    HitLines kept() const;
    // Unticks every line without a signal: the range was picked anew.
    void clearKept();

Q_SIGNALS:
    // The player ticked or unticked a line.
    void keptChanged(const HitLines& kept);

protected:
    void changeEvent(QEvent* event) override;

private:
    void retranslate();
    // A count of weighted combinations: "164", "164.5".
    QString comboCount(double count) const;

    QString decimalSeparator_;
    RangeHits hits_;
    QLabel* caption_;
    std::vector<QCheckBox*> names_;  // categories, then the three draws
    std::vector<QLabel*> counts_, shares_;
};

}  // namespace korvana::ui
