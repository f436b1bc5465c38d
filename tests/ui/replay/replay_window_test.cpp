// The replay of hand histories: the table at each step, the hand list and its
// refusals, the keys, the price of a decision, and a spot sent back to the
// main window as one undo step.
#include <QDropEvent>
#include <QMimeData>
#include <QSignalSpy>
#include <QTest>
#include <sstream>

#include "history/history_reader.h"
#include "tests/ui/replay/replay_hands.h"
#include "tests/ui/window_fixture.h"
#include "ui/replay/replay_opener.h"
#include "ui/replay/replay_spot.h"
#include "ui/replay/replay_window.h"

using namespace korvana;
using namespace korvana::ui;

namespace {

history::PlayedHand readHand(const char* text) {
    std::istringstream input{std::string(text)};
    history::HistoryReader reader(input);
    return std::get<history::PlayedHand>(*reader.next());
}

QString allHands() {
    return QString::fromUtf8(test::kCashHand) + QString::fromUtf8(test::kCutOffHand) +
           QStringLiteral("\r\n") + QString::fromUtf8(test::kTournamentHand);
}

}  // namespace

class ReplayWindowTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Stacks, bets in front and the pot as the steps go by, through antes,
    // an uncalled bet given back, a side pot and the payout.
    void tableAtSteps_data() {
        QTest::addColumn<int>("step");
        QTest::addColumn<qint64>("pot");
        QTest::addColumn<QList<qint64>>("stacks");  // Hero, river.rat, Жора, Kim Lee
        QTest::addColumn<QList<qint64>>("bets");
        QTest::newRow("start") << 0 << qint64(0) << QList<qint64>{420000, 165000, 730000, 310000}
                               << QList<qint64>{0, 0, 0, 0};
        QTest::newRow("blinds") << 6 << qint64(10000)
                                << QList<qint64>{417500, 162500, 717500, 287500}
                                << QList<qint64>{0, 0, 10000, 20000};
        QTest::newRow("returned") << 13 << qint64(10000) << QList<qint64>{110000, 0, 717500, 0}
                                  << QList<qint64>{307500, 162500, 10000, 307500};
        QTest::newRow("flop") << 14 << qint64(797500) << QList<qint64>{110000, 0, 717500, 0}
                              << QList<qint64>{0, 0, 0, 0};
        QTest::newRow("payout") << 17 << qint64(0) << QList<qint64>{110000, 507500, 717500, 290000}
                                << QList<qint64>{0, 0, 0, 0};
    }
    void tableAtSteps() {
        QFETCH(int, step);
        QFETCH(qint64, pot);
        QFETCH(QList<qint64>, stacks);
        QFETCH(QList<qint64>, bets);
        const history::PlayedHand hand = readHand(test::kTournamentHand);
        const auto steps = replaySteps(hand);
        QCOMPARE(steps.size(), std::size_t{18});
        const TableAtStep table = tableAt(hand, steps, static_cast<std::size_t>(step));
        QCOMPARE(qint64(table.pot), pot);
        QList<qint64> shownStacks, shownBets;
        for (const SeatAtStep& seat : table.seats) shownStacks << seat.stack, shownBets << seat.bet;
        QCOMPARE(shownStacks, stacks);
        QCOMPARE(shownBets, bets);
    }

    // Pasted hands open the replay: the list keeps the refused hand in its
    // place, the filter keeps the all-in hand, the keys step and the price of
    // the hero's call on the flop is told in the pot odds' words; Analyse
    // this spot puts it into the main window as one undo step.
    void pasteReplayAndAnalyse() {
        testing::WindowFixture fixture;
        auto window = fixture.window();
        auto* opener = new ReplayOpener(window.get());
        fixture.clipboard = allHands();
        testing::part<QAction>(*window, "pasteAction")->trigger();
        ReplayWindow* replay = opener->replay();
        QVERIFY(replay);
        QSignalSpy loaded(replay, &ReplayWindow::loaded);
        QVERIFY(loaded.wait(5000));
        replay->activateWindow();  // the keys work in the active window
        QVERIFY(QTest::qWaitForWindowActive(replay));
        QCOMPARE(replay->listedHands(), 3);
        QCOMPARE(replay->statusLine(), QStringLiteral("Hands read: 2, refused: 1 (in red)"));
        QVERIFY(replay->shownHand());
        QCOMPARE(replay->shownHand()->number, std::string("2201"));
        QVERIFY(replay->windowTitle().contains(QStringLiteral("2201")));

        // Down: the flop dealt; then Right five times: the hero's call of the raise.
        for (Qt::Key key : {Qt::Key_Down, Qt::Key_Right, Qt::Key_Right, Qt::Key_Right,
                            Qt::Key_Right, Qt::Key_Right})
            QTest::keyClick(replay, key);
        QSignalSpy counted(replay, &ReplayWindow::equityCounted);
        while (!replay->equityLine().contains(QLatin1Char('%')) ||
               replay->equityLine().contains(QStringLiteral("counting")))
            QVERIFY(counted.wait(10000));
        QVERIFY2(replay->priceLine().startsWith(
                     QStringLiteral("to call $6.00 into $16.75: needs 26.4%, has ")),
                 qPrintable(replay->priceLine()));
        QTest::keyClick(replay, Qt::Key_End);
        QCOMPARE(replay->step(), replay->steps() - 1);
        QTest::keyClick(replay, Qt::Key_Home);
        QCOMPARE(replay->step(), std::size_t{0});
        for (int i = 0; i < 13; ++i) QTest::keyClick(replay, Qt::Key_Right);

        replay->analyseSpot();
        QCOMPARE(cardCode(*window->hand().card(1)), std::string("Qs"));
        QCOMPARE(cardCode(*window->hand().card(5)), std::string("3s"));
        QVERIFY2(window->potOddsVerdict().startsWith(QStringLiteral("needs 26.4%")),
                 qPrintable(window->potOddsVerdict()));
        testing::part<QAction>(*window, "undoAction")->trigger();
        QVERIFY(!window->hand().card(1));

        replay->showAllInOnly(true);
        QCOMPARE(replay->listedHands(), 1);
        QCOMPARE(replay->shownHand()->number, std::string("2301"));
        QTest::keyClick(replay, Qt::Key_End);
        QVERIFY(replay->priceLine().isEmpty());
    }

    // A file dropped on the main window opens in the replay; one that is not
    // there is said so, and lists nothing.
    void droppedFileNotThere() {
        testing::WindowFixture fixture;
        auto window = fixture.window();
        auto* opener = new ReplayOpener(window.get());
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(fixture.folder() + QStringLiteral("/gone/hands.txt"))});
        // A drop goes where the drag entered.
        QDragEnterEvent enter(QPoint(20, 20), Qt::CopyAction, &data, Qt::LeftButton,
                              Qt::NoModifier);
        QCoreApplication::sendEvent(window.get(), &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(QPointF(20, 20), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(window.get(), &drop);
        QVERIFY(opener->replay());
        QSignalSpy loaded(opener->replay(), &ReplayWindow::loaded);
        QVERIFY(loaded.wait(5000));
        QCOMPARE(opener->replay()->listedHands(), 0);
        QCOMPARE(opener->replay()->statusLine(),
                 QStringLiteral("Cannot read hands.txt: the file cannot be opened"));
    }
};

QTEST_MAIN(ReplayWindowTest)
#include "replay_window_test.moc"
