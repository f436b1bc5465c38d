#pragma once
// The replay of a hand history: the hands of a file (or of pasted text) in a
// list, the chosen hand's table drawn step by step beside the list of its
// actions, the hero's equity on each street against the opponents' shown
// cards or ranges, the price of every bet he faced, a chart of his equity
// over the streets, and the spot of any step sent to the main window.
//
// The file is read on a thread of its own and the equities are counted on
// another (the newest step first); the window answers at once meanwhile.
#include <QMainWindow>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "engine/text/language.h"
#include "history/all_in_ev.h"
#include "history/history_reader.h"
#include "history/preflop_ranges.h"
#include "ui/replay/replay_spot.h"
#include "ui/replay/replay_steps.h"

class QAction;
class QCheckBox;
class QLabel;
class QListWidget;
class QPushButton;
class QSortFilterProxyModel;
class QTableView;

namespace korvana::ui {

class EquityChart;
class HandListModel;
class HistoryLoading;
class NewestWork;
class ReplayTable;

class ReplayWindow : public QMainWindow {
    Q_OBJECT
public:
    // Takes the spot of a step into the main window.
    using AnalyseSpot = std::function<void(const ReplaySpot& spot, const history::PlayedHand&)>;
    // The language of the engine's texts (why a hand was refused).
    using CurrentLanguage = std::function<Language()>;

    ReplayWindow(AnalyseSpot analyse, CurrentLanguage language, QString decimalSeparator,
                 QWidget* parent = nullptr);
    ~ReplayWindow() override;

    // Lists the hands of the file (or the text) in place of those listed.
    void openFile(const QString& path);
    void openText(const QString& text);

    // --- What it shows ---
    int listedHands() const;  // rows of the list as filtered
    const history::PlayedHand* shownHand() const;
    std::size_t step() const { return step_; }
    std::size_t steps() const { return steps_.size(); }
    QString equityLine() const;
    QString priceLine() const;
    QString statusLine() const;

    // --- What the player does ---
    void showListedHand(int row);  // row of the list as filtered
    void goToStep(std::size_t step);
    void showAllInOnly(bool on);
    void analyseSpot();

Q_SIGNALS:
    // The whole file has been read (or could not be).
    void loaded();
    // A street's equity has come in.
    void equityCounted();

protected:
    void changeEvent(QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void createComponents();
    void createKeys();
    void retranslate();
    void startReading();
    void takeHands(std::vector<history::ReadHand> hands);
    void readingEnded(const QString& failure, bool cut);
    void showHand(int modelRow);
    void showStep();
    void countEquities();
    void showEquities();
    void showChart();
    void showStatus();

    AnalyseSpot analyse_;
    CurrentLanguage language_;
    QString decimalSeparator_;
    history::PreflopRangeTable ranges_;

    HandListModel* model_;
    QSortFilterProxyModel* filter_;
    HistoryLoading* loading_;
    NewestWork* counting_;
    QTableView* list_ = nullptr;
    QCheckBox* allInOnly_ = nullptr;
    ReplayTable* table_ = nullptr;
    QListWidget* actions_ = nullptr;
    QLabel* equity_ = nullptr;
    QLabel* price_ = nullptr;
    EquityChart* chart_ = nullptr;
    QPushButton* analyseButton_ = nullptr;
    std::vector<std::pair<QPushButton*, QAction*>> buttons_;
    QAction* first_ = nullptr;
    QAction* back_ = nullptr;
    QAction* streetBack_ = nullptr;
    QAction* forward_ = nullptr;
    QAction* streetForward_ = nullptr;
    QAction* last_ = nullptr;
    QAction* previousHand_ = nullptr;
    QAction* nextHand_ = nullptr;

    QString source_;  // the file's name, or empty for pasted text
    bool reading_ = false;
    QString readFailure_;
    bool cut_ = false;

    int handRow_ = -1;                                 // of the model
    std::shared_ptr<const history::PlayedHand> hand_;  // a copy, shared with the count
    std::vector<ReplayStep> steps_;
    std::size_t step_ = 0;
    std::vector<std::optional<double>> equities_;  // by street
    std::vector<bool> counted_;
    std::optional<history::AllInEv> allInEv_;
};

}  // namespace korvana::ui
