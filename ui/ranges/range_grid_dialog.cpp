#include "ui/ranges/range_grid_dialog.h"

#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QVBoxLayout>
#include <cmath>

#include "engine/equity/win_chance.h"
#include "engine/ranges/hand_range.h"
#include "engine/ranges/range_hits.h"
#include "engine/ranges/top_share.h"
#include "engine/text/string_table.h"
#include "ui/ranges/equity_charts_window.h"
#include "ui/ranges/equity_colour.h"
#include "ui/ranges/grid_equity_job.h"
#include "ui/ranges/range_grid_widget.h"
#include "ui/ranges/range_hits_table.h"
#include "ui/ranges/range_texts.h"

namespace korvana::ui {

namespace {

// The slider moves in tenths of a percent.
constexpr int kSliderSteps = 1000;
// Room for a range text of a few pieces, the legend and the notes.
constexpr int kSideWidth = 280;

HandSet handSetOf(const HandRange& range) {
    HandSet set;
    for (const PocketCards cards : range.hands()) set.set(static_cast<size_t>(cards.number()));
    return set;
}

}  // namespace

RangeGridDialog::RangeGridDialog(int opponent, const QString& rangeText, const GridTable& table,
                                 Language language, QString decimalSeparator, int threads,
                                 QWidget* parent)
    : QDialog(parent),
      decimalSeparator_(std::move(decimalSeparator)),
      opponent_(opponent),
      grid_(new RangeGridWidget(decimalSeparator_, this)),
      text_(new QLineEdit(this)),
      slider_(new QSlider(Qt::Horizontal, this)),
      share_(new QDoubleSpinBox(this)),
      combos_(new QLabel(this)),
      note_(new QLabel(this)),
      hits_(new RangeHitsTable(language, decimalSeparator_, this)),
      legend_(new EquityLegend(this)),
      buttons_(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this)),
      charts_(new QPushButton(this)),
      threads_(threads) {
    setObjectName(QStringLiteral("rangeGridDialog"));
    text_->setObjectName(QStringLiteral("rangeGridText"));
    slider_->setObjectName(QStringLiteral("rangeGridSlider"));
    share_->setObjectName(QStringLiteral("rangeGridShare"));
    combos_->setObjectName(QStringLiteral("rangeGridCombos"));
    slider_->setRange(1, kSliderSteps);
    share_->setRange(0.1, 100.0);
    share_->setDecimals(1);
    share_->setSingleStep(0.5);
    share_->setSuffix(QStringLiteral("%"));
    share_->setKeyboardTracking(false);
    note_->setWordWrap(true);
    text_->setMaxLength(static_cast<int>(kMaxRangeCharacters));
    QFont symbols = text_->font();
    symbols.setStyleStrategy(QFont::PreferDefault);
    text_->setFont(symbols);

    auto* side = new QVBoxLayout;
    side->addWidget(text_);
    auto* shareRow = new QGridLayout;
    shareRow->addWidget(slider_, 0, 0);
    shareRow->addWidget(share_, 0, 1);
    side->addLayout(shareRow);
    side->addWidget(combos_);
    side->addSpacing(8);
    side->addWidget(legend_);
    side->addWidget(note_);
    side->addWidget(charts_, 0, Qt::AlignLeft);
    side->addSpacing(8);
    side->addWidget(hits_);
    side->addStretch(1);
    auto* sideColumn = new QWidget(this);
    sideColumn->setLayout(side);
    side->setContentsMargins(0, 0, 0, 0);
    sideColumn->setFixedWidth(kSideWidth);
    auto* body = new QGridLayout(this);
    body->addWidget(grid_, 0, 0);
    body->addWidget(sideColumn, 0, 1);
    body->addWidget(buttons_, 1, 0, 1, 2);
    body->setColumnStretch(1, 1);

    connect(text_, &QLineEdit::textEdited, this, &RangeGridDialog::typeText);
    connect(grid_, &RangeGridWidget::handsChanged, this, &RangeGridDialog::pickOnGrid);
    connect(slider_, &QSlider::valueChanged, this,
            [this](int step) { chooseShare(step * 100.0 / kSliderSteps); });
    connect(share_, &QDoubleSpinBox::valueChanged, this, &RangeGridDialog::chooseShare);
    connect(buttons_, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(charts_, &QPushButton::clicked, this, &RangeGridDialog::showCharts);
    charts_->setObjectName(QStringLiteral("rangeGridCharts"));

    CardMask known = 0;
    for (const Card card : table.board) known |= cardBit(card);
    for (const Card card : table.dead) known |= cardBit(card);
    if (table.hero) known |= cardBit((*table.hero)[0]) | cardBit((*table.hero)[1]);
    grid_->setKnownCards(known);
    language_ = language;
    board_ = table.board;
    known_ = known;
    hits_->setVisible(table.board.size() >= 3);
    heroKnown_ = table.hero.has_value();
    hero_ = table.hero;
    legend_->setVisible(heroKnown_);
    charts_->setVisible(heroKnown_);
    if (table.hero) {
        job_ = new GridEquityJob(threads, this);
        connect(job_, &GridEquityJob::counted, this,
                [this](const GridEquities& equities, bool) { grid_->setEquities(equities); });
        job_->start(*table.hero, table.board, table.dead);
    }
    text_->setText(rangeText);
    typeText(rangeText);
    grid_->setFocus();
    retranslate();
}

RangeGridDialog::~RangeGridDialog() = default;

QString RangeGridDialog::rangeText() const {
    return text_->text();
}

void RangeGridDialog::typeText(const QString& text) {
    const auto range = opponentRange(text.toStdString());
    if (const auto* error = std::get_if<RangeError>(&range)) {
        text_->setStyleSheet(QStringLiteral("QLineEdit { border: 1px solid red; }"));
        text_->setToolTip(rangeProblemText(language_, *error));
        buttons_->button(QDialogButtonBox::Ok)->setEnabled(false);
        return;
    }
    text_->setStyleSheet(QString());
    text_->setToolTip(QString());
    grid_->setHands(handSetOf(std::get<HandRange>(range)));
    showShare();
}

void RangeGridDialog::pickOnGrid(const HandSet& hands) {
    text_->setText(QString::fromStdString(shortestRangeText(hands)));
    text_->setStyleSheet(QString());
    text_->setToolTip(QString());
    showShare();
}

void RangeGridDialog::chooseShare(double percent) {
    // "15%", "2.5%": the parser reads a dot whatever the player's language.
    const bool whole = std::abs(percent - std::round(percent)) < 1e-9;
    const QString text = QString::number(percent, 'f', whole ? 0 : 1) + QLatin1Char('%');
    text_->setText(text);
    typeText(text);
}

void RangeGridDialog::showShare() {
    const int combinations = static_cast<int>(grid_->hands().count());
    combos_->setText(rangeShareText(combinations, decimalSeparator_));
    buttons_->button(QDialogButtonBox::Ok)->setEnabled(combinations > 0);
    showHits();
    if (chartsWindow_ && chartsWindow_->isVisible()) chartsWindow_->showRange(pickedRange());
    const double percent = 100.0 * combinations / kPocketCardPairs;
    const QSignalBlocker quietSlider(slider_);
    const QSignalBlocker quietField(share_);
    slider_->setValue(static_cast<int>(std::lround(percent * kSliderSteps / 100.0)));
    share_->setValue(percent);
}

HandRange RangeGridDialog::pickedRange() const {
    std::vector<PocketCards> picked;
    const HandSet& hands = grid_->hands();
    for (int high = 1; high < kDeckSize; ++high)
        for (int low = 0; low < high; ++low)
            if (const PocketCards cards{low, high}; hands.test(static_cast<size_t>(cards.number())))
                picked.push_back(cards);
    return HandRange(std::move(picked));
}

// What the picked combinations the known cards leave make now.
void RangeGridDialog::showHits() {
    if (board_.size() < 3) return;
    if (const auto hits = countRangeHits(pickedRange(), board_, known_))
        hits_->setHits(*hits, board_.size() < 5);
}

void RangeGridDialog::showCharts() {
    if (!hero_) return;
    if (!chartsWindow_)
        chartsWindow_ = new EquityChartsWindow(*hero_, board_, decimalSeparator_, threads_, this);
    chartsWindow_->showRange(pickedRange());
    chartsWindow_->show();
    chartsWindow_->raise();
}

void RangeGridDialog::retranslate() {
    setWindowTitle(tr("Range of opponent %1").arg(opponent_));
    text_->setPlaceholderText(anyTwoCardsText());
    slider_->setToolTip(tr("The strongest hands making up this share of all hands"));
    charts_->setText(tr("Charts\u2026"));
    charts_->setToolTip(tr("Your equity by the next card and against each hand of the range"));
    share_->setToolTip(slider_->toolTip());
    note_->setText(heroKnown_ ? tr("Each picked hand is coloured by your equity against it on this "
                                   "board; point at a hand for the figure.")
                              : tr("Choose your two cards to see your equity against each hand."));
}

}  // namespace korvana::ui
