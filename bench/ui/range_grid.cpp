// The grid window of an opponent's range, offscreen: from construction until
// the grid's first paint (target: under 100 ms), and a drag over the grid,
// each step from the mouse move until the grid is repainted with the text,
// share and board counts brought up to date (target: under 8 ms a repaint).
// A 35% range, the hero's cards and a flop known, so that the equities count
// on their thread meanwhile, as in use.
//   bench_ui_range_grid [OPENINGS] [DRAG STEPS]
#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "bench/ui/paint_counter.h"
#include "ui/ranges/range_grid_dialog.h"
#include "ui/ranges/range_grid_widget.h"

using namespace korvana;
using namespace korvana::ui;

namespace {

void report(const char* what, std::vector<double>& microseconds, const char* target) {
    std::sort(microseconds.begin(), microseconds.end());
    const auto at = [&](double q) {
        return microseconds[static_cast<size_t>(q * static_cast<double>(microseconds.size() - 1))];
    };
    std::printf("%s: median %.0f us, 90th percentile %.0f us, max %.0f us (target: %s)\n", what,
                at(0.5), at(0.9), microseconds.back(), target);
}

}  // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int openings = argc > 1 ? std::max(1, atoi(argv[1])) : 50;
    const int steps = argc > 2 ? std::max(1, atoi(argv[2])) : 1000;
    GridTable table;
    table.hero = std::array<Card, 2>{*parseCardCode("Ah"), *parseCardCode("Kd")};
    table.board = {*parseCardCode("Qs"), *parseCardCode("Jc"), *parseCardCode("2h")};

    std::vector<double> opening;
    QElapsedTimer timer;
    for (int i = 0; i < openings; ++i) {
        timer.start();
        RangeGridDialog dialog(1, QStringLiteral("35%"), table, Language::English,
                               QStringLiteral("."), 2);
        PaintCounter painted;
        dialog.grid()->installEventFilter(&painted);
        dialog.show();
        while (painted.paints == 0) QCoreApplication::processEvents();
        opening.push_back(static_cast<double>(timer.nsecsElapsed()) / 1000.0);
    }
    report("opening the grid window until the grid is painted", opening, "under 100000 us");

    RangeGridDialog dialog(1, QStringLiteral("35%"), table, Language::English, QStringLiteral("."),
                           2);
    dialog.show();
    QTest::qWait(50);
    RangeGridWidget* grid = dialog.grid();
    PaintCounter painted;
    grid->installEventFilter(&painted);
    std::vector<double> drag;
    // Back and forth along a row and down the grid, painting hands on and off.
    QTest::mousePress(grid, Qt::LeftButton, {}, grid->cellRect(5, 5).center());
    for (int i = 0; i < steps; ++i) {
        const int row = (i / kGridSide) % kGridSide;
        const int column = (i / kGridSide) % 2 == 0 ? i % kGridSide : kGridSide - 1 - i % kGridSide;
        const int before = painted.paints;
        timer.start();
        QTest::mouseMove(grid, grid->cellRect(row, column).center());
        // A cell already as the drag paints it changes nothing and is not repainted.
        for (int round = 0; round < 3 && painted.paints == before; ++round)
            QCoreApplication::processEvents();
        if (painted.paints != before)
            drag.push_back(static_cast<double>(timer.nsecsElapsed()) / 1000.0);
        // Now and then the drag starts again on a cell, flipping what it paints.
        if ((i + 1) % (kGridSide * kGridSide) == 0) {
            QTest::mouseRelease(grid, Qt::LeftButton, {}, grid->cellRect(row, column).center());
            QTest::mousePress(grid, Qt::LeftButton, {}, grid->cellRect(row, column).center());
        }
    }
    if (drag.empty()) return 1;
    report("a drag step until the grid is repainted", drag, "under 8000 us");
    return 0;
}
