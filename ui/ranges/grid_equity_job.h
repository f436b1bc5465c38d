#pragma once
// Counts the hero's equity against every cell of the grid on a thread of its
// own, so that clicks on the grid never wait. Each new table replaces the one
// before: a count still running for an older table is cancelled and nothing
// of it is delivered afterwards. Each pass (see gridEquityPasses) is
// delivered to the owner's thread through its event loop.
#include <QObject>
#include <array>
#include <vector>

#include "engine/equity/grid_equity.h"
#include "ui/common/newest_work.h"

namespace korvana::ui {

class GridEquityJob : public QObject {
    Q_OBJECT
public:
    explicit GridEquityJob(int threads, QObject* parent = nullptr);

    // Starts counting for the hero's cards on the board, the dead cards dealt
    // to nobody, dropping the count before.
    void start(const std::array<Card, 2>& hero, const std::vector<Card>& board,
               const std::vector<Card>& dead);
    // Drops the count under way, if any; nothing more is delivered.
    void stop();

Q_SIGNALS:
    // A pass over every cell; final when no finer one follows.
    void counted(const korvana::GridEquities& equities, bool final);

private:
    const int threads_;
    NewestWork work_;  // last: its thread, which calls back into the job, ends first
};

}  // namespace korvana::ui
