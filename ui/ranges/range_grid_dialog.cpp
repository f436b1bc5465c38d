#include "ui/ranges/range_grid_dialog.h"

#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
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
#include "ui/ranges/range_library_box.h"
#include "ui/ranges/range_texts.h"

namespace korvana::ui {

namespace {

// The slider moves in tenths of a percent.
constexpr int kSliderSteps = 1000;
// Room for a range text of a few pieces, the legend and the notes.
constexpr int kSideWidth = 330;

HandRange rangeOf(const HandWeights& weights) {
    std::vector<PocketCards> hands;
    std::vector<double> handWeights;
    for (int high = 1; high < kDeckSize; ++high)
        for (int low = 0; low < high; ++low)
            if (const PocketCards cards{low, high};
                weights[static_cast<size_t>(cards.number())] > 0) {
                hands.push_back(cards);
                handWeights.push_back(weights[static_cast<size_t>(cards.number())]);
            }
    return HandRange(hands, handWeights);
}

HandSet handSetOf(const std::vector<PocketCards>& hands) {
    HandSet set;
    for (const PocketCards cards : hands) set.set(static_cast<size_t>(cards.number()));
    return set;
}

}  // namespace

RangeGridDialog::RangeGridDialog(int opponent, const QString& rangeText, const GridTable& table,
                                 Language language, QString decimalSeparator, int threads,
                                 QWidget* parent, RangeLibraryFile library)
    : QDialog(parent),
      decimalSeparator_(std::move(decimalSeparator)),
      opponent_(opponent),
      grid_(new RangeGridWidget(decimalSeparator_, this)),
      text_(new QLineEdit(this)),
      slider_(new QSlider(Qt::Horizontal, this)),
      share_(new QDoubleSpinBox(this)),
      weightCaption_(new QLabel(this)),
      weight_(new QDoubleSpinBox(this)),
      combos_(new QLabel(this)),
      note_(new QLabel(this)),
      hits_(new RangeHitsTable(language, decimalSeparator_, this)),
      libraryBox_(new RangeLibraryBox(language, this)),
      libraryFile_(std::move(library)),
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
    weight_->setObjectName(QStringLiteral("rangeGridWeight"));
    weight_->setRange(1.0, 100.0);
    weight_->setDecimals(0);
    weight_->setSingleStep(5.0);
    weight_->setSuffix(QStringLiteral("%"));
    weight_->setValue(100.0);
    weightCaption_->setBuddy(weight_);
    note_->setWordWrap(true);
    // The side column may hold more than the grid is tall: the window grows
    // rather than squeeze the legend away.
    legend_->setMinimumHeight(legend_->sizeHint().height());
    text_->setMaxLength(static_cast<int>(kMaxRangeCharacters));
    QFont symbols = text_->font();
    symbols.setStyleStrategy(QFont::PreferDefault);
    text_->setFont(symbols);

    auto* side = new QVBoxLayout;
    side->addWidget(libraryBox_);
    side->addWidget(text_);
    auto* shareRow = new QGridLayout;
    shareRow->addWidget(slider_, 0, 0);
    shareRow->addWidget(share_, 0, 1);
    shareRow->addWidget(weightCaption_, 1, 0, Qt::AlignRight);
    shareRow->addWidget(weight_, 1, 1);
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
    connect(grid_, &RangeGridWidget::weightsChanged, this, &RangeGridDialog::pickOnGrid);
    connect(weight_, &QDoubleSpinBox::valueChanged, this,
            [this](double percent) { grid_->setPaintWeight(percent / 100.0); });
    connect(slider_, &QSlider::valueChanged, this,
            [this](int step) { chooseShare(step * 100.0 / kSliderSteps); });
    connect(share_, &QDoubleSpinBox::valueChanged, this, &RangeGridDialog::chooseShare);
    connect(hits_, &RangeHitsTable::keptChanged, this, &RangeGridDialog::narrow);
    connect(libraryBox_, &RangeLibraryBox::picked, this, [this](const QString& name) {
        const QString text = QLatin1Char('@') + name;
        text_->setText(text);
        typeText(text);
    });
    connect(libraryBox_, &RangeLibraryBox::saveRequested, this, &RangeGridDialog::askToSave);
    connect(buttons_, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(charts_, &QPushButton::clicked, this, &RangeGridDialog::showCharts);
    charts_->setObjectName(QStringLiteral("rangeGridCharts"));

    const CardMask known =
        maskOf(table.board) | maskOf(table.dead) | (table.hero ? maskOf(*table.hero) : CardMask{0});
    grid_->setKnownCards(known);
    language_ = language;
    board_ = table.board;
    dead_ = table.dead;
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
    readLibrary();
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
    const auto range = opponentRange(text.toStdString(), library_);
    if (const auto* error = std::get_if<RangeError>(&range)) {
        text_->setStyleSheet(QStringLiteral("QLineEdit { border: 1px solid red; }"));
        text_->setToolTip(rangeProblemText(language_, *error));
        buttons_->button(QDialogButtonBox::Ok)->setEnabled(false);
        return;
    }
    text_->setStyleSheet(QString());
    text_->setToolTip(QString());
    picked_ = weightsOf(std::get<HandRange>(range));
    pickedText_ = text;
    grid_->setWeights(picked_);
    hits_->clearKept();
    showShare();
    showHits();
}

void RangeGridDialog::pickOnGrid(const HandWeights& weights) {
    picked_ = weights;
    pickedText_ = QString::fromStdString(shortestRangeText(weights));
    text_->setText(pickedText_);
    text_->setStyleSheet(QString());
    text_->setToolTip(QString());
    hits_->clearKept();
    showShare();
    showHits();
}

// The picked range keeps the combinations that make a ticked line, each with
// its weight, in the grid and the text at once; the lines keep counting the
// range as picked, so that another tick narrows it afresh.
void RangeGridDialog::narrow(const HitLines& kept) {
    if (kept.none()) {
        grid_->setWeights(picked_);
        text_->setText(pickedText_);
    } else {
        const auto narrowed = narrowRange(rangeOf(picked_), board_, known_, kept);
        // Written as players do: a king on the board leaves "KK" whole.
        const HandSet filled =
            filledWithKnownCards(handSetOf(narrowed.value_or(std::vector<PocketCards>())), known_);
        HandWeights weights{};
        for (size_t number = 0; number < weights.size(); ++number)
            if (filled.test(number)) weights[number] = picked_[number] > 0 ? picked_[number] : 1.0;
        grid_->setWeights(weights);
        text_->setText(QString::fromStdString(shortestRangeText(weights)));
    }
    text_->setStyleSheet(QString());
    text_->setToolTip(QString());
    showShare();
}

void RangeGridDialog::readLibrary() {
    const RangeLibraryFile::Read read = libraryFile_.read();
    library_ = read.library;
    libraryBox_->setLibrary(read, libraryFile_.shownName());
}

std::optional<QString> RangeGridDialog::saveRange(const QString& name) {
    if (!isRangeName(name.toStdString()))
        return QString::fromUtf8(phrase(language_, Phrase::RangeLibraryBadName));
    const auto reads = opponentRange(text_->text().toStdString(), library_);
    if (const auto* error = std::get_if<RangeError>(&reads))
        return rangeProblemText(language_, *error);
    if (grid_->hands().none())
        return QString::fromUtf8(phrase(language_, Phrase::RangeHoldsNoHands));
    // The range as it reads, every name in it written out: a library range
    // names no other.
    const auto resolved = resolveNamedRanges(text_->text().toStdString(), library_);
    std::string range = std::holds_alternative<std::string>(resolved)
                            ? std::get<std::string>(resolved)
                            : std::string();
    if (range.find_first_not_of(" \t,") == std::string::npos) range = "random";
    QString error;
    if (!libraryFile_.save(name, QString::fromStdString(range), language_, &error))
        return tr("The range cannot be saved in %1: %2").arg(libraryFile_.shownName(), error);
    readLibrary();
    return std::nullopt;
}

void RangeGridDialog::askToSave() {
    bool ok = false;
    const QString name =
        QInputDialog::getText(this, tr("Save the range"),
                              tr("Name (letters, digits, -, _, ., /); in a range box, @name:"),
                              QLineEdit::Normal, QString(), &ok)
            .trimmed();
    if (!ok || name.isEmpty()) return;
    const NamedRange* same = library_.find(name.toStdString());
    if (same && same->line > 0 &&
        QMessageBox::question(this, tr("Save the range"),
                              tr("Your library already holds @%1. Replace it?").arg(name)) !=
            QMessageBox::Yes)
        return;
    if (const auto problem = saveRange(name))
        QMessageBox::warning(this, tr("Save the range"), *problem);
}

void RangeGridDialog::chooseShare(double percent) {
    // "15%", "2.5%": the parser reads a dot whatever the player's language.
    const bool whole = std::abs(percent - std::round(percent)) < 1e-9;
    const QString text = QString::number(percent, 'f', whole ? 0 : 1) + QLatin1Char('%');
    text_->setText(text);
    typeText(text);
}

void RangeGridDialog::showShare() {
    double combinations = 0;
    for (const double weight : grid_->weights()) combinations += weight;
    combos_->setText(rangeShareText(combinations, decimalSeparator_));
    buttons_->button(QDialogButtonBox::Ok)->setEnabled(combinations > 0);
    // An empty box reads as any two cards: with no hand picked it says so.
    text_->setPlaceholderText(combinations > 0 ? anyTwoCardsText() : tr("no hand picked"));
    if (chartsWindow_ && chartsWindow_->isVisible()) chartsWindow_->showRange(pickedRange());
    const double percent = 100.0 * combinations / kPocketCardPairs;
    const QSignalBlocker quietSlider(slider_);
    const QSignalBlocker quietField(share_);
    slider_->setValue(static_cast<int>(std::lround(percent * kSliderSteps / 100.0)));
    share_->setValue(percent);
}

// The hands on the grid (narrowed, when lines are ticked).
HandRange RangeGridDialog::pickedRange() const {
    return rangeOf(grid_->weights());
}

// What the picked combinations the known cards leave make now, before any
// narrowing.
void RangeGridDialog::showHits() {
    if (board_.size() < 3) return;
    if (const auto hits = countRangeHits(rangeOf(picked_), board_, known_))
        hits_->setHits(*hits, board_.size() < 5);
}

void RangeGridDialog::showCharts() {
    if (!hero_) return;
    if (!chartsWindow_)
        chartsWindow_ =
            new EquityChartsWindow(*hero_, board_, dead_, decimalSeparator_, threads_, this);
    chartsWindow_->showRange(pickedRange());
    chartsWindow_->show();
    chartsWindow_->raise();
}

void RangeGridDialog::retranslate() {
    setWindowTitle(opponent_ == 0 ? tr("Your range") : tr("Range of opponent %1").arg(opponent_));
    text_->setPlaceholderText(grid_->hands().any() ? anyTwoCardsText() : tr("no hand picked"));
    slider_->setToolTip(tr("The strongest hands making up this share of all hands"));
    charts_->setText(tr("Charts\u2026"));
    charts_->setToolTip(tr("Your equity by the next card and against each hand of the range"));
    share_->setToolTip(slider_->toolTip());
    weightCaption_->setText(tr("&Weight of the hands you paint:"));
    weight_->setToolTip(
        tr("A click or a drag on the grid gives hands this weight: the share of "
           "them the opponent plays this way (AQo:0.35)"));
    note_->setText(heroKnown_ ? tr("Each picked hand is coloured by your equity against it on this "
                                   "board; point at a hand for the figure.")
                              : tr("Choose your two cards to see your equity against each hand."));
}

}  // namespace korvana::ui
