#include "ui/ranges/equity_charts_window.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QEvent>
#include <QLabel>
#include <QLineSeries>
#include <QVBoxLayout>
#include <QValueAxis>

#include "engine/cards/card_index.h"
#include "ui/common/newest_work.h"
#include "ui/common/number_text.h"

namespace korvana::ui {

namespace {

constexpr const char* kRanks = "23456789TJQKA";

// A colour per suit, told apart without the suit's own colour too (clubs
// green, diamonds blue, hearts red, spades black), as four-colour decks do.
const QColor kSuitColours[] = {QColor(0x1b, 0x7f, 0x3a), QColor(0x1f, 0x5f, 0xbf),
                               QColor(0xc8, 0x1e, 0x1e), QColor(0x20, 0x20, 0x20)};
const QColor kOutColour(0xf0, 0xb0, 0x00);

QChartView* chartView(QWidget* parent) {
    auto* view = new QChartView(new QChart, parent);
    view->setRenderHint(QPainter::Antialiasing);
    view->chart()->legend()->setAlignment(Qt::AlignBottom);
    view->setMinimumSize(520, 260);
    return view;
}

}  // namespace

EquityChartsWindow::EquityChartsWindow(const std::array<Card, 2>& hero, std::vector<Card> board,
                                       std::vector<Card> dead, QString decimalSeparator,
                                       int threads, QWidget* parent)
    : QWidget(parent, Qt::Window),
      hero_(hero),
      board_(std::move(board)),
      dead_(std::move(dead)),
      decimalSeparator_(std::move(decimalSeparator)),
      threads_(threads),
      nextCardChart_(chartView(this)),
      distributionChart_(chartView(this)),
      note_(new QLabel(this)),
      work_(new NewestWork(this)) {
    setObjectName(QStringLiteral("equityChartsWindow"));
    nextCardChart_->setObjectName(QStringLiteral("nextCardChart"));
    distributionChart_->setObjectName(QStringLiteral("distributionChart"));
    note_->setWordWrap(true);
    auto* column = new QVBoxLayout(this);
    column->addWidget(nextCardChart_, 1);
    column->addWidget(distributionChart_, 1);
    column->addWidget(note_);
    nextCardChart_->setVisible(board_.size() == 3 || board_.size() == 4);
    retranslate();
}

EquityChartsWindow::~EquityChartsWindow() = default;

void EquityChartsWindow::showRange(const HandRange& range) {
    EquitySpot spot;
    spot.hero = hero_;
    spot.board = board_;
    spot.dead = dead_;
    spot.opponents = {range};
    EquityOptions options;
    options.threads = threads_;
    note_->setText(tr("Counting\u2026"));
    work_->start([this, spot](EquityControl& control, const NewestWork::Post& post) {
        Counted counted;
        if (spot.board.size() == 3 || spot.board.size() == 4) {
            EquityOptions everyDeal;
            everyDeal.method = EquityMethod::Enumerate;
            everyDeal.threads = threads_;
            auto table = countNextCards(spot, everyDeal, &control);
            if (auto* next = std::get_if<NextCardTable>(&table)) counted.nextCard = *next;
        }
        EquityOptions options;
        options.threads = threads_;
        auto spread = countEquityDistribution(spot, options, &control);
        if (auto* hands = std::get_if<std::vector<HandEquity>>(&spread))
            counted.distribution = std::move(*hands);
        if (control.cancelled()) return;
        post([this, counted = std::move(counted)] { showCounted(counted); });
    });
}

void EquityChartsWindow::showCounted(const Counted& counted) {
    counted_ = counted;
    retranslate();
}

void EquityChartsWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) retranslate();
    QWidget::changeEvent(event);
}

// Rebuilds both charts from the counts, in the language now in place.
void EquityChartsWindow::retranslate() {
    setWindowTitle(tr("Your equity against the range"));

    QChart* next = nextCardChart_->chart();
    next->removeAllSeries();
    for (QAbstractAxis* axis : next->axes()) next->removeAxis(axis);
    if (counted_.nextCard) {
        const NextCardTable& table = *counted_.nextCard;
        next->setTitle(tr("Your equity by the next card (now %1%); outs highlighted")
                           .arg(numberText(100.0 * table.equityNow, 1, decimalSeparator_)));
        auto* series = new QBarSeries;
        const QString suitNames[] = {tr("Clubs"), tr("Diamonds"), tr("Hearts"), tr("Spades")};
        for (int suit = 0; suit < 4; ++suit) {
            auto* bars = new QBarSet(suitNames[suit]);
            bars->setColor(kSuitColours[suit]);
            bars->setSelectedColor(kOutColour);
            for (int rank = 0; rank < 13; ++rank) {
                const int index = suit * 13 + rank;
                double equity = 0;
                bool out = false;
                for (const NextCardEquity& card : table.cards)
                    if (cardIndex(card.card) == index) {
                        equity = 100.0 * card.equity;
                        out = table.isOut(card);
                    }
                bars->append(equity);
                if (out) bars->selectBar(rank);
            }
            series->append(bars);
        }
        next->addSeries(series);
        auto* ranks = new QBarCategoryAxis;
        for (const char* rank = kRanks; *rank; ++rank) ranks->append(QString(QLatin1Char(*rank)));
        next->addAxis(ranks, Qt::AlignBottom);
        series->attachAxis(ranks);
        auto* equityAxis = new QValueAxis;
        equityAxis->setRange(0, 100);
        equityAxis->setLabelFormat(QStringLiteral("%d%%"));
        next->addAxis(equityAxis, Qt::AlignLeft);
        series->attachAxis(equityAxis);
    } else {
        next->setTitle(QString());
    }

    QChart* spread = distributionChart_->chart();
    spread->removeAllSeries();
    for (QAbstractAxis* axis : spread->axes()) spread->removeAxis(axis);
    spread->setTitle(tr("Your equity against each hand of the range, best for you first"));
    spread->legend()->hide();
    const auto& hands = counted_.distribution;
    if (!hands.empty()) {
        auto* curve = new QLineSeries;
        const double step = 100.0 / static_cast<double>(hands.size());
        for (size_t i = 0; i < hands.size(); ++i) {
            curve->append(step * static_cast<double>(i), 100.0 * hands[i].equity);
            curve->append(step * static_cast<double>(i + 1), 100.0 * hands[i].equity);
        }
        spread->addSeries(curve);
        auto* share = new QValueAxis;
        share->setRange(0, 100);
        share->setLabelFormat(QStringLiteral("%d%%"));
        share->setTitleText(tr("Share of the range"));
        auto* equity = new QValueAxis;
        equity->setRange(0, 100);
        equity->setLabelFormat(QStringLiteral("%d%%"));
        equity->setTitleText(tr("Your equity"));
        spread->addAxis(share, Qt::AlignBottom);
        spread->addAxis(equity, Qt::AlignLeft);
        curve->attachAxis(share);
        curve->attachAxis(equity);
    }
    note_->setText(
        hands.empty() && !counted_.nextCard
            ? tr("Counting\u2026")
            : tr("Hands of the range left beside your cards and the board: %1.").arg(hands.size()));
}

}  // namespace korvana::ui
