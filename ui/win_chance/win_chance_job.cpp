#include "ui/win_chance/win_chance_job.h"

#include <QMetaObject>

#include "engine/win_chance.h"

namespace korvana::ui {

WinChanceJob::WinChanceJob(std::vector<EquityOptions> passes, QObject* parent)
    : QObject(parent), passes_(std::move(passes)) {}

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
            const bool final = pass + 1 == passes_.size() || isFinalCount(result);
            deliver(order.number, final, [this, result, final] { Q_EMIT counted(result, final); });
            if (final) break;
        }
        const std::lock_guard lock(mutex_);
        running_.reset();
    }
}

}  // namespace korvana::ui
