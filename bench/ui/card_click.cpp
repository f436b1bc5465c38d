// A click on a picker button until the odds list and the exact panel have been
// repainted: the table changes, the analysis and the exact chances run, the
// slot picture is read and both are drawn again. Offscreen, with the card
// pictures beside the program (or drawn for the occasion when the artwork has
// not been built).
//   bench_ui_card_click [CLICKS] [plain]
// "plain" hides the exact chances, for comparison with the list alone.
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEvent>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <string_view>
#include <vector>

#include "app/application.h"
#include "bench/ui/bench_pictures.h"
#include "bench/ui/paint_counter.h"
#include "ui/odds/exact_panel.h"
#include "ui/odds/odds_list.h"
#include "ui/table/card_picker.h"
#include "ui/table/card_table.h"

using namespace korvana;
using namespace korvana::ui;

namespace {}  // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int clicks = argc > 1 ? std::max(1, atoi(argv[1])) : 2000;
    const bool plain = argc > 2 && std::string_view(argv[2]) == "plain";
    prepareApplication(app);

    QTemporaryDir scratch(QDir::current().filePath(QStringLiteral("card-click-XXXXXX")));
    WindowServices services = installedServices();
    services.settings = SettingsStore::inFile(scratch.filePath(QStringLiteral("Korvana.conf")));
    if (plain) services.settings.setExactChances(false);
    services.pictureFolder = benchPictureFolder(scratch);
    services.reportError = [](const QString& message) {
        std::fprintf(stderr, "%s\n", qPrintable(message));
    };
    MainWindow window(services);
    window.show();
    QTest::qWait(50);

    auto* picker = window.findChild<CardPicker*>(QStringLiteral("cardPicker"));
    auto* panel = window.findChild<ExactPanel*>(QStringLiteral("exactPanel"));
    PaintCounter counter, panelCounter;
    window.findChild<OddsList*>(QStringLiteral("oddsList"))->installEventFilter(&counter);
    panel->installEventFilter(&panelCounter);
    if (panel->isVisible() == plain) std::fprintf(stderr, "the exact panel is not as asked\n");
    // Seven cards on, then the same seven off, over and over: every click
    // changes the table and the rows.
    const int items[] = {38, 37, 36, 35, 34, 0, 13};
    std::vector<double> microseconds;
    microseconds.reserve(static_cast<size_t>(clicks));
    QElapsedTimer timer;
    for (int i = 0; i < clicks; ++i) {
        const QPoint at = picker->buttonRect(items[i % 7]).center();
        const int before = counter.paints, panelBefore = panelCounter.paints;
        timer.start();
        QTest::mouseClick(picker, Qt::LeftButton, {}, at);
        while (counter.paints == before || (!plain && panelCounter.paints == panelBefore))
            QCoreApplication::processEvents();
        microseconds.push_back(static_cast<double>(timer.nsecsElapsed()) / 1000.0);
    }
    std::sort(microseconds.begin(), microseconds.end());
    const auto at = [&](double q) { return microseconds[static_cast<size_t>(q * (clicks - 1))]; };
    std::printf("card click until the list%s repainted, %d clicks, offscreen\n",
                plain ? " is" : " and the exact panel are", clicks);
    std::printf("median %.0f us, 90th percentile %.0f us, max %.0f us (target: median < 2000 us)\n",
                at(0.5), at(0.9), microseconds.back());
    return 0;
}
