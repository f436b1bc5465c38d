// The win chance panel in the window: the figure of a known spot, what it
// says without the hero's cards, the opponents' ranges and one that does not
// read, the stored choices, and a newer table replacing a count still running.
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QSettings>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTest>

#include "engine/ranges/hand_range.h"
#include "tests/ui/window_fixture.h"
#include "ui/win_chance/win_chance_job.h"

using namespace korvana;
using namespace korvana::ui;
using namespace korvana::ui::testing;

namespace {

QString figureText(const MainWindow& window) {
    return part<QLabel>(window, "winChanceFigure")->text();
}

// Waits until the figure is final (the busy mark gone) and returns it.
QString finalFigure(const MainWindow& window) {
    auto* busy = part<QProgressBar>(window, "winChanceBusy");
    if (!QTest::qWaitFor([&] { return busy->isHidden(); }, 20000)) return QStringLiteral("busy");
    return figureText(window);
}

// A percentage of a figure text ("Equity", "Win"), or -1.
double figureOf(const QString& text, const QString& name = QStringLiteral("Win")) {
    const auto match = QRegularExpression(name + QStringLiteral(" (\\d+\\.\\d)%")).match(text);
    return match.hasMatch() ? match.captured(1).toDouble() : -1;
}
double winOf(const QString& text) {
    return figureOf(text);
}

// The range box of an opponent in the window of ranges.
QLineEdit* rangeBox(MainWindow& window, int opponent) {
    part<QPushButton>(window, "winChanceRanges")->click();
    const QByteArray name = "opponentRange" + QByteArray::number(opponent);
    return part<QLineEdit>(window, name.constData());
}

void typeRange(MainWindow& window, const QString& text, int opponent = 1) {
    auto* range = rangeBox(window, opponent);
    range->setFocus();
    range->selectAll();
    // Key by key, as typed; suit symbols too, which keyClicks cannot send.
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, range, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

}  // namespace

class WinChanceTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void figureOfAKnownSpot();
    void withoutThePocketCards();
    void rangesKey();
    void badRangeIsMarkedAndKeepsTheFigure();
    void choicesAreStoredAndRestored();
    void singleStoredRangeIsEveryOpponents();
    void overlongRangeIsNeitherReadNorTaken();
    void newerTableReplacesTheCount();
    void newerSpotCancelsTheCountAndClosingIsQuick();
    void everyDealAfterTheSampleWhenItFits();
    void everyDealCountTellsHowFarItHasCome();
    void potOddsBesideTheEquity();
    void eachOpponentsOwnFigureAndWholeRange();
};

void WinChanceTest::figureOfAKnownSpot() {
    WindowFixture fixture;
    auto window = fixture.window();
    clickCards(*window, {"Ah", "Ad"});
    // Aces win 84.9% of deals against one random hand.
    const QString text = finalFigure(*window);
    QVERIFY2(text.contains(QStringLiteral("vs 1 opponent")), qPrintable(text));
    QVERIFY2(qAbs(winOf(text) - 84.9) <= 0.3, qPrintable(text));
    QVERIFY(part<QLabel>(*window, "winChanceFigure")->isEnabled());
    // The equity comes first: AKs against one random hand has 67.0%.
    clickSlot(*window, 1);
    clickSlot(*window, 2);
    clickCards(*window, {"Ah", "Kh"});
    const QString suited = finalFigure(*window);
    QVERIFY2(suited.startsWith(QStringLiteral("Equity ")), qPrintable(suited));
    QVERIFY2(qAbs(figureOf(suited, QStringLiteral("Equity")) - 67.0) <= 0.15, qPrintable(suited));
    // On the river against one hand every deal is counted.
    clickCards(*window, {"2c", "7d", "9h", "Js", "Kc"});
    QVERIFY2(finalFigure(*window).endsWith(QStringLiteral("(all boards)")),
             qPrintable(figureText(*window)));
}

void WinChanceTest::rangesKey() {
    WindowFixture fixture;
    auto window = fixture.window();
    window->show();
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    QTest::keyClick(window.get(), Qt::Key_R, Qt::ControlModifier);
    QTRY_VERIFY(window->findChild<QWidget*>(QStringLiteral("opponentRangesWindow")));
}

void WinChanceTest::withoutThePocketCards() {
    const QString choose = QStringLiteral("Win chance: choose your two cards");
    WindowFixture fixture;
    auto window = fixture.window();
    QCOMPARE(figureText(*window), choose);
    clickCards(*window, {"Ah", "Ad", "Kc"});
    QVERIFY(winOf(finalFigure(*window)) > 0);
    clickSlot(*window, 2);
    QCOMPARE(figureText(*window), choose);
    QVERIFY(part<QProgressBar>(*window, "winChanceBusy")->isHidden());
    QVERIFY(part<QLabel>(*window, "winChanceFigure")->isEnabled());
    // With both pocket slots empty, the Opponents window's "You" row gives
    // the hero a range, which the strip counts and names.
    rangeBox(*window, 1);
    auto* hero = part<QLineEdit>(*window, "heroRange");
    QVERIFY(!hero->isVisible());
    clickSlot(*window, 1);
    QVERIFY(hero->isVisible());
    hero->setFocus();
    QTest::keyClicks(hero, QStringLiteral("AA:0.5, 72o"));
    QCOMPARE(part<QLabel>(*window, "heroShare")->text(), QStringLiteral("1.1%, 15 combos"));
    const QString ranged = finalFigure(*window);
    QVERIFY2(ranged.contains(QStringLiteral(" of your range")), qPrintable(ranged));
    QVERIFY2(winOf(ranged) > 20 && winOf(ranged) < 80, qPrintable(ranged));
    clickCards(*window, {"Ah", "Ad"});
    QVERIFY(!hero->isVisible());
    QVERIFY(finalFigure(*window).contains(QStringLiteral("vs 1 opponent")));
}

void WinChanceTest::badRangeIsMarkedAndKeepsTheFigure() {
    WindowFixture fixture;
    auto window = fixture.window();
    clickCards(*window, {"Ah", "Ad"});
    typeRange(*window, QStringLiteral("KK"));
    // Aces win 81.5% against kings.
    const QString before = finalFigure(*window);
    QVERIFY2(qAbs(winOf(before) - 81.5) <= 0.3, qPrintable(before));
    auto* range = rangeBox(*window, 1);
    QCOMPARE(part<QLabel>(*window, "opponentShare1")->text(), QStringLiteral("0.5%, 6 combos"));
    QTest::keyClick(range, Qt::Key_S);
    QVERIFY(range->styleSheet().contains(QStringLiteral("red")));
    QVERIFY2(range->toolTip().contains(QStringLiteral("\"KKs\"")), qPrintable(range->toolTip()));
    // The open window follows a change of language, problem and share included.
    window->chooseLanguage(Language::Russian);
    QCOMPARE(range->toolTip(),
             QStringLiteral("«KKs»: пара не бывает ни одномастной, ни разномастной."));
    QCOMPARE(part<QLabel>(*window, "opponentShare1")->text(), QStringLiteral("0.5%, 6 комб."));
    window->chooseLanguage(Language::English);
    QCOMPARE(finalFigure(*window), before);
    QCOMPARE(part<QLabel>(*window, "opponentShare1")->text(), QStringLiteral("0.5%, 6 combos"));
    QVERIFY(part<QLabel>(*window, "winChanceFigure")->isEnabled());
    QTest::keyClick(range, Qt::Key_Backspace);
    QVERIFY(range->styleSheet().isEmpty());
    // The share column keeps its width while the player types, and so does the box.
    QCoreApplication::processEvents();
    const int boxWidth = range->width();
    typeRange(*window, QStringLiteral("random"));
    QCoreApplication::processEvents();
    QCOMPARE(part<QLabel>(*window, "opponentShare1")->text(),
             QStringLiteral("100.0%, 1326 combos"));
    QCOMPARE(range->width(), boxWidth);
    // A range that leaves no hand beside the known cards is said so.
    typeRange(*window, QStringLiteral("AhAd"));
    QCOMPARE(finalFigure(*window), QStringLiteral("Win chance: no hands left in the range"));
    // Each opponent has his own range: a second one holding kings too.
    typeRange(*window, QStringLiteral("KK"));
    part<QSpinBox>(*window, "winChanceOpponents")->setValue(2);
    const QString one = finalFigure(*window);
    typeRange(*window, QStringLiteral("15%"), 2);
    QCOMPARE(part<QLabel>(*window, "opponentShare2")->text(), QStringLiteral("15.1%, 200 combos"));
    QVERIFY(finalFigure(*window) != one);
    QTest::mouseClick(part<QWidget>(*window, "opponentCopy1"), Qt::LeftButton);
    for (const int opponent : {2, 9})
        QCOMPARE(rangeBox(*window, opponent)->text(), QStringLiteral("KK"));
    // Hands are left, but not one for each of three opponents at once.
    part<QSpinBox>(*window, "winChanceOpponents")->setValue(3);
    QCOMPARE(finalFigure(*window),
             QStringLiteral("Win chance: no way to deal opponents 1, 2, 3 a hand each at once"));
    // The rows of those at the table look playing; the fourth does not.
    for (const int opponent : {1, 3, 4}) {
        const QByteArray share = "opponentShare" + QByteArray::number(opponent);
        QCOMPARE(part<QLabel>(*window, share.constData())->isEnabled(), opponent <= 3);
    }
}

void WinChanceTest::choicesAreStoredAndRestored() {
    WindowFixture fixture;
    {
        auto window = fixture.window();
        QCOMPARE(part<QSpinBox>(*window, "winChanceOpponents")->value(), 1);
        QCOMPARE(rangeBox(*window, 1)->text(), QString());
        // The defaults are not written.
        const QSettings stored(fixture.settingsPath(), QSettings::IniFormat);
        QVERIFY(stored.allKeys().filter(QStringLiteral("opponent")).isEmpty());

        part<QSpinBox>(*window, "winChanceOpponents")->setValue(3);
        typeRange(*window, QStringLiteral("QQ+, AKs, A\u2665K\u2665"), 2);
        QTest::keyClick(rangeBox(*window, 2), Qt::Key_Return);
        QCOMPARE(fixture.errors, QStringList());
    }
    // Another reader takes the range as the same text, commas and all.
    const QSettings stored(fixture.settingsPath(), QSettings::IniFormat);
    QCOMPARE(stored.value(QStringLiteral("opponents")).toInt(), 3);
    QCOMPARE(stored.value(QStringLiteral("opponentrange2")),
             QVariant(QStringLiteral("QQ+, AKs, A\u2665K\u2665")));
    QVERIFY(!stored.contains(QStringLiteral("opponentrange1")));
    auto window = fixture.window();
    QCOMPARE(part<QSpinBox>(*window, "winChanceOpponents")->value(), 3);
    QCOMPARE(rangeBox(*window, 2)->text(), QStringLiteral("QQ+, AKs, A\u2665K\u2665"));
    QCOMPARE(rangeBox(*window, 1)->text(), QString());
    clickCards(*window, {"2c", "3c"});
    QVERIFY2(finalFigure(*window).contains(QStringLiteral("vs 3 opponents")),
             qPrintable(figureText(*window)));

    // A bad number of opponents falls back alone: the stored range stays.
    QSettings(fixture.settingsPath(), QSettings::IniFormat).setValue("opponents", "abc");
    auto again = fixture.window();
    QCOMPARE(part<QSpinBox>(*again, "winChanceOpponents")->value(), 1);
    QCOMPARE(rangeBox(*again, 2)->text(), QStringLiteral("QQ+, AKs, A\u2665K\u2665"));
    QCOMPARE(fixture.errors.size(), 1);
}

// The single range of earlier versions becomes every opponent's, and
// reading it changes nothing in the file.
void WinChanceTest::singleStoredRangeIsEveryOpponents() {
    WindowFixture fixture;
    {
        QFile file(fixture.settingsPath());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("[General]\nopponentrange=\"QQ+, AKs\"\nopponents=2\n");
    }
    {
        auto window = fixture.window();
        for (const int opponent : {1, 2, 9})
            QCOMPARE(rangeBox(*window, opponent)->text(), QStringLiteral("QQ+, AKs"));
        QCOMPARE(part<QLabel>(*window, "opponentShare9")->text(),
                 QStringLiteral("1.7%, 22 combos"));
    }
    const QSettings stored(fixture.settingsPath(), QSettings::IniFormat);
    QCOMPARE(stored.allKeys().filter(QStringLiteral("opponent")),
             QStringList({QStringLiteral("opponentrange"), QStringLiteral("opponents")}));
    QCOMPARE(stored.value(QStringLiteral("opponentrange")), QVariant(QStringLiteral("QQ+, AKs")));
}

// A megabyte of range in the settings is reported once and only it is
// dropped; the box takes no more than a range may hold.
void WinChanceTest::overlongRangeIsNeitherReadNorTaken() {
    WindowFixture fixture;
    {
        QSettings stored(fixture.settingsPath(), QSettings::IniFormat);
        stored.setValue(QStringLiteral("opponents"), 3);
        stored.setValue(QStringLiteral("opponentrange"),
                        QStringLiteral("any,").repeated(262'144).chopped(1));
    }
    auto window = fixture.window();
    QTRY_COMPARE(fixture.errors.size(), 1);
    QVERIFY2(fixture.errors.front().contains(QStringLiteral("\"opponentrange\"")),
             qPrintable(fixture.errors.front()));
    QCOMPARE(part<QSpinBox>(*window, "winChanceOpponents")->value(), 3);
    auto* range = rangeBox(*window, 1);
    QCOMPARE(range->text(), QString());
    QVERIFY(range->styleSheet().isEmpty());
    range->insert(QStringLiteral("AK,").repeated(40'000));  // as a paste does
    QCOMPARE(range->text().size(), static_cast<qsizetype>(kMaxRangeCharacters));
}

void WinChanceTest::newerTableReplacesTheCount() {
    WindowFixture fixture;
    auto window = fixture.window();
    part<QSpinBox>(*window, "winChanceOpponents")->setValue(9);
    // Aces against nine hands take a while to count well; with four kings on
    // the board they win or tie every deal.
    clickCards(*window, {"Ah", "Ad"});
    clickCards(*window, {"Kc", "Kd", "Kh", "Ks", "2c"});
    const QString text = finalFigure(*window);
    const auto match =
        QRegularExpression(QStringLiteral("Win (\\S+)%  Tie (\\S+)%  vs 9 opponents$")).match(text);
    QVERIFY2(match.hasMatch(), qPrintable(text));
    QVERIFY2(match.captured(1).toDouble() + match.captured(2).toDouble() >= 99.9, qPrintable(text));
}

// A count that would run for a minute is dropped for a newer spot at once,
// and the job stops at once when it goes.
void WinChanceTest::newerSpotCancelsTheCountAndClosingIsQuick() {
    EquityOptions endless;
    endless.automaticEnumerationDeals = 1'000'000;  // the river spot below, not the other
    endless.targetStandardError = 0;
    endless.timeBudget = std::chrono::minutes(1);
    const auto card = [](const char* code) { return *parseCardCode(code); };
    // (A card seen keeps the count from the table of heads-up match-ups.)
    const EquitySpot preflop{
        {card("Ah"), card("Ad")}, {}, {card("3s")}, {HandRange::anyTwoCards()}};
    const EquitySpot river{{card("Ah"), card("Ad")},
                           {card("2c"), card("7d"), card("9h"), card("Js"), card("Kc")},
                           {},
                           {HandRange::anyTwoCards()}};

    QElapsedTimer timer;
    {
        WinChanceJob job({endless});
        QSignalSpy counted(&job, &WinChanceJob::counted);
        job.start(preflop);
        QTest::qWait(50);
        timer.start();
        job.start(river);
        QVERIFY(counted.wait(10000));
        QVERIFY(timer.elapsed() < 10000);
        QCOMPARE(counted.size(), 1);
        const auto result = counted.front().front().value<EquityResult>();
        QCOMPARE(result.deals, 990u);
        QCOMPARE(counted.front().back().toBool(), true);
        QVERIFY(!job.busy());

        job.start(preflop);
        QTest::qWait(50);
        timer.restart();
    }
    QVERIFY2(timer.elapsed() < 1000, qPrintable(QString::number(timer.elapsed())));
}

// A sample is followed by the count of every deal, final when it ends within
// its budget; else the sample comes again as final.
void WinChanceTest::everyDealAfterTheSampleWhenItFits() {
    const auto card = [](const char* code) { return *parseCardCode(code); };
    EquitySpot queens;
    queens.hero = {card("Ah"), card("Kh")};
    queens.opponents = {std::get<HandRange>(parseHandRange("QdQc"))};
    EquityOptions sample;
    sample.method = EquityMethod::Sample;
    sample.sampleDeals = 10'000;
    for (const auto budget : {std::chrono::milliseconds(60'000), std::chrono::milliseconds(0)}) {
        EquityOptions everyDeal;
        everyDeal.method = EquityMethod::Enumerate;
        everyDeal.timeBudget = budget;
        WinChanceJob job({sample}, everyDeal);
        QSignalSpy counted(&job, &WinChanceJob::counted);
        job.start(queens);
        QVERIFY(QTest::qWaitFor([&] { return counted.size() == 2; }, 60'000));
        QCOMPARE(counted.front().back().toBool(), false);
        QCOMPARE(counted.back().back().toBool(), true);
        const auto last = counted.back().front().value<EquityResult>();
        QCOMPARE(last.enumerated, budget.count() > 0);
        QCOMPARE(last.deals, budget.count() > 0 ? 1'712'304u : 10'000u);
        QVERIFY(!job.busy());
    }
}

// A count of every deal that takes a while says how far it has come, each
// time further, before its final figure.
void WinChanceTest::everyDealCountTellsHowFarItHasCome() {
    const auto cards = [](const char* codes) {
        std::vector<Card> parsed;
        for (const QString& code : QString::fromLatin1(codes).split(QLatin1Char(' ')))
            parsed.push_back(*parseCardCode(code.toStdString()));
        return parsed;
    };
    const auto range = std::get<HandRange>(parseHandRange("77+, A9s+, KTs+, QTs+, JTs, AJo+, KQo"));
    EquitySpot flop{{cards("Ah Kd")[0], cards("Ah Kd")[1]}, cards("Qs Jc 2h"), {}, {range, range}};
    EquityOptions sample;
    sample.method = EquityMethod::Sample;
    sample.sampleDeals = 1'000;
    EquityOptions everyDeal;
    everyDeal.method = EquityMethod::Enumerate;
    everyDeal.timeBudget = std::chrono::minutes(1);
    WinChanceJob job({sample}, everyDeal);
    QSignalSpy counted(&job, &WinChanceJob::counted);
    QSignalSpy progressed(&job, &WinChanceJob::progressed);
    job.start(flop);
    QVERIFY(QTest::qWaitFor([&] { return counted.size() == 2; }, 60'000));
    QVERIFY(counted.back().front().value<EquityResult>().enumerated);
    QVERIFY(!progressed.isEmpty());
    double before = 0;
    for (const auto& signal : progressed) {
        const double done = signal.front().toDouble();
        QVERIFY2(done >= before && done <= 1, qPrintable(QString::number(done)));
        before = done;
    }
}

// The pot odds say what a call needs against the equity on show, and keep
// the amounts as typed.
void WinChanceTest::potOddsBesideTheEquity() {
    const auto verdict = [](const MainWindow& window) {
        return part<QLabel>(window, "potOddsVerdict")->text();
    };
    const auto type = [](MainWindow& window, const char* box, const QString& text) {
        auto* edit = part<QLineEdit>(window, box);
        edit->setFocus();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClicks(edit, text);
        QTest::keyClick(edit, Qt::Key_Return);
    };
    WindowFixture fixture;
    {
        auto window = fixture.window();
        type(*window, "potAmount", QStringLiteral("100"));
        type(*window, "callAmount", QStringLiteral("50"));
        QCOMPARE(verdict(*window), QStringLiteral("needs 33.3%"));  // no equity yet
        // Aces against kings at the turn, every river counted: 95.5% of the pot.
        clickCards(*window, {"Ah", "Ad", "2c", "7d", "9h", "Js"});
        typeRange(*window, QStringLiteral("KK"));
        finalFigure(*window);
        QCOMPARE(verdict(*window), QStringLiteral("needs 33.3%, has 95.5%: pays"));
        type(*window, "callAmount", QStringLiteral("5000"));
        QCOMPARE(verdict(*window), QStringLiteral("needs 98.0%, has 95.5%: does not pay"));
        type(*window, "potAmount", QStringLiteral("1e3"));  // not an amount: not kept
        QCOMPARE(verdict(*window), QString());
        type(*window, "potAmount", QStringLiteral("1,000"));  // a thousand, or one?
        QCOMPARE(verdict(*window), QStringLiteral("1000 or 1.000?"));
        const QString nines(308, QLatin1Char('9'));  // each an amount, their sum beyond
        type(*window, "potAmount", nines);
        type(*window, "callAmount", nines);
        QCOMPARE(verdict(*window), QStringLiteral("needs 50.0%, has 95.5%: pays"));
        type(*window, "potAmount", QStringLiteral("100"));
        type(*window, "callAmount", QString());  // cleared: kept as empty
        QCOMPARE(verdict(*window), QString());
        QCOMPARE(fixture.errors, QStringList());
    }
    const QSettings stored(fixture.settingsPath(), QSettings::IniFormat);
    QCOMPARE(stored.value(QStringLiteral("pot")).toString(), QStringLiteral("100"));
    QCOMPARE(stored.value(QStringLiteral("call")).toString(), QString());
    auto window = fixture.window();
    QCOMPARE(part<QLineEdit>(*window, "potAmount")->text(), QStringLiteral("100"));
    QCOMPARE(part<QLineEdit>(*window, "callAmount")->text(), QString());
}

void WinChanceTest::eachOpponentsOwnFigureAndWholeRange() {
    WindowFixture fixture;
    auto window = fixture.window();
    clickCards(*window, {"Ah", "Ad", "Kc", "7d", "2s"});
    typeRange(*window, QStringLiteral("KK"));
    part<QSpinBox>(*window, "winChanceOpponents")->setValue(2);
    typeRange(*window, QStringLiteral("77, 22"), 2);
    const QString hero = finalFigure(*window);
    // The pot's shares add up to one; a split pot is split by all who share it.
    double shares = figureOf(hero, QStringLiteral("Equity"));
    for (const int opponent : {1, 2}) {
        const QByteArray name = "opponentFigure" + QByteArray::number(opponent);
        const QString own = part<QLabel>(*window, name.constData())->text();
        QVERIFY2(figureOf(own, QStringLiteral("win")) >= 0, qPrintable(own));
        shares += figureOf(own, QStringLiteral("equity"));
    }
    QVERIFY2(qAbs(shares - 100.0) <= 0.15, qPrintable(hero));
    QCOMPARE(part<QLabel>(*window, "opponentFigure3")->text(), QString());

    // A range longer than its box reads whole in the box's tooltip.
    const QString wide =
        QStringLiteral("22+, A2s+, K2s+, Q2s+, J2s+, T2s+, 92s+, 82s+, 72s+, 62s+, 52s+, 42s+");
    typeRange(*window, wide);
    QVERIFY2(rangeBox(*window, 1)->toolTip().contains(wide), qPrintable(wide));
    typeRange(*window, QStringLiteral("KK"));
    QVERIFY(!rangeBox(*window, 1)->toolTip().contains(QStringLiteral("KK")));
}

QTEST_MAIN(WinChanceTest)
#include "win_chance_window_test.moc"
