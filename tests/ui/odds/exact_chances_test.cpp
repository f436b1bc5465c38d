// The exact chances beside the odds list: the panel's lines, the menu option
// kept in the settings store, the outs outlined while the pointer is on a row,
// and the list left exactly as it was.
#include <QAction>
#include <QFile>
#include <QMenu>
#include <QMouseEvent>
#include <QSettings>
#include <QTest>

#include "tests/ui/window_fixture.h"
#include "ui/odds/exact_panel.h"
#include "ui/odds/odds_list.h"
#include "ui/table/card_picker.h"

using namespace korvana;
using namespace korvana::ui;
using namespace korvana::ui::testing;

namespace {

void movePointer(QWidget* widget, QPoint at) {
    QMouseEvent move(QEvent::MouseMove, at, widget->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &move);
}

void leave(QWidget* widget) {
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(widget, &leave);
}

ExactPanel* exactPanel(const MainWindow& window) {
    return part<ExactPanel>(window, "exactPanel");
}

QAction* exactOption(const MainWindow& window) {
    return part<QAction>(window, "exactChancesAction");
}

OddsList* oddsList(const MainWindow& window) {
    return part<OddsList>(window, "oddsList");
}

QList<int> outlined(const MainWindow& window) {
    return part<CardPicker>(window, "cardPicker")->outlined();
}

QList<int> itemsOf(const QStringList& cards) {
    QList<int> items;
    for (int item = 0; item < kPickerItems; ++item)
        if (cards.contains(pickerCardCode(item))) items << item;
    return items;
}

}  // namespace

class ExactChancesTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void panelLines_data();
    void panelLines();
    void storedOption_data();
    void storedOption();
    void optionHidesAndIsStored();
    void outsOutlinedWhilePointedAt_data();
    void outsOutlinedWhilePointedAt();
    void listPixelsUnchanged();
};

void ExactChancesTest::panelLines_data() {
    QTest::addColumn<QStringList>("cards");
    QTest::addColumn<int>("line");
    QTest::addColumn<QString>("heading");
    QTest::addColumn<QStringList>("expected");  // name, percent, "1 in x", marked or not
    QTest::newRow("nothing known: possible, though the list says impossible")
        << QStringList() << 0 << "Exact chance by the flop"
        << QStringList{"Royal Flash", "<0.1%", "1 in 649740", "marked"};
    QTest::newRow("gutshot counted twice by the formula")
        << QStringList{"As", "Kd", "Qc", "Ts", "9h"} << 5 << "Exact chance by the turn"
        << QStringList{"Straight", "8.5%", "1 in 11.8", "marked"};
    QTest::newRow("formula close enough")
        << QStringList{"As", "Kd", "Qc", "Ts", "9h"} << 8 << "Exact chance by the turn"
        << QStringList{"Pair", "31.9%", "1 in 3.1", ""};
    QTest::newRow("cannot come") << QStringList{"As", "Kd", "Qc", "Ts", "9h"} << 0
                                 << "Exact chance by the turn"
                                 << QStringList{"Royal Flash", "0%", "", ""};
    QTest::newRow("complete") << QStringList{"Kc", "Kd"} << 8 << "Exact chance by the flop"
                              << QStringList{"Pair", "100%", "1 in 1", ""};
}

void ExactChancesTest::panelLines() {
    QFETCH(QStringList, cards);
    QFETCH(int, line);
    QFETCH(QString, heading);
    QFETCH(QStringList, expected);
    WindowFixture fixture;
    auto window = fixture.window();
    clickCards(*window, cards);
    const ExactPanel* panel = exactPanel(*window);
    QVERIFY(panel->isVisible());
    QCOMPARE(panel->heading(), heading);
    QCOMPARE(panel->lines().size(), 10);
    const ExactPanel::Line& shown = panel->lines()[line];
    QCOMPARE((QStringList{shown.name, shown.percent, shown.oneIn, shown.flagged ? "marked" : ""}),
             expected);
}

void ExactChancesTest::storedOption_data() {
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<bool>("shown");
    QTest::addColumn<int>("errors");
    QTest::newRow("never chosen: on") << QByteArray() << true << 0;
    QTest::newRow("off") << QByteArray("exactchances=0\n") << false << 0;
    QTest::newRow("on") << QByteArray("exactchances=1\n") << true << 0;
    QTest::newRow("any non-zero") << QByteArray("exactchances=5\n") << true << 0;
    // Reported; the language is still applied and the chances stay on.
    QTest::newRow("not a number") << QByteArray("exactchances=yes\nlanguage=russian\n") << true
                                  << 1;
}

void ExactChancesTest::storedOption() {
    QFETCH(QByteArray, stored);
    QFETCH(bool, shown);
    QFETCH(int, errors);
    WindowFixture fixture;
    QFile file(fixture.settingsPath());
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("[General]\n" + stored);
    file.close();
    auto window = fixture.window();
    QCOMPARE(fixture.errors.size(), errors);
    QCOMPARE(window->language(),
             stored.contains("russian") ? Language::Russian : Language::English);
    QCOMPARE(exactOption(*window)->isChecked(), shown);
    QCOMPARE(exactPanel(*window)->isVisible(), shown);
}

void ExactChancesTest::optionHidesAndIsStored() {
    WindowFixture fixture;
    {
        auto window = fixture.window();
        clickCards(*window, {"As", "Kd", "Qc", "Ts", "9h"});
        QCOMPARE(exactOption(*window)->text(), QStringLiteral("Show exact chances"));
        exactOption(*window)->trigger();
        QCOMPARE(
            QSettings(fixture.settingsPath(), QSettings::IniFormat).value("exactchances").toInt(),
            0);
        QVERIFY(!exactPanel(*window)->isVisible());
        movePointer(oddsList(*window), oddsList(*window)->rowRect(5).center());
        QCOMPARE(outlined(*window), QList<int>());
        QCOMPARE(window->oddsRowTooltip(5), QString());
        trigger(*window, "russianAction");
        QCOMPARE(exactOption(*window)->text(), QString::fromUtf8("Показывать точные шансы"));
    }
    auto again = fixture.window();
    QVERIFY(!exactOption(*again)->isChecked());
    exactOption(*again)->trigger();
    QVERIFY(exactPanel(*again)->isVisible());
    QCOMPARE(exactPanel(*again)->heading(), QString::fromUtf8("Точный шанс к флопу"));
    QCOMPARE(QSettings(fixture.settingsPath(), QSettings::IniFormat).value("exactchances").toInt(),
             1);
}

void ExactChancesTest::outsOutlinedWhilePointedAt_data() {
    QTest::addColumn<QStringList>("cards");
    QTest::addColumn<int>("row");
    QTest::addColumn<QStringList>("outs");
    QTest::addColumn<QString>("names");  // as the row's tooltip gives them
    QTest::newRow("gutshot") << QStringList{"As", "Kd", "Qc", "Ts", "9h"} << 5
                             << QStringList{"Jc", "Jd", "Jh", "Js"}
                             << QString::fromUtf8("Outs (4): J♣ J♦ J♥ J♠");
    QTest::newRow("pocket pair to three of a kind")
        << QStringList{"Kc", "Kd"} << 6 << QStringList{"Kh", "Ks"}
        << QString::fromUtf8("Outs (2): K♥ K♠");
    QTest::newRow("no single card helps")
        << QStringList{"Kc", "Kd"} << 1 << QStringList() << "No outs";
    // Every card would be outlined: nothing to point at.
    QTest::newRow("high card, nothing known")
        << QStringList() << 9 << QStringList() << "Outs: any card not on the table.";
}

void ExactChancesTest::outsOutlinedWhilePointedAt() {
    QFETCH(QStringList, cards);
    QFETCH(int, row);
    QFETCH(QStringList, outs);
    QFETCH(QString, names);
    WindowFixture fixture;
    auto window = fixture.window();
    clickCards(*window, cards);
    ExactPanel* panel = exactPanel(*window);
    for (QWidget* pointed :
         {static_cast<QWidget*>(oddsList(*window)), static_cast<QWidget*>(panel)}) {
        const QRect rect =
            pointed == panel ? panel->lineRect(row) : oddsList(*window)->rowRect(row);
        movePointer(pointed, rect.center());
        QCOMPARE(outlined(*window), itemsOf(outs));
        leave(pointed);
        QCOMPARE(outlined(*window), QList<int>());
    }
    QVERIFY2(window->oddsRowTooltip(row).contains(names), qPrintable(window->oddsRowTooltip(row)));
}

// The list is painted the same whether the exact chances are shown or not.
void ExactChancesTest::listPixelsUnchanged() {
    WindowFixture fixture;
    auto window = fixture.window();
    clickCards(*window, {"As", "Kd", "Qc", "Ts", "9h"});
    movePointer(oddsList(*window), oddsList(*window)->rowRect(5).center());
    const QImage shown = oddsList(*window)->grab().toImage();
    exactOption(*window)->trigger();
    const QImage hidden = oddsList(*window)->grab().toImage();
    QVERIFY(!exactPanel(*window)->isVisible());
    QCOMPARE(shown, hidden);
}

QTEST_MAIN(ExactChancesTest)
#include "exact_chances_test.moc"
