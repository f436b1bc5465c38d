// The lights: readable text on every fill, fills that colour-blind players
// tell apart, and the state symbols.
#include <QImage>
#include <QPainter>
#include <QTest>

#include "ui/odds/colour_vision.h"
#include "ui/odds/light_palette.h"

using korvana::RowState;
using namespace korvana::ui;

Q_DECLARE_METATYPE(LightPalette)
Q_DECLARE_METATYPE(ColourVision)

namespace {
constexpr RowState kStates[] = {RowState::Impossible, RowState::Possible, RowState::Complete};
}

class LightPaletteTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void colourArithmetic_data();
    void colourArithmetic();
    void readableText_data();
    void readableText();
    void fillsApart_data();
    void fillsApart();
    void symbols();
};

// Values worked out by hand from the definitions.
void LightPaletteTest::colourArithmetic_data() {
    QTest::addColumn<QColor>("a");
    QTest::addColumn<QColor>("b");
    QTest::addColumn<double>("contrast");
    QTest::addColumn<double>("distance");
    QTest::newRow("black on white") << QColor(0, 0, 0) << QColor(255, 255, 255) << 21.0 << 100.0;
    QTest::newRow("same colour") << QColor(12, 200, 99) << QColor(12, 200, 99) << 1.0 << 0.0;
    QTest::newRow("white on classic green")
        << QColor(255, 255, 255) << QColor(0, 128, 0) << 5.140 << 89.74;
}

void LightPaletteTest::colourArithmetic() {
    QFETCH(QColor, a);
    QFETCH(QColor, b);
    QFETCH(double, contrast);
    QFETCH(double, distance);
    QVERIFY(qAbs(contrastRatio(a, b) - contrast) < 0.01);
    // The classic green is L*a*b* (46.23, -51.70, 49.90); white is (100, 0, 0).
    QVERIFY(qAbs(labDistance(a, b) - distance) < 0.05);
    // A grey is the same grey to every eye.
    for (const auto vision : {ColourVision::Protanopia, ColourVision::Deuteranopia}) {
        const QColor seen = simulateColourVision(QColor(128, 128, 128), vision);
        QVERIFY(qAbs(seen.red() - 128) <= 1 && qAbs(seen.green() - 128) <= 1 &&
                qAbs(seen.blue() - 128) <= 1);
    }
}

void LightPaletteTest::readableText_data() {
    QTest::addColumn<LightPalette>("palette");
    QTest::addColumn<int>("state");
    for (const auto palette : {LightPalette::Classic, LightPalette::HighContrast})
        for (const RowState state : kStates)
            QTest::addRow("%s %d", palette == LightPalette::Classic ? "classic" : "high contrast",
                          int(state))
                << palette << int(state);
}

// The automatic text colour reads on every fill of both palettes; in high
// contrast every slider position stays readable and the slider still moves
// the text; in classic the slider grey is kept as it is.
void LightPaletteTest::readableText() {
    QFETCH(LightPalette, palette);
    QFETCH(int, state);
    const RowState rowState = static_cast<RowState>(state);
    const QColor fill = lightFill(palette, rowState);
    QVERIFY2(contrastRatio(readableTextOn(fill), fill) >= kReadableContrast,
             qPrintable(fill.name()));
    for (int position = 0; position <= 25; ++position) {
        const QColor text = lightText(palette, rowState, position);
        if (palette == LightPalette::Classic) {
            QCOMPARE(text, QColor(10 * position + 5, 10 * position + 5, 10 * position + 5));
        } else {
            QVERIFY2(contrastRatio(text, fill) >= kReadableContrast,
                     qPrintable(QString::number(position)));
        }
    }
    QVERIFY(lightText(palette, rowState, 0) != lightText(palette, rowState, 25));
}

void LightPaletteTest::fillsApart_data() {
    QTest::addColumn<ColourVision>("vision");
    QTest::newRow("normal") << ColourVision::Normal;
    QTest::newRow("protanopia") << ColourVision::Protanopia;
    QTest::newRow("deuteranopia") << ColourVision::Deuteranopia;
}

// Each pair of high-contrast fills stays far apart as a dichromat sees them.
// The classic red and green do not under protanopia: the reason for the option.
void LightPaletteTest::fillsApart() {
    QFETCH(ColourVision, vision);
    const auto seen = [&](LightPalette palette, RowState state) {
        return simulateColourVision(lightFill(palette, state), vision);
    };
    for (const RowState a : kStates)
        for (const RowState b : kStates)
            if (a < b) {
                const double distance = labDistance(seen(LightPalette::HighContrast, a),
                                                    seen(LightPalette::HighContrast, b));
                QVERIFY2(
                    distance > 40,
                    qPrintable(QStringLiteral("%1-%2: %3").arg(int(a)).arg(int(b)).arg(distance)));
            }
    const double classicRedGreen = labDistance(seen(LightPalette::Classic, RowState::Impossible),
                                               seen(LightPalette::Classic, RowState::Complete));
    QCOMPARE(classicRedGreen < 20, vision == ColourVision::Protanopia);
}

// Each symbol draws inside its box, in the pen colour, and the three differ.
void LightPaletteTest::symbols() {
    QList<QImage> drawn;
    for (const RowState state : kStates) {
        QImage image(40, 32, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.setPen(Qt::black);
        const QRect box(20, 8, 16, 16);
        paintStateSymbol(painter, box, state);
        QCOMPARE(painter.pen().color(), QColor(Qt::black));
        painter.end();
        int inside = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (image.pixelColor(x, y) != QColor(Qt::white)) {
                    QVERIFY(box.contains(x, y));
                    ++inside;
                }
        QVERIFY(inside > 10);
        QVERIFY(!drawn.contains(image));
        drawn << image;
    }
}

QTEST_MAIN(LightPaletteTest)
#include "light_palette_test.moc"
