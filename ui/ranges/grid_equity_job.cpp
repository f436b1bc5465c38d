#include "ui/ranges/grid_equity_job.h"

#include <QMetaObject>

#include "ui/common/counting_threads.h"

namespace korvana::ui {

GridEquityJob::GridEquityJob(int threads, QObject* parent) : QObject(parent), threads_(threads) {}

GridEquityJob::~GridEquityJob() {
    {
        const std::lock_guard lock(mutex_);
        quitting_ = true;
        next_.reset();
        if (running_) running_->cancel();
    }
    wake_.notify_one();
    if (worker_.joinable()) worker_.join();
}

void GridEquityJob::start(const std::array<Card, 2>& hero, const std::vector<Card>& board) {
    {
        const std::lock_guard lock(mutex_);
        next_ = Order{++latest_, hero, board};
        if (running_) running_->cancel();
    }
    if (!worker_.joinable()) worker_ = std::thread([this] { work(); });
    wake_.notify_one();
}

void GridEquityJob::stop() {
    const std::lock_guard lock(mutex_);
    ++latest_;
    next_.reset();
    if (running_) running_->cancel();
}

void GridEquityJob::work() {
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
        const auto passes = gridEquityPasses(order.board.size() >= 3, threads_);
        for (size_t pass = 0; pass < passes.size(); ++pass) {
            const GridEquities equities =
                countGridEquities(order.hero, order.board, passes[pass], control.get());
            if (control->cancelled()) break;
            const bool final = pass + 1 == passes.size();
            QMetaObject::invokeMethod(
                this,
                [this, number = order.number, equities, final] {
                    if (number == latest_) Q_EMIT counted(equities, final);
                },
                Qt::QueuedConnection);
        }
        const std::lock_guard lock(mutex_);
        running_.reset();
    }
}

}  // namespace korvana::ui
