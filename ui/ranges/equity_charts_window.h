#pragma once
// The pictures behind the hero's equity against one opponent's range: a bar
// per card that can come next (on the flop or the turn), the outs marked,
// and the curve of his equity against each hand of the range, best for him
// first. Counted off the window's thread; a newer range or table cancels the
// count under way.
#include <QWidget>
#include <array>
#include <optional>
#include <vector>

#include "engine/cards/card.h"
#include "engine/equity/equity_distribution.h"
#include "engine/equity/next_card.h"
#include "engine/ranges/hand_range.h"

class QChartView;
class QLabel;

namespace korvana::ui {

class NewestWork;

class EquityChartsWindow : public QWidget {
    Q_OBJECT
public:
    // dead: cards seen folded, dealt to nobody.
    EquityChartsWindow(const std::array<Card, 2>& hero, std::vector<Card> board,
                       std::vector<Card> dead, QString decimalSeparator, int threads,
                       QWidget* parent = nullptr);
    ~EquityChartsWindow() override;

    // Counts the pictures against this range, dropping the count before.
    void showRange(const HandRange& range);

protected:
    void changeEvent(QEvent* event) override;

private:
    struct Counted {
        std::optional<NextCardTable> nextCard;
        std::vector<HandEquity> distribution;
    };
    void showCounted(const Counted& counted);
    void retranslate();

    const std::array<Card, 2> hero_;
    const std::vector<Card> board_;
    const std::vector<Card> dead_;
    const QString decimalSeparator_;
    const int threads_;
    Counted counted_;
    QChartView* nextCardChart_;
    QChartView* distributionChart_;
    QLabel* note_;
    NewestWork* work_;
};

}  // namespace korvana::ui
