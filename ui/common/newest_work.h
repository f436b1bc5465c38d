#pragma once
// Work off the window's thread where only the newest order counts: each new
// order cancels the one under way, and nothing of an older order reaches the
// window afterwards. One worker thread, started by the first order (the
// window opens with nothing to count, and starts quicker without it).
// Destroying it cancels what runs and returns once the work notices.
#include <QObject>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>

#include "engine/equity/equity_count.h"

namespace korvana::ui {

class NewestWork : public QObject {
    Q_OBJECT
public:
    // Runs on the owner's thread, and only while its order is still the newest.
    using Delivery = std::function<void()>;
    // Hands a delivery to the owner's thread, through its event loop.
    using Post = std::function<void(Delivery)>;
    // An order's work, run on the worker thread: it stops soon after
    // control.cancelled() turns true.
    using Task = std::function<void(EquityControl& control, const Post& post)>;

    explicit NewestWork(QObject* parent = nullptr);
    ~NewestWork() override;

    // Runs the task next, cancelling the order under way or waiting.
    void start(Task task);
    // Cancels the order under way or waiting; nothing more is delivered.
    void stop();

private:
    struct Order {
        std::uint64_t number = 0;
        Task task;
    };
    void work();

    std::mutex mutex_;
    std::condition_variable wake_;
    std::optional<Order> next_;               // under mutex_
    std::shared_ptr<EquityControl> running_;  // under mutex_
    bool quitting_ = false;                   // under mutex_
    std::uint64_t latest_ = 0;                // owner's thread only
    std::thread worker_;                      // owner's thread only
};

}  // namespace korvana::ui
