// The replay window with a big file: from opening a file of random legal
// hands until the last of them is listed, and one step (→) until the table
// has been repainted. Offscreen; the medians over the runs are printed.
//   bench_ui_replay_window [HANDS] [RUNS] [STEPS]
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <random>
#include <vector>

#include "bench/ui/paint_counter.h"
#include "tests/history/hand_generator.h"
#include "ui/replay/replay_table.h"
#include "ui/replay/replay_window.h"

using namespace korvana;
using namespace korvana::ui;

namespace {

// The share-th of the values in order: 0.5 for the median.
double quantile(std::vector<double> values, double share) {
    std::sort(values.begin(), values.end());
    return values[static_cast<std::size_t>(share * static_cast<double>(values.size() - 1))];
}

}  // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int hands = argc > 1 ? std::max(1, atoi(argv[1])) : 10'000;
    const int runs = argc > 2 ? std::max(1, atoi(argv[2])) : 5;
    const int stepsWanted = argc > 3 ? std::max(1, atoi(argv[3])) : 2000;

    QTemporaryDir scratch(QDir::current().filePath(QStringLiteral("replay-bench-XXXXXX")));
    const QString path = scratch.filePath(QStringLiteral("hands.txt"));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly)) return 1;
        std::mt19937_64 random(35);
        for (int i = 0; i < hands; ++i)
            file.write((history::test::generateHand(random, 100'000 + i).text + "\n").c_str());
    }

    ReplayWindow window(
        {}, [] { return Language::English; }, QStringLiteral("."));
    window.show();
    QTest::qWait(50);
    std::vector<double> listing;
    for (int run = 0; run < runs; ++run) {
        QSignalSpy loaded(&window, &ReplayWindow::loaded);
        QElapsedTimer timer;
        timer.start();
        window.openFile(path);
        if (!loaded.wait(30'000)) return 1;
        QCoreApplication::processEvents();  // the list drawn with its rows
        listing.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
        if (window.listedHands() != hands) {
            std::fprintf(stderr, "listed %d of %d hands\n", window.listedHands(), hands);
            return 1;
        }
    }

    auto* table = window.findChild<ReplayTable*>();
    PaintCounter counter;
    table->installEventFilter(&counter);
    std::vector<double> stepping;
    int row = 0;
    while (static_cast<int>(stepping.size()) < stepsWanted) {
        window.showListedHand(row++ % hands);
        QCoreApplication::processEvents();
        while (window.step() + 1 < window.steps() &&
               static_cast<int>(stepping.size()) < stepsWanted) {
            const int before = counter.paints;
            QElapsedTimer timer;
            timer.start();
            QTest::keyClick(&window, Qt::Key_Right);
            while (counter.paints == before) QCoreApplication::processEvents();
            stepping.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
        }
    }
    std::printf("%d hands listed in (median of %d): %.1f ms\n", hands, runs,
                quantile(listing, 0.5));
    std::printf(
        "one step until the table is repainted (%zu steps): median %.3f ms, 99th "
        "percentile %.3f ms, slowest %.3f ms\n",
        stepping.size(), quantile(stepping, 0.5), quantile(stepping, 0.99),
        quantile(stepping, 1.0));
    return 0;
}
