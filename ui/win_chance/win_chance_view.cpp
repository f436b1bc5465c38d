#include "ui/win_chance/win_chance_view.h"

#include <algorithm>
#include <map>

#include "services/failure.h"
#include "ui/ranges/opponent_ranges_window.h"
#include "ui/ranges/range_grid_dialog.h"
#include "ui/ranges/range_texts.h"
#include "ui/win_chance/win_chance_job.h"
#include "ui/win_chance/win_chance_panel.h"
#include "ui/win_chance/win_chance_text.h"

namespace korvana::ui {

WinChanceView::WinChanceView(QWidget* clientArea, SettingsStore settings, ErrorReporter reportError,
                             QString decimalSeparator, int threads, RangeLibraryFile library)
    : QObject(clientArea),
      settings_(std::move(settings)),
      reportError_(std::move(reportError)),
      panel_(new WinChancePanel(decimalSeparator, clientArea)),
      job_(new WinChanceJob(winChancePasses(threads), winChanceExactPass(threads), this)),
      decimalSeparator_(std::move(decimalSeparator)),
      threads_(threads),
      libraryFile_(std::move(library)) {
    panel_->setObjectName(QStringLiteral("winChancePanel"));
    panel_->setOpponents(opponents_.count);
    connect(panel_, &WinChancePanel::opponentsChanged, this, &WinChanceView::opponentsChosen);
    connect(panel_, &WinChancePanel::rangesRequested, this, &WinChanceView::showRanges);
    connect(job_, &WinChanceJob::counted, this, &WinChanceView::showCount);
    connect(job_, &WinChanceJob::failed, this, &WinChanceView::showFailure);
    connect(job_, &WinChanceJob::progressed, panel_, &WinChancePanel::setProgress);
}

WinChanceView::~WinChanceView() = default;

void WinChanceView::place(const QRect& strip) {
    panel_->setGeometry(strip);
}

void WinChanceView::showTable(const TableSnapshot& table, bool unfinished) {
    hand_ = table.hand;
    dead_ = table.dead;
    opponents_ = table.opponents;
    panel_->setOpponents(opponents_.count);
    if (ranges_) {
        ranges_->setOpponents(opponents_.count);
        for (int opponent = 1; opponent <= kMaxOpponents; ++opponent) showRangeRow(opponent);
        ranges_->showHeroRow(!hand_.card(1) && !hand_.card(2));
    }
    CountedSpot spot{{}, opponents_.countedRanges(), dead_, heroText_.toStdString()};
    for (int slot = 1; slot <= kSlotCount; ++slot)
        spot.cards[static_cast<size_t>(slot - 1)] = hand_.card(slot);
    if (spot != counted_) {
        counted_ = std::move(spot);
        recount();
    }
    if (!unfinished) keepChoices();
}

Opponents WinChanceView::storedOpponents() {
    // Each value falls back to its default on its own: a bad number of
    // opponents keeps the stored ranges, and the other way round.
    const auto stored = [this](auto read, auto fallback) {
        try {
            return read().value_or(fallback);
        } catch (const Failure& failure) {
            reportError_(failure.message());
            return fallback;
        }
    };
    const RangeLibrary library = libraryFile_.read().library;
    Opponents opponents;
    opponents.count =
        std::clamp(stored([this] { return settings_.opponents(); }, 1), 1, kMaxOpponents);
    storedCount_ = opponents.count;
    bool tooLong = false;
    for (int opponent = 1; opponent <= kMaxOpponents; ++opponent) {
        QString range =
            stored([this, opponent] { return settings_.opponentRange(opponent); }, QString());
        // More than the box holds is no range a player typed: it is not read at
        // all, and only it falls back to any two cards.
        if (range.size() > static_cast<qsizetype>(kMaxRangeCharacters)) {
            range.clear();
            tooLong = true;
        }
        // A stored range that no longer reads is shown marked; the count goes
        // on against any two cards.
        opponents.seat(opponent) = seatHolding(range.toStdString(), &library);
        storedRanges_[static_cast<size_t>(opponent - 1)] =
            QString::fromStdString(opponents.seat(opponent).rangeText);
    }
    QString hero = stored([this] { return settings_.heroRange(); }, QString());
    if (hero.size() > static_cast<qsizetype>(kMaxRangeCharacters)) hero.clear();
    typeHeroRange(hero);
    heroStored_ = heroText_;
    // Said once the stored language is in place, which the window applies after this.
    if (tooLong)
        QMetaObject::invokeMethod(
            this, [this] { reportError_(storedRangeTooLongText(settings_.location())); },
            Qt::QueuedConnection);
    return opponents;
}

// What changed since the store was last written goes in one write; a store
// that cannot be written complains once for each choice.
void WinChanceView::keepChoices() {
    std::optional<int> count;
    if (opponents_.count != storedCount_) count = storedCount_ = opponents_.count;
    std::map<int, QString> ranges;
    for (int opponent = 1; opponent <= kMaxOpponents; ++opponent) {
        QString& stored = storedRanges_[static_cast<size_t>(opponent - 1)];
        const QString range = QString::fromStdString(opponents_.seat(opponent).rangeText);
        if (range != stored) ranges[opponent] = stored = range;
    }
    if (!count && ranges.empty()) return;
    try {
        settings_.setOpposition(count, ranges);
    } catch (const Failure& failure) {
        reportError_(failure.message());
    }
}

void WinChanceView::setLanguage(Language language) {
    language_ = language;
    if (ranges_) ranges_->setLanguage(language);
}

void WinChanceView::showRanges() {
    if (!ranges_) {
        ranges_ = new OpponentRangesWindow(language_, decimalSeparator_, panel_->window());
        ranges_->setOpponents(opponents_.count);
        for (int opponent = 1; opponent <= kMaxOpponents; ++opponent) showRangeRow(opponent);
        showHeroRow();
        ranges_->showHeroRow(!hand_.card(1) && !hand_.card(2));
        // Row 0 is the hero's own, which stays here; the others are seats.
        connect(ranges_, &OpponentRangesWindow::rangeEdited, this,
                [this](int opponent, const QString& text) {
                    if (opponent == 0) return typeHeroRange(text);
                    Q_EMIT rangeTyped(opponent, text);
                });
        connect(ranges_, &OpponentRangesWindow::rangeDone, this, [this](int opponent) {
            if (opponent == 0) return keepHeroRange();
            Q_EMIT rangeFinished(opponent);
        });
        connect(ranges_, &OpponentRangesWindow::copyToOthers, this, &WinChanceView::rangeCopied);
        connect(ranges_, &OpponentRangesWindow::gridRequested, this, &WinChanceView::openGrid);
        showOpponentFigures();
    }
    readLibrary();
    ranges_->show();
    ranges_->raise();
    ranges_->activateWindow();
}

void WinChanceView::openGrid(int opponent) {
    GridTable table;
    const std::optional<Card> first = hand_.card(1), second = hand_.card(2);
    // The hero's own grid has no equities of his against it.
    if (first && second && opponent > 0) table.hero = std::array<Card, 2>{*first, *second};
    for (int slot = 3; slot <= kSlotCount; ++slot)
        if (const std::optional<Card> card = hand_.card(slot)) table.board.push_back(*card);
    table.dead = dead_;
    const QString text =
        opponent == 0 ? heroText_ : QString::fromStdString(opponents_.seat(opponent).rangeText);
    auto* grid = new RangeGridDialog(opponent, text, table, language_, decimalSeparator_, threads_,
                                     ranges_, libraryFile_);
    grid->setAttribute(Qt::WA_DeleteOnClose);
    connect(grid, &QDialog::finished, this, [this, grid, opponent](int result) {
        readLibrary();  // the player may have saved a range in it
        if (result != QDialog::Accepted) return;
        if (opponent > 0) return Q_EMIT rangeChosen(opponent, grid->rangeText());
        typeHeroRange(grid->rangeText());
        keepHeroRange();
    });
    grid->open();
}

void WinChanceView::showRangeRow(int opponent) {
    const OpponentSeat& seat = opponents_.seat(opponent);
    const QString typed = QString::fromStdString(seat.typed);
    if (ranges_->rangeText(opponent) != typed) ranges_->setRangeText(opponent, typed);
    ranges_->markRange(opponent, seat.problem);
    ranges_->setCombinations(opponent, seat.range->weighedCombos());
}

void WinChanceView::typeHeroRange(const QString& text) {
    heroTyped_ = text;
    heroProblem_.reset();
    if (text.trimmed().isEmpty()) {
        heroText_.clear();
        heroRange_ = nullptr;
    } else if (auto range = parseHandRange(text.toStdString());
               const auto* error = std::get_if<RangeError>(&range)) {
        heroProblem_ = *error;
    } else {
        heroText_ = text;
        heroRange_ = std::make_shared<const HandRange>(std::move(std::get<HandRange>(range)));
    }
    showHeroRow();
    if (!counted_ || counted_->heroRange == heroText_.toStdString()) return;
    counted_->heroRange = heroText_.toStdString();
    recount();
}

void WinChanceView::keepHeroRange() {
    if (heroText_ == heroStored_) return;
    heroStored_ = heroText_;
    try {
        settings_.setHeroRange(heroText_);
    } catch (const Failure& failure) {
        reportError_(failure.message());
    }
}

void WinChanceView::showHeroRow() {
    if (!ranges_) return;
    if (ranges_->rangeText(0) != heroTyped_) ranges_->setRangeText(0, heroTyped_);
    ranges_->markRange(0, heroProblem_);
    ranges_->setCombinations(0, heroRange_ ? heroRange_->weighedCombos() : 0);
}

void WinChanceView::readLibrary() {
    Q_EMIT rangeLibraryRead(libraryFile_.read().library);
}

void WinChanceView::recount() {
    std::optional<EquitySpot> spot =
        winChanceSpot(hand_, opponents_.countedRanges(), dead_, heroRange_);
    if (!spot) {
        job_->stop();
        lastCount_.reset();
        showOpponentFigures();
        panel_->setContent(WinChanceNote::ChooseCards);
        panel_->setCurrent(true);
        panel_->setBusy(false);
        Q_EMIT equityShown(std::nullopt);
        return;
    }
    countingHeroRange_ = spot->heroRange != nullptr;
    job_->start(std::move(*spot));
    if (ranges_) ranges_->setFiguresCurrent(false);
    panel_->setCurrent(false);
    panel_->setBusy(true);
}

void WinChanceView::showCount(const EquityResult& result, bool final) {
    if (const auto figure = winChanceFigure(result, 0, countingHeroRange_)) {
        panel_->setContent(*figure);
        panel_->setCurrent(true);
        lastCount_ = result;
        showOpponentFigures();
        Q_EMIT equityShown(result.players.front().equity);
    } else if (final) {
        // Ranges that fit together almost never: not one deal in the time.
        panel_->setContent(WinChanceNoDeal{});
        panel_->setCurrent(true);
        Q_EMIT equityShown(std::nullopt);
    }
    panel_->setBusy(!final);
}

// Each opponent's own share of the pot, beside his range.
void WinChanceView::showOpponentFigures() {
    if (!ranges_) return;
    for (int opponent = 1; opponent <= kMaxOpponents; ++opponent) {
        std::optional<WinChanceFigure> figure;
        if (lastCount_ && opponent <= opponents_.count)
            figure = winChanceFigure(*lastCount_, static_cast<size_t>(opponent));
        ranges_->setFigure(opponent, figure);
    }
    ranges_->setFiguresCurrent(true);
}

void WinChanceView::showFailure(const EquityError& error) {
    // The cards on the table are all different and at most nine opponents
    // leave enough cards, so only the ranges can leave no deal: one has no
    // hand left beside the known cards, or too few for every opponent at
    // once (three aces left cannot give three players a pair of aces each).
    lastCount_.reset();
    showOpponentFigures();
    if (error.problem == EquityError::Problem::RangeEmpty)
        panel_->setContent(WinChanceNote::RangeEmpty);
    else
        panel_->setContent(WinChanceNoDeal{error.opponents});
    Q_EMIT equityShown(std::nullopt);
    panel_->setCurrent(true);
    panel_->setBusy(false);
}

}  // namespace korvana::ui
