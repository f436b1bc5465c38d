#pragma once
// Counts the hero's equity against every cell of the grid on a thread of its
// own, so that clicks on the grid never wait. Each new table replaces the one
// before: a count still running for an older table is cancelled and nothing
// of it is delivered afterwards. Each pass (see gridEquityPasses) is
// delivered to the owner's thread through its event loop.
#include <QObject>
#include <array>
#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

#include "engine/equity/grid_equity.h"

namespace korvana::ui {

class GridEquityJob : public QObject {
    Q_OBJECT
public:
    explicit GridEquityJob(int threads, QObject* parent = nullptr);
    ~GridEquityJob() override;

    // Starts counting for the hero's cards on the board, dropping the count before.
    void start(const std::array<Card, 2>& hero, const std::vector<Card>& board);
    // Drops the count under way, if any; nothing more is delivered.
    void stop();

Q_SIGNALS:
    // A pass over every cell; final when no finer one follows.
    void counted(const korvana::GridEquities& equities, bool final);

private:
    struct Order {
        std::uint64_t number = 0;
        std::array<Card, 2> hero;
        std::vector<Card> board;
    };
    void work();

    const int threads_;
    std::mutex mutex_;
    std::condition_variable wake_;
    std::optional<Order> next_;               // under mutex_
    std::shared_ptr<EquityControl> running_;  // under mutex_
    bool quitting_ = false;                   // under mutex_
    std::uint64_t latest_ = 0;                // owner's thread only
    std::thread worker_;                      // owner's thread only: started by the first table
};

}  // namespace korvana::ui
