#include "ui/win_chance/win_chance_view.h"

#include <algorithm>

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
      libraryFile_(std::move(library)),
      library_(libraryFile_.read().library) {
    for (int i = 0; i < kMaxOpponents; ++i) {
        typed_.append(QString());
        goodRange_.append(QString());
    }
    problem_.resize(kMaxOpponents);
    rangeToKeep_.resize(kMaxOpponents);
    panel_->setObjectName(QStringLiteral("winChancePanel"));
    panel_->setOpponents(opposition_.opponents);
    connect(panel_, &WinChancePanel::opponentsChanged, this, &WinChanceView::chooseOpponents);
    connect(panel_, &WinChancePanel::rangesRequested, this, &WinChanceView::showRanges);
    connect(job_, &WinChanceJob::counted, this, &WinChanceView::showCount);
    connect(job_, &WinChanceJob::failed, this, &WinChanceView::showFailure);
}

WinChanceView::~WinChanceView() = default;

void WinChanceView::place(const QRect& strip) {
    panel_->setGeometry(strip);
}

void WinChanceView::showTable(const Hand& hand) {
    hand_ = hand;
    recount();
}

void WinChanceView::applyStoredChoices() {
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
    const int opponents =
        std::clamp(stored([this] { return settings_.opponents(); }, 1), 1, kMaxOpponents);
    opposition_.opponents = opponents;
    panel_->setOpponents(opponents);
    if (ranges_) ranges_->setOpponents(opponents);
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
        if (!takeRange(opponent, range)) {
            opposition_.ranges[static_cast<size_t>(opponent - 1)] = HandRange::anyTwoCards();
            goodRange_[opponent - 1].clear();
        }
        showRangeRow(opponent);
    }
    // Said once the stored language is in place, which the window applies after this.
    if (tooLong)
        QMetaObject::invokeMethod(
            this, [this] { reportError_(storedRangeTooLongText(settings_.location())); },
            Qt::QueuedConnection);
    recount();
}

void WinChanceView::chooseOpposition(int opponents, const QString& range) {
    opposition_.opponents = opponents;
    panel_->setOpponents(opponents);
    if (ranges_) ranges_->setOpponents(opponents);
    for (int opponent = 1; opponent <= kMaxOpponents; ++opponent) {
        takeRange(opponent, range);
        showRangeRow(opponent);
        rangeToKeep_[static_cast<size_t>(opponent - 1)] = false;
    }
    recount();
    try {
        settings_.setOpponents(opponents);
        for (int opponent = 1; opponent <= kMaxOpponents; ++opponent)
            settings_.setOpponentRange(opponent, range);
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
        ranges_->setOpponents(opposition_.opponents);
        for (int opponent = 1; opponent <= kMaxOpponents; ++opponent) showRangeRow(opponent);
        connect(ranges_, &OpponentRangesWindow::rangeEdited, this, &WinChanceView::editRange);
        connect(ranges_, &OpponentRangesWindow::rangeDone, this, &WinChanceView::keepRange);
        connect(ranges_, &OpponentRangesWindow::copyToOthers, this, &WinChanceView::copyRange);
        connect(ranges_, &OpponentRangesWindow::gridRequested, this, &WinChanceView::openGrid);
        showOpponentFigures();
    }
    readLibrary();
    ranges_->show();
    ranges_->raise();
    ranges_->activateWindow();
}

void WinChanceView::chooseOpponents(int opponents) {
    opposition_.opponents = opponents;
    if (ranges_) ranges_->setOpponents(opponents);
    recount();
    try {
        settings_.setOpponents(opponents);
    } catch (const Failure& failure) {
        reportError_(failure.message());
    }
}

void WinChanceView::editRange(int opponent, const QString& text) {
    const bool good = takeRange(opponent, text);
    showRangeRow(opponent);
    if (!good) return;
    rangeToKeep_[static_cast<size_t>(opponent - 1)] = true;
    if (opponent <= opposition_.opponents) recount();
}

// A range is stored once the player is done with it, not at every key:
// a store that cannot be written then complains once.
void WinChanceView::keepRange(int opponent) {
    const auto at = static_cast<size_t>(opponent - 1);
    if (!rangeToKeep_[at]) return;
    rangeToKeep_[at] = false;
    try {
        settings_.setOpponentRange(opponent, goodRange_[opponent - 1]);
    } catch (const Failure& failure) {
        reportError_(failure.message());
    }
}

// The row's last good range goes to every other row, and is stored at once.
void WinChanceView::copyRange(int from) {
    const QString text = goodRange_[from - 1];
    for (int opponent = 1; opponent <= kMaxOpponents; ++opponent) {
        if (opponent == from) continue;
        takeRange(opponent, text);
        showRangeRow(opponent);
        rangeToKeep_[static_cast<size_t>(opponent - 1)] = true;
    }
    rangeToKeep_[static_cast<size_t>(from - 1)] = true;
    recount();
    for (int opponent = 1; opponent <= kMaxOpponents; ++opponent) keepRange(opponent);
}

void WinChanceView::openGrid(int opponent) {
    GridTable table;
    const std::optional<Card> first = hand_.card(1), second = hand_.card(2);
    if (first && second) table.hero = std::array<Card, 2>{*first, *second};
    for (int slot = 3; slot <= kSlotCount; ++slot)
        if (const std::optional<Card> card = hand_.card(slot)) table.board.push_back(*card);
    auto* grid = new RangeGridDialog(opponent, goodRange_[opponent - 1], table, language_,
                                     decimalSeparator_, threads_, ranges_, libraryFile_);
    grid->setAttribute(Qt::WA_DeleteOnClose);
    connect(grid, &QDialog::finished, this, [this, grid, opponent](int result) {
        readLibrary();  // the player may have saved a range in it
        if (result != QDialog::Accepted) return;
        editRange(opponent, grid->rangeText());
        keepRange(opponent);
    });
    grid->open();
}

bool WinChanceView::takeRange(int opponent, const QString& text) {
    const auto at = static_cast<size_t>(opponent - 1);
    typed_[opponent - 1] = text;
    auto range = opponentRange(text.toStdString(), library_);
    if (const auto* error = std::get_if<RangeError>(&range)) {
        problem_[at] = *error;
        return false;
    }
    problem_[at].reset();
    opposition_.ranges[at] = std::move(std::get<HandRange>(range));
    goodRange_[opponent - 1] = text;
    return true;
}

void WinChanceView::showRangeRow(int opponent) {
    if (!ranges_) return;
    const auto at = static_cast<size_t>(opponent - 1);
    if (ranges_->rangeText(opponent) != typed_[opponent - 1])
        ranges_->setRangeText(opponent, typed_[opponent - 1]);
    ranges_->markRange(opponent, problem_[at]);
    ranges_->setCombinations(opponent, static_cast<int>(opposition_.ranges[at].hands().size()));
}

void WinChanceView::readLibrary() {
    library_ = libraryFile_.read().library;
    bool changed = false;
    for (int opponent = 1; opponent <= kMaxOpponents; ++opponent) {
        const auto at = static_cast<size_t>(opponent - 1);
        if (!typed_[opponent - 1].contains(QLatin1Char('@'))) continue;
        const HandRange before = opposition_.ranges[at];
        takeRange(opponent, typed_[opponent - 1]);
        showRangeRow(opponent);
        changed =
            changed || (opponent <= opposition_.opponents && !(before == opposition_.ranges[at]));
    }
    if (changed) recount();
}

void WinChanceView::recount() {
    std::optional<EquitySpot> spot = winChanceSpot(hand_, opposition_);
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
    job_->start(std::move(*spot));
    if (ranges_) ranges_->setFiguresCurrent(false);
    panel_->setCurrent(false);
    panel_->setBusy(true);
}

void WinChanceView::showCount(const EquityResult& result, bool final) {
    if (const auto figure = winChanceFigure(result)) {
        panel_->setContent(*figure);
        panel_->setCurrent(true);
        lastCount_ = result;
        showOpponentFigures();
        Q_EMIT equityShown(result.players.front().equity);
    } else if (final) {
        // Ranges that fit together almost never: not one deal in the time.
        panel_->setContent(WinChanceNote::NoDeal);
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
        if (lastCount_ && opponent <= opposition_.opponents)
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
    panel_->setContent(error.problem == EquityError::Problem::RangeEmpty ? WinChanceNote::RangeEmpty
                                                                         : WinChanceNote::NoDeal);
    Q_EMIT equityShown(std::nullopt);
    panel_->setCurrent(true);
    panel_->setBusy(false);
}

}  // namespace korvana::ui
