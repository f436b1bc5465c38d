#include "ui/replay/replay_window.h"

#include <QAction>
#include <QCheckBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QEvent>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QMimeData>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QSplitter>
#include <QStatusBar>
#include <QTableView>
#include <QThread>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "engine/equity/equity.h"
#include "history/street_equity.h"
#include "ui/common/newest_work.h"
#include "ui/common/number_text.h"
#include "ui/common/window_texts.h"
#include "ui/replay/equity_chart.h"
#include "ui/replay/hand_list_model.h"
#include "ui/replay/history_loading.h"
#include "ui/replay/replay_table.h"
#include "ui/replay/replay_texts.h"

namespace korvana::ui {

namespace {

// A street's count: exact when that is quick, else a sample good to a tenth
// of a percent or so, and never long.
EquityOptions streetCountOptions() {
    EquityOptions options;
    // One core stays the window's, so that stepping never waits on the count.
    options.threads = std::max(1, QThread::idealThreadCount() - 1);
    options.automaticEnumerationDeals = 5'000'000;
    options.targetStandardError = 0.001;
    options.timeBudget = std::chrono::milliseconds(3000);
    return options;
}

}  // namespace

ReplayWindow::ReplayWindow(AnalyseSpot analyse, CurrentLanguage language, QString decimalSeparator,
                           QWidget* parent)
    : QMainWindow(parent),
      analyse_(std::move(analyse)),
      language_(std::move(language)),
      decimalSeparator_(std::move(decimalSeparator)),
      model_(new HandListModel(this)),
      filter_(new QSortFilterProxyModel(this)),
      loading_(new HistoryLoading(
          [this](auto hands) { takeHands(std::move(hands)); },
          [this](const QString& failure, bool cut) { readingEnded(failure, cut); }, this)),
      counting_(new NewestWork(this)) {
    setObjectName(QStringLiteral("replayWindow"));
    setWindowFlag(Qt::Window);
    setAcceptDrops(true);
    filter_->setSourceModel(model_);
    filter_->setFilterRole(HandListModel::kAllInRole);
    createComponents();
    createKeys();
    retranslate();
    showStep();
    resize(1180, 720);
}

ReplayWindow::~ReplayWindow() {
    // Neither thread may deliver into a window being taken apart.
    loading_->stop();
    counting_->stop();
}

void ReplayWindow::createComponents() {
    auto* left = new QWidget;
    auto* leftColumn = new QVBoxLayout(left);
    leftColumn->setContentsMargins(4, 4, 0, 4);
    allInOnly_ = new QCheckBox(left);
    allInOnly_->setObjectName(QStringLiteral("allInOnly"));
    list_ = new QTableView(left);
    list_->setObjectName(QStringLiteral("handList"));
    list_->setModel(filter_);
    list_->setSelectionBehavior(QAbstractItemView::SelectRows);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->verticalHeader()->hide();
    list_->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    list_->horizontalHeader()->setSectionResizeMode(HandListModel::CardsColumn,
                                                    QHeaderView::Stretch);
    list_->setWordWrap(false);
    // The arrow keys step the replay; the list goes by clicks and Page Up/Down.
    list_->setFocusPolicy(Qt::ClickFocus);
    leftColumn->addWidget(allInOnly_);
    leftColumn->addWidget(list_, 1);
    connect(allInOnly_, &QCheckBox::toggled, this, &ReplayWindow::showAllInOnly);
    connect(list_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) {
                if (current.isValid()) showHand(filter_->mapToSource(current).row());
            });

    auto* middle = new QWidget;
    auto* middleColumn = new QVBoxLayout(middle);
    middleColumn->setContentsMargins(0, 4, 0, 4);
    table_ = new ReplayTable(middle);
    auto* buttonRow = new QHBoxLayout;
    for (int i = 0; i < 6; ++i) {
        auto* button = new QPushButton(middle);
        button->setFocusPolicy(Qt::NoFocus);
        buttonRow->addWidget(button);
        buttons_.emplace_back(button, nullptr);
    }
    buttonRow->addStretch(1);
    analyseButton_ = new QPushButton(middle);
    analyseButton_->setObjectName(QStringLiteral("analyseSpot"));
    analyseButton_->setFocusPolicy(Qt::NoFocus);
    buttonRow->addWidget(analyseButton_);
    connect(analyseButton_, &QPushButton::clicked, this, &ReplayWindow::analyseSpot);
    equity_ = new QLabel(middle);
    equity_->setObjectName(QStringLiteral("streetEquity"));
    equity_->setWordWrap(true);
    price_ = new QLabel(middle);
    price_->setObjectName(QStringLiteral("decisionPrice"));
    QFont bold = price_->font();
    bold.setBold(true);
    price_->setFont(bold);
    chart_ = new EquityChart(middle);
    chart_->setMaximumHeight(220);
    middleColumn->addWidget(table_, 3);
    middleColumn->addLayout(buttonRow);
    middleColumn->addWidget(equity_);
    middleColumn->addWidget(price_);
    middleColumn->addWidget(chart_, 1);

    actions_ = new QListWidget;
    actions_->setObjectName(QStringLiteral("actionList"));
    actions_->setFocusPolicy(Qt::ClickFocus);
    actions_->setMinimumWidth(230);
    actions_->setWordWrap(true);
    connect(actions_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0 && static_cast<std::size_t>(row) != step_)
            goToStep(static_cast<std::size_t>(row));
    });

    auto* splitter = new QSplitter(this);
    splitter->addWidget(left);
    splitter->addWidget(middle);
    splitter->addWidget(actions_);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({300, 620, 260});
    setCentralWidget(splitter);
    statusBar()->setSizeGripEnabled(true);
}

void ReplayWindow::createKeys() {
    const auto key = [this](const char* name, QKeySequence keys, auto go) {
        auto* action = new QAction(this);
        action->setObjectName(QLatin1String(name));
        action->setShortcut(keys);
        addAction(action);
        connect(action, &QAction::triggered, this, go);
        return action;
    };
    first_ = key("firstStep", Qt::Key_Home, [this] { goToStep(0); });
    streetBack_ =
        key("streetBack", Qt::Key_Up, [this] { goToStep(previousStreetStep(steps_, step_)); });
    back_ = key("stepBack", Qt::Key_Left, [this] { goToStep(step_ > 0 ? step_ - 1 : 0); });
    forward_ = key("stepForward", Qt::Key_Right, [this] { goToStep(step_ + 1); });
    streetForward_ =
        key("streetForward", Qt::Key_Down, [this] { goToStep(nextStreetStep(steps_, step_)); });
    last_ = key("lastStep", Qt::Key_End, [this] { goToStep(steps_.size()); });
    const auto nextHand = [this](int by) {
        const int rows = filter_->rowCount();
        if (rows == 0) return;
        const int row = std::clamp(list_->currentIndex().row() + by, 0, rows - 1);
        showListedHand(row);
    };
    previousHand_ = key("previousHand", Qt::Key_PageUp, [nextHand] { nextHand(-1); });
    nextHand_ = key("nextHand", Qt::Key_PageDown, [nextHand] { nextHand(1); });
    const std::array<QAction*, 6> order = {first_,   streetBack_,    back_,
                                           forward_, streetForward_, last_};
    for (std::size_t i = 0; i < order.size(); ++i) {
        buttons_[i].second = order[i];
        buttons_[i].first->setObjectName(order[i]->objectName() + QStringLiteral("Button"));
        connect(buttons_[i].first, &QPushButton::clicked, order[i], &QAction::trigger);
    }
}

void ReplayWindow::retranslate() {
    allInOnly_->setText(tr("All-in hands only"));
    analyseButton_->setText(tr("Analyse this spot"));
    analyseButton_->setToolTip(
        tr("Puts the spot of this step into the main window: your cards, the board, the "
           "opponents still in with their shown cards or ranges, the pot and the call"));
    const std::array<std::pair<QString, QString>, 6> captions = {{
        {tr("Start"), tr("The start of the hand (Home)")},
        {tr("◀◀ Street"), tr("Back one street (Up)")},
        {tr("◀ Action"), tr("Back one action (Left)")},
        {tr("Action ▶"), tr("Forward one action (Right)")},
        {tr("Street ▶▶"), tr("Forward one street (Down)")},
        {tr("End"), tr("The end of the hand (End)")},
    }};
    for (std::size_t i = 0; i < captions.size(); ++i) {
        buttons_[i].first->setText(captions[i].first);
        buttons_[i].first->setToolTip(captions[i].second);
    }
    model_->setLanguage(language_());
    showStep();
    showStatus();
}

void ReplayWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) retranslate();
    QMainWindow::changeEvent(event);
}

void ReplayWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void ReplayWindow::dropEvent(QDropEvent* event) {
    const QList<QUrl> urls = event->mimeData()->urls();
    if (!urls.isEmpty() && urls.first().isLocalFile()) openFile(urls.first().toLocalFile());
}

// --- Reading ------------------------------------------------------------------

void ReplayWindow::openFile(const QString& path) {
    source_ = QFileInfo(path).fileName();
    startReading();
    loading_->readFile(path);
}

void ReplayWindow::openText(const QString& text) {
    source_.clear();
    startReading();
    loading_->readText(text);
}

void ReplayWindow::startReading() {
    counting_->stop();
    model_->clear();
    handRow_ = -1;
    hand_.reset();
    steps_.clear();
    step_ = 0;
    reading_ = true;
    readFailure_.clear();
    cut_ = false;
    showStep();
    showStatus();
}

void ReplayWindow::takeHands(std::vector<history::ReadHand> hands) {
    const std::size_t first = model_->hands().size();
    model_->append(std::move(hands));
    // The first hand that reads is shown as soon as it comes.
    if (handRow_ < 0) {
        for (std::size_t i = first; i < model_->hands().size(); ++i) {
            if (!std::holds_alternative<history::PlayedHand>(model_->hands()[i])) continue;
            const QModelIndex shown = filter_->mapFromSource(model_->index(static_cast<int>(i), 0));
            if (shown.isValid())
                list_->setCurrentIndex(shown);
            else
                showHand(static_cast<int>(i));
            break;
        }
    }
    showStatus();
}

void ReplayWindow::readingEnded(const QString& failure, bool cut) {
    reading_ = false;
    readFailure_ = failure;
    cut_ = cut;
    if (handRow_ < 0 && !model_->hands().empty()) list_->setCurrentIndex(filter_->index(0, 0));
    showStatus();
    Q_EMIT loaded();
}

void ReplayWindow::showStatus() {
    QString text;
    const int hands = static_cast<int>(model_->hands().size());
    if (reading_)
        text = tr("Reading… hands so far: %1").arg(hands);
    else if (!readFailure_.isEmpty())
        text = tr("Cannot read %1: %2").arg(source_, readFailure_);
    else if (hands == 0)
        text = tr("No hand found");
    else {
        text = tr("Hands read: %1, refused: %2 (in red)")
                   .arg(hands - model_->refused())
                   .arg(model_->refused());
        if (cut_) text += QStringLiteral("; ") + tr("only the first hands are listed");
    }
    statusBar()->showMessage(text);
}

QString ReplayWindow::statusLine() const {
    return statusBar()->currentMessage();
}

// --- The hand and its steps -----------------------------------------------------

int ReplayWindow::listedHands() const {
    return filter_->rowCount();
}

const history::PlayedHand* ReplayWindow::shownHand() const {
    return hand_.get();
}

void ReplayWindow::showListedHand(int row) {
    const QModelIndex index = filter_->index(row, 0);
    if (index.isValid()) list_->setCurrentIndex(index);
}

void ReplayWindow::showAllInOnly(bool on) {
    if (allInOnly_->isChecked() != on) allInOnly_->setChecked(on);
    filter_->setFilterFixedString(on ? QStringLiteral("1") : QString());
    // The hand on show stays if the filter keeps it; else the first one kept.
    const QModelIndex shown =
        handRow_ >= 0 ? filter_->mapFromSource(model_->index(handRow_, 0)) : QModelIndex();
    list_->setCurrentIndex(shown.isValid() ? shown : filter_->index(0, 0));
}

void ReplayWindow::showHand(int modelRow) {
    if (modelRow == handRow_) return;
    handRow_ = modelRow;
    counting_->stop();
    const history::ReadHand& read = model_->hands()[static_cast<std::size_t>(modelRow)];
    if (const auto* refusal = std::get_if<history::HandRefusal>(&read)) {
        hand_.reset();
        steps_.clear();
        statusBar()->showMessage(refusalLine(*refusal, language_()));
    } else {
        hand_ = std::make_shared<const history::PlayedHand>(std::get<history::PlayedHand>(read));
        steps_ = replaySteps(*hand_);
        showStatus();
    }
    step_ = 0;
    equities_.assign(hand_ ? hand_->streets.size() : 0, std::nullopt);
    counted_.assign(equities_.size(), false);
    allInEv_.reset();
    actions_->blockSignals(true);
    actions_->clear();
    for (const ReplayStep& step : steps_) actions_->addItem(stepText(*hand_, step));
    actions_->blockSignals(false);
    showStep();
    showChart();
    countEquities();
}

void ReplayWindow::goToStep(std::size_t step) {
    if (steps_.empty()) return;
    step = std::min(step, steps_.size() - 1);
    if (step == step_) return;
    const std::size_t oldStreet = steps_[step_].street;
    step_ = step;
    showStep();
    if (steps_[step_].street != oldStreet && !counted_[steps_[step_].street]) countEquities();
}

void ReplayWindow::showStep() {
    const QString title =
        hand_ ? tr("Hand %1").arg(QString::fromStdString(hand_->number)) : tr("Hand history");
    setWindowTitle(QStringLiteral("%1 – %2 – %3").arg(title, tr("Replay"), kApplicationTitle));
    for (auto& [button, action] : buttons_) button->setEnabled(hand_ != nullptr);
    if (!hand_) {
        table_->show(nullptr, {});
        equity_->clear();
        price_->clear();
        chart_->show({}, std::nullopt, 0, QString());
        analyseButton_->setEnabled(false);
        return;
    }
    const TableAtStep table = tableAt(*hand_, steps_, step_);
    table_->show(hand_.get(), table);
    actions_->blockSignals(true);
    actions_->setCurrentRow(static_cast<int>(step_));
    actions_->blockSignals(false);
    actions_->scrollToItem(actions_->currentItem());
    first_->setEnabled(step_ > 0);
    analyseButton_->setEnabled(analyse_ && replaySpot(*hand_, table, ranges_).has_value());
    showEquities();
}

// --- Equity ------------------------------------------------------------------------

// Counts the streets not yet counted, the one on show first; a new hand or
// another street cancels the count under way.
void ReplayWindow::countEquities() {
    if (!hand_ || hand_->hero < 0 || hand_->streets.empty()) return;
    std::vector<std::size_t> order;
    const std::size_t shown = steps_[step_].street;
    if (!counted_[shown]) order.push_back(shown);
    for (std::size_t s = 0; s < counted_.size(); ++s)
        if (s != shown && !counted_[s]) order.push_back(s);
    const bool wantAllIn = hand_->allIn.has_value() && !allInEv_;
    if (order.empty() && !wantAllIn) return;
    counting_->start([this, hand = hand_, order, wantAllIn, ranges = ranges_](
                         EquityControl& control, const NewestWork::Post& post) {
        const EquityOptions options = streetCountOptions();
        for (std::size_t street : order) {
            std::optional<double> equity;
            if (const auto spot = history::streetSpot(*hand, street, ranges)) {
                const auto result = computeEquity(*spot, options, &control);
                if (control.cancelled()) return;
                if (const auto* counts = std::get_if<EquityResult>(&result);
                    counts && counts->deals > 0)
                    equity = counts->players[0].equity;
            }
            post([this, street, equity] {
                equities_[street] = equity;
                counted_[street] = true;
                showEquities();
                showChart();
                Q_EMIT equityCounted();
            });
        }
        if (wantAllIn && !control.cancelled()) {
            auto ev = history::allInEv(*hand, options.threads);
            post([this, ev] {
                allInEv_ = ev;
                showEquities();
                showChart();
                Q_EMIT equityCounted();
            });
        }
    });
}

namespace {

// "Villain: Q♣ Q♦", or "Villain: top 22%" for a range.
QString opponentsText(const history::PlayedHand& hand, std::size_t street,
                      const history::PreflopRangeTable& ranges) {
    QStringList against;
    for (int p : hand.streets[street].playersIn) {
        if (p == hand.hero) continue;
        const history::SeatedPlayer& player = hand.players[static_cast<std::size_t>(p)];
        const QString name = QString::fromStdString(player.name);
        if (player.cards) {
            against << QStringLiteral("%1 (%2)").arg(name, cardsText(*player.cards));
            continue;
        }
        const double share =
            ranges.topPercent[static_cast<std::size_t>(history::preflopLine(hand, p))];
        against << (share >= 100 ? ReplayWindow::tr("%1 (any two cards)").arg(name)
                                 : ReplayWindow::tr("%1 (top %2%)").arg(name).arg(share));
    }
    return against.join(QStringLiteral(", "));
}

}  // namespace

void ReplayWindow::showEquities() {
    if (!hand_ || hand_->streets.empty()) return;
    const std::size_t street = steps_[step_].street;
    const QString streetWord = streetName(hand_->streets[street].street);
    const history::SeatedPlayer* hero = hand_->heroPlayer();
    if (!hero || !hero->cards)
        equity_->setText(tr("No cards were dealt to the hero in this hand."));
    else if (!history::streetSpot(*hand_, street, ranges_))
        equity_->setText(tr("%1: the hero is no longer in.").arg(streetWord));
    else if (!counted_[street])
        equity_->setText(tr("%1: counting the hero's equity against %2…")
                             .arg(streetWord, opponentsText(*hand_, street, ranges_)));
    else if (!equities_[street])
        equity_->setText(tr("%1: no equity for this spot.").arg(streetWord));
    else
        equity_->setText(tr("%1: the hero's equity %2 against %3")
                             .arg(streetWord,
                                  percentText(100 * *equities_[street], decimalSeparator_),
                                  opponentsText(*hand_, street, ranges_)));

    const TableAtStep table = tableAt(*hand_, steps_, step_);
    if (table.decision)
        price_->setText(priceText(*hand_, hand_->decisions[*table.decision], equities_[street],
                                  decimalSeparator_));
    else
        price_->clear();
}

// Only when the hand or a figure changes: the chart is slow to lay out anew.
void ReplayWindow::showChart() {
    if (!hand_) return;
    std::vector<EquityChartPoint> points;
    std::optional<int> allInStreet;
    for (std::size_t s = 0; s < hand_->streets.size(); ++s) {
        points.push_back({streetName(hand_->streets[s].street), equities_[s]});
        if (allInEv_ && hand_->streets[s].street == allInEv_->street) allInStreet = int(s);
    }
    QString caption;
    if (allInEv_)
        caption =
            tr("All in, %1: equity %2, all-in EV %3, won %4 (%5 against the EV)")
                .arg(streetName(allInEv_->street),
                     percentText(100 * allInEv_->heroEquity, decimalSeparator_),
                     signedAmountText(*hand_,
                                      static_cast<history::Amount>(std::llround(allInEv_->heroEv))),
                     signedAmountText(*hand_, allInEv_->heroNet),
                     signedAmountText(
                         *hand_, allInEv_->heroNet -
                                     static_cast<history::Amount>(std::llround(allInEv_->heroEv))));
    chart_->show(points, allInStreet, allInEv_ ? allInEv_->heroEquity : 0, caption);
}

QString ReplayWindow::equityLine() const {
    return equity_->text();
}

QString ReplayWindow::priceLine() const {
    return price_->text();
}

void ReplayWindow::analyseSpot() {
    if (!hand_ || !analyse_) return;
    if (const auto spot = replaySpot(*hand_, tableAt(*hand_, steps_, step_), ranges_))
        analyse_(*spot, *hand_);
}

}  // namespace korvana::ui
