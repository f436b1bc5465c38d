// The odds list as painted: fills by light marker, text grey from the slider.
#include <QSlider>
#include <QTest>

#include "tests/ui/window_fixture.h"
#include "ui/odds/light_palette.h"
#include "ui/odds/odds_list.h"
#include "ui/odds/odds_list_painter.h"

using korvana::RowState;
using namespace korvana::ui;
using namespace korvana::ui::testing;

namespace {

// The classic traffic lights.
const QColor kRed(255, 0, 0);
const QColor kYellow(230, 230, 0);
const QColor kGreen(0, 128, 0);

// Pixels of one row inside the frame, as they reached the screen.
QImage paintedRow(MainWindow& window, int index) {
    auto* list = part<OddsList>(window, "oddsList");
    return list->grab().toImage().convertToFormat(QImage::Format_RGB32).copy(list->rowRect(index));
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
    QTest::addColumn<int>("state");
    QTest::addColumn<QColor>("fill");
    QTest::newRow("impossible") << int(RowState::Impossible) << kRed;
    QTest::newRow("possible") << int(RowState::Possible) << kYellow;
    QTest::newRow("complete") << int(RowState::Complete) << kGreen;
}

void OddsListTest::fillOfARow() {
    QFETCH(int, state);
    QFETCH(QColor, fill);
    QCOMPARE(lightFill(LightPalette::Classic, static_cast<RowState>(state)), fill);
}

// Every row's blank right end shows the fill of its state.
void OddsListTest::paintedFills() {
    WindowFixture fixture;
    auto window = fixture.window();
    clickCards(*window, {"Kh", "Ah", "Kd"});
    const QColor red = kRed, yellow = kYellow, green = kGreen;
    const QColor expected[] = {red, red, yellow, yellow, red, red, yellow, yellow, green, green};
    QCOMPARE(window->oddsRows().size(), 10);
    for (int index = 0; index < 10; ++index) {
        const QImage row = paintedRow(*window, index);
        for (QPoint at : {QPoint(row.width() - 2, 1), QPoint(row.width() - 2, row.height() - 2)})
            QCOMPARE(row.pixelColor(at), expected[index]);
    }
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
    auto window = fixture.window();
    clickCards(*window, {"Kh", "Ah"});
    auto* slider = part<QSlider>(*window, "fontColourSlider");
    slider->setValue(position == 25 ? 24 : 25);
    slider->setValue(position);
    QCOMPARE(lightText(LightPalette::Classic, RowState::Possible, position), text);
    for (int index : {0, 9}) {
        const QImage row = paintedRow(*window, index);
        QVERIFY2(pixelsOf(row, text) >= 20, qPrintable(window->oddsRows()[index]));
    }
}

QTEST_MAIN(OddsListTest)
#include "odds_list_test.moc"
