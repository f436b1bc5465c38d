#pragma once
// The grid window of one opponent's range (or the hero's own, as opponent
// 0): the 13 x 13 grid, the range as text (the two always agree), a top-N%
// slider and field, the weight the grid paints with, the share of hands
// picked (each by its weight), once the hero's cards are known the hero's
// equity against each hand with its legend and the charts behind it, from the
// flop on what the range holds on the board (each line can be ticked to
// narrow the range to what makes it), and the library of named ranges to pick
// from and save into. Enter keeps the range, Escape drops it.
#include <QDialog>
#include <QString>
#include <array>
#include <optional>
#include <vector>

#include "engine/cards/card.h"
#include "engine/cards/card_index.h"
#include "engine/ranges/hand_range.h"
#include "engine/ranges/range_grid.h"
#include "engine/ranges/range_hits.h"
#include "engine/ranges/range_library.h"
#include "engine/text/language.h"
#include "ui/ranges/range_library_file.h"

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
class RangeLibraryBox;

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
    // library: where the named ranges are read from and saved to.
    RangeGridDialog(int opponent, const QString& rangeText, const GridTable& table,
                    Language language, QString decimalSeparator, int threads,
                    QWidget* parent = nullptr, RangeLibraryFile library = RangeLibraryFile());
    ~RangeGridDialog() override;

    // The range as text, to keep when accepted.
    QString rangeText() const;
    RangeGridWidget* grid() const { return grid_; }
    RangeHitsTable* hits() const { return hits_; }

    // Saves the range as it reads now under the name, in the library's file;
    // the problem, in the player's words, when it cannot be.
    std::optional<QString> saveRange(const QString& name);

private:
    void typeText(const QString& text);
    void pickOnGrid(const HandWeights& weights);
    void chooseShare(double percent);
    void showShare();
    void showHits();
    void narrow(const HitLines& kept);
    void askToSave();
    void readLibrary();
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
    QLabel* weightCaption_;
    QDoubleSpinBox* weight_;
    QLabel* combos_;
    QLabel* note_;
    RangeHitsTable* hits_;
    RangeLibraryBox* libraryBox_;
    RangeLibraryFile libraryFile_;
    RangeLibrary library_;
    // The range as picked or typed, before any narrowing by what it hits.
    HandWeights picked_{};
    QString pickedText_;
    EquityLegend* legend_;
    QDialogButtonBox* buttons_;
    QPushButton* charts_;
    EquityChartsWindow* chartsWindow_ = nullptr;  // made on first use
    GridEquityJob* job_ = nullptr;
    bool heroKnown_ = false;
    Language language_;
    std::vector<Card> board_;
    std::vector<Card> dead_;  // seen folded
    std::optional<std::array<Card, 2>> hero_;
    int threads_;
    CardMask known_ = 0;
};

}  // namespace korvana::ui
