// The grid window of an opponent's range, opened from his row: text and grid
// agreeing both ways, the top-N% field, the keyboard, the hero's equity per
// cell, Enter keeping the range where Escape drops it, the library of named
// ranges, and narrowing the range by what it hits.
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QTest>
#include <algorithm>

#include "tests/ui/window_fixture.h"
#include "ui/ranges/range_grid_dialog.h"
#include "ui/ranges/range_grid_widget.h"
#include "ui/ranges/range_hits_table.h"

using namespace korvana;
using namespace korvana::ui;
using namespace korvana::ui::testing;

namespace {

// Opens the grid of the opponent's row and returns it.
RangeGridDialog* openGrid(MainWindow& window, int opponent) {
    part<QPushButton>(window, "winChanceRanges")->click();
    const QByteArray name = "opponentGrid" + QByteArray::number(opponent);
    QTest::mouseClick(part<QWidget>(window, name.constData()), Qt::LeftButton);
    return part<RangeGridDialog>(window, "rangeGridDialog");
}

QPoint centreOf(RangeGridWidget* grid, int row, int column) {
    return grid->cellRect(row, column).center();
}

}  // namespace

class RangeGridTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void textAndGridAgree();
    void enterKeepsEscapeDrops();
    void equityOfEachCell();
    void namedRangesPickedAndSaved();
    void narrowedByWhatItHits();
};

void RangeGridTest::textAndGridAgree() {
    WindowFixture fixture;
    auto window = fixture.window();
    RangeGridDialog* dialog = openGrid(*window, 1);
    auto* grid = dialog->grid();
    auto* text = part<QLineEdit>(*dialog, "rangeGridText");
    auto* combos = part<QLabel>(*dialog, "rangeGridCombos");
    // Each row: what the player does, then the text and share it leads to.
    const struct {
        const char* action;
        const char* text;
        const char* share;
    } steps[] = {
        {"type TT+", "TT+", "2.3%, 30 combos"},
        {"click 0 2", "TT+, AQs", "2.6%, 34 combos"},
        {"click 0 1", "TT+, AQs+", "2.9%, 38 combos"},
        {"click 1 0", "TT+, AQs+, AKo", "3.8%, 50 combos"},
        {"drag 0 3 0 4", "TT+, ATs+, AKo", "4.4%, 58 combos"},
        {"click 0 0", "KK-TT, ATs+, AKo", "3.9%, 52 combos"},
        {"space", "TT+, ATs+, AKo", "4.4%, 58 combos"},
        {"right space", "TT+, AQs-ATs, AKo", "4.1%, 54 combos"},
        {"share 15", "15%", "15.1%, 200 combos"},
        {"type QQ+, AhKh", "QQ+, AhKh", "1.4%, 19 combos"},
        // Painting with a weight, and a cell painted with it cleared.
        {"weight 50 click 0 1", "QQ+, AKs:0.5", "1.5%, 20 combos"},
        {"type QQ+:0.5, AKs", "QQ+:0.5, AKs", "1.0%, 13 combos"},
        {"click 0 0", "AKs, KK-QQ:0.5", "0.8%, 10 combos"},
        {"weight 25 click 2 2", "AKs, KK:0.5, QQ:0.25", "0.6%, 8.5 combos"},
    };
    for (const auto& step : steps) {
        QStringList words = QString::fromLatin1(step.action).split(QLatin1Char(' '));
        if (words.front() == QLatin1String("weight")) {
            part<QDoubleSpinBox>(*dialog, "rangeGridWeight")->setValue(words[1].toDouble());
            words = words.mid(2);
        }
        const QString verb = words.front();
        if (verb == QLatin1String("type")) {
            text->selectAll();
            QTest::keyClicks(text, words.mid(1).join(QLatin1Char(' ')));
        } else if (verb == QLatin1String("click")) {
            QTest::mouseClick(grid, Qt::LeftButton, {},
                              centreOf(grid, words[1].toInt(), words[2].toInt()));
        } else if (verb == QLatin1String("drag")) {
            QTest::mousePress(grid, Qt::LeftButton, {},
                              centreOf(grid, words[1].toInt(), words[2].toInt()));
            for (int column = words[2].toInt(); column <= words[4].toInt(); ++column)
                QTest::mouseMove(grid, centreOf(grid, words[3].toInt(), column));
            QTest::mouseRelease(grid, Qt::LeftButton, {},
                                centreOf(grid, words[3].toInt(), words[4].toInt()));
        } else if (verb == QLatin1String("share")) {
            part<QDoubleSpinBox>(*dialog, "rangeGridShare")->setValue(words[1].toDouble());
        } else {
            grid->setFocus();
            for (const QString& key : words)
                QTest::keyClick(grid,
                                key == QLatin1String("space") ? Qt::Key_Space : Qt::Key_Right);
        }
        QCOMPARE(text->text(), QString::fromLatin1(step.text));
        QCOMPARE(combos->text(), QString::fromLatin1(step.share));
    }
}

void RangeGridTest::enterKeepsEscapeDrops() {
    WindowFixture fixture;
    auto window = fixture.window();
    RangeGridDialog* dialog = openGrid(*window, 2);
    auto* text = part<QLineEdit>(*dialog, "rangeGridText");
    QTest::keyClicks(text, QStringLiteral("QQ+"));
    QTest::keyClick(dialog->grid(), Qt::Key_Escape);
    QCOMPARE(part<QLineEdit>(*window, "opponentRange2")->text(), QString());
    QTRY_VERIFY(!window->findChild<RangeGridDialog*>());  // closed and gone

    dialog = openGrid(*window, 2);
    QTest::keyClicks(part<QLineEdit>(*dialog, "rangeGridText"), QStringLiteral("QQ+"));
    QTest::keyClick(dialog->grid(), Qt::Key_Return);
    QCOMPARE(part<QLineEdit>(*window, "opponentRange2")->text(), QStringLiteral("QQ+"));
    QCOMPARE(part<QLabel>(*window, "opponentShare2")->text(), QStringLiteral("1.4%, 18 combos"));
    const QSettings stored(fixture.settingsPath(), QSettings::IniFormat);
    QCOMPARE(stored.value(QStringLiteral("opponentrange2")).toString(), QStringLiteral("QQ+"));
}

void RangeGridTest::equityOfEachCell() {
    WindowFixture fixture;
    auto window = fixture.window();
    // Aces full on the river.
    clickCards(*window, {"Ah", "Ad", "Ac", "Kd", "Ks", "7c", "2h"});
    RangeGridDialog* dialog = openGrid(*window, 1);
    auto* grid = dialog->grid();
    QTRY_VERIFY(grid->cellTooltip(12, 12).contains(QStringLiteral("equity")));
    QCOMPARE(grid->cellTooltip(12, 12),
             QStringLiteral("22: 3 of 3 combos picked\nYour equity against it: 100.0%"));
    // What his range holds counts only the combinations the table leaves.
    const auto labels = part<QWidget>(*dialog, "rangeHits")->findChildren<QLabel*>();
    QVERIFY(std::any_of(labels.begin(), labels.end(), [](const QLabel* label) {
        return label->text() == QStringLiteral("On this board, of 990 combos:");
    }));
    // Every ace is on the table: none of his combinations is left.
    QCOMPARE(grid->cellTooltip(0, 0), QStringLiteral("AA: 0 of 0 combos picked"));
    // The last two kings make four of a kind.
    QCOMPARE(grid->cellTooltip(1, 1),
             QStringLiteral("KK: 1 of 1 combos picked\nYour equity against it: 0.0%"));
}

void RangeGridTest::namedRangesPickedAndSaved() {
    WindowFixture fixture;
    QFile file(fixture.rangeLibraryPath());
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("# mine\nmine = QQ+\nbroken QQ\n");
    file.close();
    auto window = fixture.window();
    RangeGridDialog* dialog = openGrid(*window, 1);
    auto* text = part<QLineEdit>(*dialog, "rangeGridText");
    auto* list = part<QComboBox>(*dialog, "rangeLibraryList");
    QVERIFY(part<QLabel>(*dialog, "rangeLibraryProblems")
                ->text()
                .endsWith(QStringLiteral(
                    "ranges.txt, line 3: write a name, \"=\" and a range, e.g. btn = 40%.")));
    // The player's own first, then the built-in ones.
    QCOMPARE(list->itemText(1), QStringLiteral("@mine"));
    QCOMPARE(list->itemText(2), QStringLiteral("@open-utg"));
    list->activated(1);
    QCOMPARE(text->text(), QStringLiteral("@mine"));
    QCOMPARE(part<QLabel>(*dialog, "rangeGridCombos")->text(), QStringLiteral("1.4%, 18 combos"));

    // Saved with the names written out, every other line kept.
    text->selectAll();
    QTest::keyClicks(text, QStringLiteral("@mine, 22"));
    QCOMPARE(dialog->saveRange(QStringLiteral("bad name")),
             std::optional<QString>(
                 QStringLiteral("a name is letters, digits, \"-\", \"_\", \".\" and \"/\".")));
    QCOMPARE(dialog->saveRange(QStringLiteral("wide")), std::nullopt);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("# mine\nmine = QQ+\nbroken QQ\nwide = QQ+, 22\n"));
    QCOMPARE(list->itemText(1), QStringLiteral("@mine"));
    QCOMPARE(list->itemText(2), QStringLiteral("@wide"));

    // A name the library lacks is a range that does not read.
    text->selectAll();
    QTest::keyClicks(text, QStringLiteral("@nothing"));
    QCOMPARE(text->toolTip(),
             QStringLiteral("\"@nothing\": the library holds no range of that name."));
    text->selectAll();
    QTest::keyClicks(text, QStringLiteral("@wide"));
    QTest::keyClick(dialog->grid(), Qt::Key_Return);
    QCOMPARE(part<QLabel>(*window, "opponentShare1")->text(), QStringLiteral("1.8%, 24 combos"));
}

void RangeGridTest::narrowedByWhatItHits() {
    WindowFixture fixture;
    auto window = fixture.window();
    clickCards(*window, {"2c", "2d", "Kh", "8h", "3c"});
    RangeGridDialog* dialog = openGrid(*window, 1);
    auto* text = part<QLineEdit>(*dialog, "rangeGridText");
    auto* hits = dialog->hits();
    const auto line = [hits](Category category) {
        const QByteArray name = "rangeHitsLine" + QByteArray::number(hitLineOf(category));
        return part<QCheckBox>(*hits, name.constData());
    };
    auto* flushDraw = part<QCheckBox>(*hits, "rangeHitsLine10");
    QTest::keyClicks(text, QStringLiteral("QQ+, AhQh, 98s"));
    // Each row: the line ticked or unticked, then the range it leaves.
    const struct {
        QCheckBox* box;
        const char* text;
    } steps[] = {
        {line(Category::Pair), "AA, QQ, 98s"},
        {flushDraw, "AA, QQ, 98s, AhQh"},
        {line(Category::Pair), "AhQh"},
        {line(Category::ThreeOfAKind), "KK, AhQh"},
        {flushDraw, "KK"},
        {line(Category::ThreeOfAKind), "QQ+, AhQh, 98s"},
    };
    for (const auto& step : steps) {
        step.box->click();
        QCOMPARE(text->text(), QString::fromLatin1(step.text));
    }
    // No hand left is not any two cards.
    line(Category::RoyalFlush)->click();
    QCOMPARE(text->text(), QString());
    QCOMPARE(text->placeholderText(), QStringLiteral("no hand picked"));
    line(Category::RoyalFlush)->click();
    // The lines keep counting the range as picked; a new pick unticks them.
    line(Category::Pair)->click();
    const auto labels = hits->findChildren<QLabel*>();
    QVERIFY(std::any_of(labels.begin(), labels.end(), [](const QLabel* label) {
        return label->text() == QStringLiteral("On this board, of 19 combos:");
    }));
    QTest::mouseClick(dialog->grid(), Qt::LeftButton, {}, centreOf(dialog->grid(), 1, 1));
    QVERIFY(hits->kept().none());
    QCOMPARE(text->text(), QStringLiteral("QQ+, 98s"));
}

QTEST_MAIN(RangeGridTest)
#include "range_grid_window_test.moc"
