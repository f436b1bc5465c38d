// Card pictures for the screen's density: the sharp "@2x" files on screens
// scaled above 1 (fitted down for 1.5), the plain files on ordinary screens
// and whenever no sharp file can be read. Run under several QT_SCALE_FACTORs.
#include <QFile>
#include <QTest>

#include "tests/ui/window_fixture.h"
#include "ui/table/card_picker.h"
#include "ui/table/picture_density.h"
#include "ui/table/slot_picture.h"

using namespace korvana::ui;
using namespace korvana::ui::testing;

namespace {

const QColor kPlainColour(200, 40, 40);
const QColor kSharpColour(40, 40, 200);

enum class SharpFile { Drawn, Missing, Broken };

// <folder>/Ah.jpg (plain colour) and, as asked, <folder>/Ah@2x.jpg (sharp colour).
bool writeAce(const QString& folder, SharpFile sharp) {
    QImage plain(86, 123, QImage::Format_RGB32);
    plain.fill(kPlainColour);
    if (!plain.save(folder + QStringLiteral("Ah.jpg"), "JPEG")) return false;
    const QString sharpPath = folder + QStringLiteral("Ah@2x.jpg");
    QFile::remove(sharpPath);
    if (sharp == SharpFile::Drawn) {
        QImage picture(172, 246, QImage::Format_RGB32);
        picture.fill(kSharpColour);
        return picture.save(sharpPath, "JPEG");
    }
    if (sharp == SharpFile::Broken) {
        QFile file(sharpPath);
        return file.open(QIODevice::WriteOnly) && file.write("not a picture") > 0;
    }
    return true;
}

bool isColour(const QImage& picture, const QColor& colour) {
    const QColor middle = picture.pixelColor(picture.width() / 2, picture.height() / 2);
    return qAbs(middle.red() - colour.red()) < 16 && qAbs(middle.blue() - colour.blue()) < 16;
}

qreal expectedScale() {
    bool ok = false;
    const qreal scale = qEnvironmentVariable("QT_SCALE_FACTOR").toDouble(&ok);
    return ok ? scale : 1.0;
}

}  // namespace

class PictureDensityTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void slotPicture_data();
    void slotPicture();
    void pickerFaces_data();
    void pickerFaces();
    void windowFollowsTheScreen();
};

void PictureDensityTest::slotPicture_data() {
    QTest::addColumn<qreal>("screenRatio");
    QTest::addColumn<SharpFile>("sharpFile");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<qreal>("pictureRatio");
    QTest::addColumn<bool>("sharp");
    QTest::newRow("ordinary screen") << 1.0 << SharpFile::Drawn << QSize(86, 123) << 1.0 << false;
    QTest::newRow("scaled 1.25") << 1.25 << SharpFile::Drawn << QSize(108, 154) << 1.25 << true;
    QTest::newRow("scaled 1.5") << 1.5 << SharpFile::Drawn << QSize(129, 185) << 1.5 << true;
    QTest::newRow("scaled 2") << 2.0 << SharpFile::Drawn << QSize(172, 246) << 2.0 << true;
    QTest::newRow("scaled 3") << 3.0 << SharpFile::Drawn << QSize(172, 246) << 2.0 << true;
    QTest::newRow("scaled 2, no sharp file")
        << 2.0 << SharpFile::Missing << QSize(86, 123) << 1.0 << false;
    QTest::newRow("scaled 2, broken sharp file")
        << 2.0 << SharpFile::Broken << QSize(86, 123) << 1.0 << false;
}

void PictureDensityTest::slotPicture() {
    QFETCH(qreal, screenRatio);
    QFETCH(SharpFile, sharpFile);
    QFETCH(QSize, size);
    QFETCH(qreal, pictureRatio);
    QFETCH(bool, sharp);
    QTemporaryDir dir;
    const QString folder = dir.path() + QLatin1Char('/');
    QVERIFY(writeAce(folder, sharpFile));

    const QImage picture = loadPictureForScreen(folder + QStringLiteral("Ah.jpg"), screenRatio);
    QCOMPARE(picture.size(), size);
    QCOMPARE(picture.devicePixelRatio(), pictureRatio);
    QVERIFY(isColour(picture, sharp ? kSharpColour : kPlainColour));
    // Whatever the density, the picture fills the 86 x 123 slot.
    QVERIFY(qAbs(picture.deviceIndependentSize().width() - 86) < 1);
    QVERIFY(qAbs(picture.deviceIndependentSize().height() - 123) < 1);
}

void PictureDensityTest::pickerFaces_data() {
    QTest::addColumn<qreal>("screenRatio");
    QTest::addColumn<QSize>("size");
    QTest::newRow("ordinary screen") << 1.0 << QSize(36, 51);
    QTest::newRow("scaled 1.5") << 1.5 << QSize(54, 77);
    QTest::newRow("scaled 2") << 2.0 << QSize(72, 102);
}

void PictureDensityTest::pickerFaces() {
    QFETCH(qreal, screenRatio);
    QFETCH(QSize, size);
    for (const QImage& face : loadCardFaces(screenRatio)) {
        QCOMPARE(face.size(), size);
        QCOMPARE(face.deviceIndependentSize().toSize(), QSize(36, 51));
    }
}

void PictureDensityTest::windowFollowsTheScreen() {
    WindowFixture fixture;
    QVERIFY(writeAce(fixture.pictureFolder(), SharpFile::Drawn));
    auto window = fixture.window();
    const qreal scale = expectedScale();
    // Guards against the scale factor silently not applying.
    QCOMPARE(part<SlotPicture>(*window, "slotPicture1")->devicePixelRatioF(), scale);

    clickCards(*window, {QStringLiteral("Ah")});
    const QImage& picture = part<SlotPicture>(*window, "slotPicture1")->picture();
    QCOMPARE(picture.devicePixelRatio(), qMin(scale, 2.0));
    QVERIFY(isColour(picture, scale > 1 ? kSharpColour : kPlainColour));
    QVERIFY(fixture.errors.isEmpty());
}

QTEST_MAIN(PictureDensityTest)
#include "picture_density_test.moc"
