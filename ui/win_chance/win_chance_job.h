#pragma once
// Counts win chances on a thread of its own, so the window never waits for
// them. Each new spot replaces the one before: a count still running for an
// older table is cancelled, and nothing of it is delivered afterwards. The
// counts of a spot come one pass after another (see winChancePasses), each
// delivered to the thread that owns the job through its event loop; after the
// last the thread sleeps until the next spot. When the last pass is a sample,
// every deal is counted after it while that stays on course to end within
// the budget (see exactCountFits): that count is final if it ends, else the
// sample is delivered again as final. Destroying the job cancels what
// runs and returns as soon as the count notices (a few milliseconds).
#include <QObject>
#include <optional>
#include <vector>

#include "engine/equity/equity.h"
#include "ui/common/newest_work.h"

namespace korvana::ui {

class WinChanceJob : public QObject {
    Q_OBJECT
public:
    // exactPass: the count of every deal that may follow, its time budget the
    // budget it must fit; none when nullopt.
    explicit WinChanceJob(std::vector<EquityOptions> passes,
                          std::optional<EquityOptions> exactPass = std::nullopt,
                          QObject* parent = nullptr);

    // Starts counting the spot, dropping the spot before.
    void start(EquitySpot spot);
    // Drops the spot being counted, if any; nothing more is delivered.
    void stop();
    // A spot is being counted, or waits to be.
    bool busy() const { return busy_; }

Q_SIGNALS:
    // A count of the latest spot; final when no better one follows.
    void counted(const korvana::EquityResult& result, bool final);
    // How far the count of every deal of the latest spot has come (0..1),
    // now and then while it runs.
    void progressed(double done);
    // The latest spot has no deal at all (its range lost every hand to the
    // cards on the table, say).
    void failed(const korvana::EquityError& error);

private:
    void work(const EquitySpot& spot, EquityControl& control, const NewestWork::Post& post);
    // Counts every deal after the sample, unless it would not end within the
    // exact pass's budget.
    void countEveryDeal(const EquitySpot& spot, const EquityResult& sample, EquityControl& control,
                        const NewestWork::Post& post);
    // Hands the result to the window; the last one of a spot ends the business.
    void deliver(const NewestWork::Post& post, const EquityResult& result, bool final);

    const std::vector<EquityOptions> passes_;
    const std::optional<EquityOptions> exactPass_;
    bool busy_ = false;  // owner's thread only
    NewestWork work_;    // last: its thread, which calls back into the job, ends first
};

}  // namespace korvana::ui
