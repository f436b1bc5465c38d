#include "ui/win_chance/win_chance_job.h"

#include <atomic>
#include <chrono>

#include "engine/equity/win_chance.h"

namespace korvana::ui {

WinChanceJob::WinChanceJob(std::vector<EquityOptions> passes,
                           std::optional<EquityOptions> exactPass, QObject* parent)
    : QObject(parent), passes_(std::move(passes)), exactPass_(std::move(exactPass)) {}

void WinChanceJob::start(EquitySpot spot) {
    busy_ = true;
    work_.start(
        [this, spot = std::move(spot)](EquityControl& control, const NewestWork::Post& post) {
            work(spot, control, post);
        });
}

void WinChanceJob::stop() {
    busy_ = false;
    work_.stop();
}

void WinChanceJob::deliver(const NewestWork::Post& post, const EquityResult& result, bool final) {
    post([this, result, final] {
        if (final) busy_ = false;
        Q_EMIT counted(result, final);
    });
}

void WinChanceJob::work(const EquitySpot& spot, EquityControl& control,
                        const NewestWork::Post& post) {
    for (size_t pass = 0; pass < passes_.size(); ++pass) {
        auto outcome = computeEquity(spot, passes_[pass], &control);
        if (control.cancelled()) return;
        if (const auto* error = std::get_if<EquityError>(&outcome)) {
            post([this, error = *error] {
                busy_ = false;
                Q_EMIT failed(error);
            });
            return;
        }
        const EquityResult& result = std::get<EquityResult>(outcome);
        const bool last = pass + 1 == passes_.size() || isFinalCount(result);
        const bool everyDeal = last && exactPass_ && mayCountEveryDeal(result);
        deliver(post, result, last && !everyDeal);
        if (everyDeal) countEveryDeal(spot, result, control, post);
        if (last) return;
    }
}

void WinChanceJob::countEveryDeal(const EquitySpot& spot, const EquityResult& sample,
                                  EquityControl& control, const NewestWork::Post& post) {
    // The count cancels itself once its pace shows it will not end within
    // the budget; a newer spot cancels it as it cancels the passes.
    std::atomic<bool> givenUp{false};
    const auto begun = std::chrono::steady_clock::now();
    control.onProgress = [&](const EquityResult&, double done) {
        if (!exactCountFits(done, std::chrono::steady_clock::now() - begun,
                            exactPass_->timeBudget)) {
            givenUp = true;
            control.cancel();
            return;
        }
        post([this, done] { Q_EMIT progressed(done); });
    };
    auto outcome = computeEquity(spot, *exactPass_, &control);
    control.onProgress = nullptr;
    if (control.cancelled() && !givenUp) return;
    const auto* counted = std::get_if<EquityResult>(&outcome);
    // Given up, or out of time after all (a busy machine): the sample stays,
    // now final.
    deliver(post, counted && isFinalCount(*counted) ? *counted : sample, true);
}

}  // namespace korvana::ui
