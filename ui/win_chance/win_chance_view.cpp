#include "win_chance_view.h"

#include <algorithm>

#include "failure.h"
#include "win_chance_job.h"
#include "win_chance_panel.h"
#include "win_chance_text.h"

namespace korvana::ui {

WinChanceView::WinChanceView(QWidget* clientArea, SettingsStore settings, ErrorReporter reportError,
                             QString decimalSeparator, int threads)
    : QObject(clientArea),
      settings_(std::move(settings)),
      reportError_(std::move(reportError)),
      panel_(new WinChancePanel(std::move(decimalSeparator), clientArea)),
      job_(new WinChanceJob(winChancePasses(threads), winChanceExactPass(threads), this)) {
    panel_->setObjectName(QStringLiteral("winChancePanel"));
    panel_->setOpponents(opposition_.opponents);
    connect(panel_, &WinChancePanel::opponentsChanged, this, &WinChanceView::chooseOpponents);
    connect(panel_, &WinChancePanel::rangeEdited, this, &WinChanceView::editRange);
    connect(panel_, &WinChancePanel::rangeDone, this, &WinChanceView::keepRange);
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
    // opponents keeps the stored range, and the other way round.
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
    QString range = stored([this] { return settings_.opponentRange(); }, QString());
    // More than the box holds is no range a player typed: it is not read at
    // all, and only it falls back to any two cards. Said once the stored
    // language is in place, which the window applies after this.
    if (range.size() > static_cast<qsizetype>(kMaxRangeCharacters)) {
        range.clear();
        QMetaObject::invokeMethod(
            this, [this] { reportError_(storedRangeTooLongText(settings_.location())); },
            Qt::QueuedConnection);
    }
    opposition_.opponents = opponents;
    panel_->setOpponents(opponents);
    panel_->setRangeText(range);
    // A stored range that no longer reads is shown marked; the count goes
    // on against any two cards.
    if (!takeRange(range)) {
        opposition_.range = HandRange::anyTwoCards();
        goodRange_.clear();
    }
    recount();
}

void WinChanceView::chooseOpponents(int opponents) {
    opposition_.opponents = opponents;
    recount();
    try {
        settings_.setOpponents(opponents);
    } catch (const Failure& failure) {
        reportError_(failure.message());
    }
}

void WinChanceView::chooseOpposition(int opponents, const QString& range) {
    opposition_.opponents = opponents;
    panel_->setOpponents(opponents);
    panel_->setRangeText(range);
    takeRange(range);
    rangeToKeep_ = false;
    recount();
    try {
        settings_.setOpponents(opponents);
        settings_.setOpponentRange(range);
    } catch (const Failure& failure) {
        reportError_(failure.message());
    }
}

void WinChanceView::editRange(const QString& text) {
    if (!takeRange(text)) return;
    rangeToKeep_ = true;
    recount();
}

// The range is stored once the player is done with it, not at every key:
// a store that cannot be written then complains once.
void WinChanceView::keepRange() {
    if (!rangeToKeep_) return;
    rangeToKeep_ = false;
    try {
        settings_.setOpponentRange(goodRange_);
    } catch (const Failure& failure) {
        reportError_(failure.message());
    }
}

bool WinChanceView::takeRange(const QString& text) {
    auto range = opponentRange(text.toStdString());
    if (const auto* error = std::get_if<RangeError>(&range)) {
        panel_->markRange(*error);
        return false;
    }
    panel_->markRange(std::nullopt);
    opposition_.range = std::move(std::get<HandRange>(range));
    goodRange_ = text;
    return true;
}

void WinChanceView::recount() {
    std::optional<EquitySpot> spot = winChanceSpot(hand_, opposition_);
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
        panel_->setContent(WinChanceNote::NoDeal);
        panel_->setCurrent(true);
        Q_EMIT equityShown(std::nullopt);
    }
    panel_->setBusy(!final);
}

void WinChanceView::showFailure(const EquityError& error) {
    // The cards on the table are all different and at most nine opponents
    // leave enough cards, so only the range can leave no deal: either it has
    // no hand left beside the known cards, or too few for every opponent
    // at once (three aces left cannot give three players a pair of aces each).
    panel_->setContent(error.problem == EquityError::Problem::RangeEmpty ? WinChanceNote::RangeEmpty
                                                                         : WinChanceNote::NoDeal);
    Q_EMIT equityShown(std::nullopt);
    panel_->setCurrent(true);
    panel_->setBusy(false);
}

}  // namespace korvana::ui
