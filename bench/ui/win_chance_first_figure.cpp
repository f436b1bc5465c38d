// A click that completes or changes the table until the win chance panel
// shows the first figure of the new table, against 1, 2 and 3 opponents
// holding any two cards. Each table is a random one: two pocket cards and
// none, three, four or five board cards; the count of the table before has
// finished, as when a player looks at the figure before the next click.
// Offscreen, with drawn card pictures.
//   bench_ui_win_chance_first_figure [TABLES]
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QLabel>
#include <QProgressBar>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <algorithm>
#include <cstdio>
#include <numeric>
#include <random>
#include <vector>

#include "app/application.h"
#include "bench/ui/bench_pictures.h"
#include "ui/table/card_picker.h"
#include "ui/table/card_table.h"

using namespace korvana;
using namespace korvana::ui;

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int tables = argc > 1 ? std::max(1, atoi(argv[1])) : 200;
    prepareApplication(app);

    std::mt19937 random(7);
    std::printf("click until the first win chance figure, %d random tables each, offscreen\n",
                tables);
    for (int opponents = 1; opponents <= 3; ++opponents) {
        QTemporaryDir scratch(QDir::current().filePath(QStringLiteral("win-chance-XXXXXX")));
        WindowServices services = installedServices();
        services.settings = SettingsStore::inFile(scratch.filePath(QStringLiteral("Korvana.conf")));
        services.settings.setOpponents(opponents);
        services.pictureFolder = benchPictureFolder(scratch);
        services.reportError = [](const QString& message) {
            std::fprintf(stderr, "%s\n", qPrintable(message));
        };
        MainWindow window(services);
        window.show();
        QTest::qWait(50);
        auto* picker = window.findChild<CardPicker*>(QStringLiteral("cardPicker"));
        auto* fold = window.findChild<QToolButton*>(QStringLiteral("foldButton"));
        auto* figure = window.findChild<QLabel*>(QStringLiteral("winChanceFigure"));
        auto* busy = window.findChild<QProgressBar*>(QStringLiteral("winChanceBusy"));
        const auto click = [&](int item) {
            QTest::mouseClick(picker, Qt::LeftButton, {}, picker->buttonRect(item).center());
        };

        std::vector<double> milliseconds;
        QElapsedTimer timer;
        for (int t = 0; t < tables; ++t) {
            QTest::mouseClick(fold, Qt::LeftButton);
            std::vector<int> deck(kPickerItems);
            std::iota(deck.begin(), deck.end(), 0);
            std::shuffle(deck.begin(), deck.end(), random);
            const int board = std::array{0, 3, 4, 5}[random() % 4];
            for (int i = 0; i < 1 + board; ++i) click(deck[static_cast<size_t>(i)]);
            if (!QTest::qWaitFor([&] { return busy->isHidden(); }, 60000))
                std::fprintf(stderr, "a count did not end within a minute\n");
            timer.start();
            click(deck[static_cast<size_t>(1 + board)]);
            while (!figure->isEnabled()) QCoreApplication::processEvents();
            milliseconds.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
        }
        std::sort(milliseconds.begin(), milliseconds.end());
        const auto at = [&](double q) {
            return milliseconds[static_cast<size_t>(q * static_cast<double>(tables - 1))];
        };
        std::printf(
            "%d opponent%s: median %.1f ms, 90th percentile %.1f ms, max %.1f ms "
            "(target: < 150 ms)\n",
            opponents, opponents == 1 ? " " : "s", at(0.5), at(0.9), milliseconds.back());
    }
    return 0;
}
