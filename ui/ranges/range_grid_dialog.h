#pragma once
// The grid window of one opponent's range: the 13 x 13 grid, the range as
// text (the two always agree), a top-N% slider and field, the share of hands
// picked, once the hero's cards are known the hero's equity against each
// hand with its legend and the charts behind it, and from the flop on what
// the range holds on the board. Enter keeps the range, Escape drops it.
#include <QDialog>
#include <QString>
#include <array>
#include <optional>
#include <vector>

#include "engine/cards/card.h"
#include "engine/cards/card_index.h"
#include "engine/ranges/hand_range.h"
#include "engine/ranges/range_grid.h"
#include "engine/text/language.h"

class QDoubleSpinBox;
class QLabel;
class QLineEdit;
class QSlider;
class QDialogButtonBox;
class QPushButton;

namespace korvana::ui {

class EquityChartsWindow;
class EquityLegend;
class GridEquityJob;
class RangeGridWidget;
class RangeHitsTable;

struct GridTable {
    std::optional<std::array<Card, 2>> hero;  // nullopt while a pocket card is missing
    std::vector<Card> board;
    std::vector<Card> dead;  // seen folded: in no hand of the range
};

class RangeGridDialog : public QDialog {
    Q_OBJECT
public:
    // threads: how many threads the equities may use.
    // language: that of the hand names, as the odds list shows them.
    RangeGridDialog(int opponent, const QString& rangeText, const GridTable& table,
                    Language language, QString decimalSeparator, int threads,
                    QWidget* parent = nullptr);
    ~RangeGridDialog() override;

    // The range as text, to keep when accepted.
    QString rangeText() const;
    RangeGridWidget* grid() const { return grid_; }

private:
    void typeText(const QString& text);
    void pickOnGrid(const HandSet& hands);
    void chooseShare(double percent);
    void showShare();
    void showHits();
    void showCharts();
    void retranslate();
    // The hands picked on the grid that the known cards leave.
    HandRange pickedRange() const;

    QString decimalSeparator_;
    int opponent_;
    RangeGridWidget* grid_;
    QLineEdit* text_;
    QSlider* slider_;
    QDoubleSpinBox* share_;
    QLabel* combos_;
    QLabel* note_;
    RangeHitsTable* hits_;
    EquityLegend* legend_;
    QDialogButtonBox* buttons_;
    QPushButton* charts_;
    EquityChartsWindow* chartsWindow_ = nullptr;  // made on first use
    GridEquityJob* job_ = nullptr;
    bool heroKnown_ = false;
    Language language_;
    std::vector<Card> board_;
    std::optional<std::array<Card, 2>> hero_;
    int threads_;
    CardMask known_ = 0;
};

}  // namespace korvana::ui
