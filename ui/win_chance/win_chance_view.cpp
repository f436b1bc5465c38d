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
                             QString decimalSeparator, int threads)
    : QObject(clientArea),
      settings_(std::move(settings)),
      reportError_(std::move(reportError)),
      panel_(new WinChancePanel(decimalSeparator, clientArea)),
      job_(new WinChanceJob(winChancePasses(threads), winChanceExactPass(threads), this)),
      decimalSeparator_(std::move(decimalSeparator)),
      threads_(threads) {
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
    }
    CountedSpot spot{{}, opponents_.countedTexts(), dead_};
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
        opponents.seat(opponent) = seatHolding(range.toStdString());
        storedRanges_[static_cast<size_t>(opponent - 1)] =
            QString::fromStdString(opponents.seat(opponent).rangeText);
    }
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
        connect(ranges_, &OpponentRangesWindow::rangeEdited, this, &WinChanceView::rangeTyped);
        connect(ranges_, &OpponentRangesWindow::rangeDone, this, &WinChanceView::rangeFinished);
        connect(ranges_, &OpponentRangesWindow::copyToOthers, this, &WinChanceView::rangeCopied);
        connect(ranges_, &OpponentRangesWindow::gridRequested, this, &WinChanceView::openGrid);
    }
    ranges_->show();
    ranges_->raise();
    ranges_->activateWindow();
}

void WinChanceView::openGrid(int opponent) {
    GridTable table;
    const std::optional<Card> first = hand_.card(1), second = hand_.card(2);
    if (first && second) table.hero = std::array<Card, 2>{*first, *second};
    for (int slot = 3; slot <= kSlotCount; ++slot)
        if (const std::optional<Card> card = hand_.card(slot)) table.board.push_back(*card);
    table.dead = dead_;
    auto* grid =
        new RangeGridDialog(opponent, QString::fromStdString(opponents_.seat(opponent).rangeText),
                            table, language_, decimalSeparator_, threads_, ranges_);
    grid->setAttribute(Qt::WA_DeleteOnClose);
    connect(grid, &QDialog::accepted, this,
            [this, grid, opponent] { Q_EMIT rangeChosen(opponent, grid->rangeText()); });
    grid->open();
}

void WinChanceView::showRangeRow(int opponent) {
    const OpponentSeat& seat = opponents_.seat(opponent);
    const QString typed = QString::fromStdString(seat.typed);
    if (ranges_->rangeText(opponent) != typed) ranges_->setRangeText(opponent, typed);
    ranges_->markRange(opponent, seat.problem);
    ranges_->setCombinations(opponent, static_cast<int>(seat.range->hands().size()));
}

void WinChanceView::recount() {
    std::optional<EquitySpot> spot = winChanceSpot(hand_, opponents_.countedRanges(), dead_);
    if (!spot) {
        job_->stop();
        panel_->setContent(WinChanceNote::ChooseCards);
        panel_->setCurrent(true);
        panel_->setBusy(false);
        Q_EMIT equityShown(std::nullopt);
        return;
    }
    job_->start(std::move(*spot));
    panel_->setCurrent(false);
    panel_->setBusy(true);
}

void WinChanceView::showCount(const EquityResult& result, bool final) {
    if (const auto figure = winChanceFigure(result)) {
        panel_->setContent(*figure);
        panel_->setCurrent(true);
        Q_EMIT equityShown(result.players.front().equity);
    } else if (final) {
        // Ranges that fit together almost never: not one deal in the time.
        panel_->setContent(WinChanceNoDeal{});
        panel_->setCurrent(true);
        Q_EMIT equityShown(std::nullopt);
    }
    panel_->setBusy(!final);
}

void WinChanceView::showFailure(const EquityError& error) {
    // The cards on the table are all different and at most nine opponents
    // leave enough cards, so only the ranges can leave no deal: one has no
    // hand left beside the known cards, or too few for every opponent at
    // once (three aces left cannot give three players a pair of aces each).
    if (error.problem == EquityError::Problem::RangeEmpty)
        panel_->setContent(WinChanceNote::RangeEmpty);
    else
        panel_->setContent(WinChanceNoDeal{error.opponents});
    Q_EMIT equityShown(std::nullopt);
    panel_->setCurrent(true);
    panel_->setBusy(false);
}

}  // namespace korvana::ui
