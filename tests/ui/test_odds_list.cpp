// The odds list as painted: fills by light marker, text grey from the slider.
#include <QSlider>
#include <QTest>

#include "odds_list.h"
#include "odds_list_painter.h"
#include "window_fixture.h"

using namespace korvana::ui;
using namespace korvana::ui::testing;

namespace {

// Pixels of one row inside the frame, as they reached the screen.
QImage paintedRow(TForm1& form, int index) {
    const QImage list = form.ListBox2->grab().toImage().convertToFormat(QImage::Format_RGB32);
    return list.copy(form.ListBox2->rowRect(index));
}

int pixelsOf(const QImage& image, QColor colour) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) == colour) ++count;
    return count;
}

}  // namespace

class OddsListTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void fillOfARow_data();
    void fillOfARow();
    void paintedFills();
    void textGrey_data();
    void textGrey();
};

void OddsListTest::fillOfARow_data() {
    QTest::addColumn<QString>("row");
    QTest::addColumn<QColor>("fill");  // invalid = the list's own background
    QTest::newRow("impossible") << " Pair impossible " << kImpossibleFill;
    QTest::newRow("possible") << " K A - Royal Flash odds - 1:19600  " << kPossibleFill;
    QTest::newRow("complete") << " T J Q K A - complete Royal Flash   " << kCompleteFill;
    QTest::newRow("no card yet") << " no High card " << kImpossibleFill;
    QTest::newRow("more than three blanks") << "x     " << kCompleteFill;
    QTest::newRow("blanks only") << "  " << kPossibleFill;
    QTest::newRow("blank third from the end wins over one blank") << " x y " << kCompleteFill;
    QTest::newRow("blank third from the end, letters after") << " x yz" << kCompleteFill;
    QTest::newRow("blank second from the end only") << " xy z" << kPossibleFill;
    QTest::newRow("no marker") << " Pair" << QColor();
    QTest::newRow("empty") << "" << QColor();
}

void OddsListTest::fillOfARow() {
    QFETCH(QString, row);
    QFETCH(QColor, fill);
    QCOMPARE(rowFill(row).value_or(QColor()), fill);
}

// Every row's blank right end shows the fill its marker asks for.
void OddsListTest::paintedFills() {
    WindowFixture fixture;
    auto form = fixture.window();
    clickCards(*form, {"Kh", "Ah", "Kd"});
    const QStringList rows = form->ListBox2->rows();
    QCOMPARE(rows.size(), 10);
    QSet<QRgb> seen;
    for (int index = 0; index < rows.size(); ++index) {
        const QImage row = paintedRow(*form, index);
        const QColor expected = rowFill(rows[index]).value();
        for (QPoint at : {QPoint(row.width() - 2, 1), QPoint(row.width() - 2, row.height() - 2)})
            QCOMPARE(row.pixelColor(at), expected);
        seen.insert(expected.rgb());
    }
    QCOMPARE(seen.size(), 3);  // red, yellow and green all occur in this hand
}

void OddsListTest::textGrey_data() {
    QTest::addColumn<int>("position");
    QTest::addColumn<QColor>("text");
    QTest::newRow("darkest") << 0 << QColor(5, 5, 5);
    QTest::newRow("middle") << 12 << QColor(125, 125, 125);
    QTest::newRow("white, the start position") << 25 << QColor(255, 255, 255);
}

void OddsListTest::textGrey() {
    QFETCH(int, position);
    QFETCH(QColor, text);
    WindowFixture fixture;
    auto form = fixture.window();
    clickCards(*form, {"Kh", "Ah"});
    form->TrackBar2->setValue(position == 25 ? 24 : 25);
    form->TrackBar2->setValue(position);
    QCOMPARE(rowTextColour(position), text);
    for (int index : {0, 9}) {
        const QImage row = paintedRow(*form, index);
        QVERIFY2(pixelsOf(row, text) >= 20, qPrintable(form->ListBox2->rows()[index]));
    }
}

QTEST_MAIN(OddsListTest)
#include "test_odds_list.moc"
