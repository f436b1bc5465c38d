#include "ui/ranges/grid_equity_job.h"

namespace korvana::ui {

GridEquityJob::GridEquityJob(int threads, QObject* parent) : QObject(parent), threads_(threads) {}

void GridEquityJob::start(const std::array<Card, 2>& hero, const std::vector<Card>& board,
                          const std::vector<Card>& dead) {
    work_.start([this, hero, board, dead](EquityControl& control, const NewestWork::Post& post) {
        const auto passes = gridEquityPasses(board.size() >= 3, threads_);
        for (size_t pass = 0; pass < passes.size(); ++pass) {
            const GridEquities equities =
                countGridEquities(hero, board, dead, passes[pass], &control);
            if (control.cancelled()) return;
            const bool final = pass + 1 == passes.size();
            post([this, equities, final] { Q_EMIT counted(equities, final); });
        }
    });
}

void GridEquityJob::stop() {
    work_.stop();
}

}  // namespace korvana::ui
