#include "ui/common/newest_work.h"

#include <QMetaObject>

namespace korvana::ui {

NewestWork::NewestWork(QObject* parent) : QObject(parent) {}

NewestWork::~NewestWork() {
    {
        const std::lock_guard lock(mutex_);
        quitting_ = true;
        next_.reset();
        if (running_) running_->cancel();
    }
    wake_.notify_one();
    if (worker_.joinable()) worker_.join();
}

void NewestWork::start(Task task) {
    {
        const std::lock_guard lock(mutex_);
        next_ = Order{++latest_, std::move(task)};
        if (running_) running_->cancel();
    }
    if (!worker_.joinable()) worker_ = std::thread([this] { work(); });
    wake_.notify_one();
}

void NewestWork::stop() {
    ++latest_;
    const std::lock_guard lock(mutex_);
    next_.reset();
    if (running_) running_->cancel();
}

void NewestWork::work() {
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
        const Post post = [this, number = order.number](Delivery delivery) {
            QMetaObject::invokeMethod(
                this,
                [this, number, delivery = std::move(delivery)] {
                    if (number == latest_) delivery();
                },
                Qt::QueuedConnection);
        };
        order.task(*control, post);
        const std::lock_guard lock(mutex_);
        running_.reset();
    }
}

}  // namespace korvana::ui
