#include "ui/win_chance/win_chance_job.h"

#include <QMetaObject>
#include <atomic>
#include <chrono>

#include "engine/equity/win_chance.h"
#include "ui/common/counting_threads.h"

namespace korvana::ui {

WinChanceJob::WinChanceJob(std::vector<EquityOptions> passes,
                           std::optional<EquityOptions> exactPass, QObject* parent)
    : QObject(parent), passes_(std::move(passes)), exactPass_(std::move(exactPass)) {}

WinChanceJob::~WinChanceJob() {
    {
        const std::lock_guard lock(mutex_);
        quitting_ = true;
        next_.reset();
        if (running_) running_->cancel();
    }
    wake_.notify_one();
    if (worker_.joinable()) worker_.join();
}

void WinChanceJob::start(EquitySpot spot) {
    busy_ = true;
    {
        const std::lock_guard lock(mutex_);
        next_ = Order{++latest_, std::move(spot)};
        if (running_) running_->cancel();
    }
    // Started with the first spot: the window opens with no cards, and the
    // start is quicker without it.
    if (!worker_.joinable()) worker_ = std::thread([this] { work(); });
    wake_.notify_one();
}

void WinChanceJob::stop() {
    busy_ = false;
    const std::lock_guard lock(mutex_);
    ++latest_;
    next_.reset();
    if (running_) running_->cancel();
}

template <class Deliver>
void WinChanceJob::deliver(std::uint64_t number, bool last, Deliver&& send) {
    QMetaObject::invokeMethod(
        this,
        [this, number, last, send = std::forward<Deliver>(send)] {
            if (number != latest_) return;
            if (last) busy_ = false;
            send();
        },
        Qt::QueuedConnection);
}

void WinChanceJob::work() {
    countBehindTheWindow();
    for (;;) {
        Order order;
        auto control = std::make_shared<EquityControl>();
        {
            std::unique_lock lock(mutex_);
            wake_.wait(lock, [&] { return quitting_ || next_; });
            if (quitting_) return;
            order = std::move(*next_);
            next_.reset();
            running_ = control;
        }
        for (size_t pass = 0; pass < passes_.size() && !control->cancelled(); ++pass) {
            auto outcome = computeEquity(order.spot, passes_[pass], control.get());
            if (control->cancelled()) break;
            if (const auto* error = std::get_if<EquityError>(&outcome)) {
                deliver(order.number, true, [this, error = *error] { Q_EMIT failed(error); });
                break;
            }
            const EquityResult& result = std::get<EquityResult>(outcome);
            const bool last = pass + 1 == passes_.size() || isFinalCount(result);
            const bool everyDeal = last && exactPass_ && mayCountEveryDeal(result);
            const bool final = last && !everyDeal;
            deliver(order.number, final, [this, result, final] { Q_EMIT counted(result, final); });
            if (everyDeal) countEveryDeal(order, result);
            if (last) break;
        }
        const std::lock_guard lock(mutex_);
        running_.reset();
    }
}

bool WinChanceJob::countEveryDeal(const Order& order, const EquityResult& sample) {
    // A control of its own, which a newer spot cancels like the passes' one,
    // and which this count cancels itself once its pace shows it will not
    // end within the budget.
    auto control = std::make_shared<EquityControl>();
    {
        const std::lock_guard lock(mutex_);
        if (quitting_ || next_) return false;
        running_ = control;
    }
    std::atomic<bool> givenUp{false};
    const auto begun = std::chrono::steady_clock::now();
    control->onProgress = [&](const EquityResult&, double done) {
        if (!exactCountFits(done, std::chrono::steady_clock::now() - begun,
                            exactPass_->timeBudget)) {
            givenUp = true;
            control->cancel();
            return;
        }
        deliver(order.number, false, [this, done] { Q_EMIT progressed(done); });
    };
    auto outcome = computeEquity(order.spot, *exactPass_, control.get());
    if (control->cancelled() && !givenUp) return false;
    const auto* counted = std::get_if<EquityResult>(&outcome);
    // Given up, or out of time after all (a busy machine): the sample stays,
    // now final.
    const EquityResult shown = counted && isFinalCount(*counted) ? *counted : sample;
    deliver(order.number, true, [this, shown] { Q_EMIT this->counted(shown, true); });
    return true;
}

}  // namespace korvana::ui
