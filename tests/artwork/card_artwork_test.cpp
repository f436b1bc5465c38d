// Checks the card pictures the build drew, the faces and icons compiled into
// korvana_card_faces, and that the drawing tool never fails quietly.
#include "artwork/faces/card_faces.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString kImagesDir = QStringLiteral(KORVANA_CARD_IMAGES_DIR);
const QString kIconThemeDir = QStringLiteral(KORVANA_ICON_THEME_DIR);
const QString kTool = QStringLiteral(KORVANA_CARD_ARTWORK_TOOL);

QStringList allCodes() {
    QStringList codes;
    for (QChar suit : QStringLiteral("cdhs"))
        for (QChar rank : QStringLiteral("23456789TJQKA")) codes << QString(rank) + suit;
    return codes;
}

QString bigPicture(const QString& stem, int pixelRatio = 1) {
    const QString density = pixelRatio == 1 ? QString() : QStringLiteral("@%1x").arg(pixelRatio);
    return QDir(kImagesDir).filePath(stem + density + QStringLiteral(".jpg"));
}

bool isRedSuit(const QString& code) {
    return code.endsWith(u'h') || code.endsWith(u'd');
}

// Mean colour of the inked pixels (clearly darker or more coloured than the
// white face) inside area, and how many there are.
struct Ink {
    int pixels = 0;
    int red = 0, green = 0, blue = 0;
};

Ink inkIn(const QImage& image, const QRect& area) {
    Ink ink;
    long r = 0, g = 0, b = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.alpha() < 255 || qMin(c.red(), qMin(c.green(), c.blue())) > 150) continue;
            ++ink.pixels;
            r += c.red();
            g += c.green();
            b += c.blue();
        }
    if (ink.pixels > 0) {
        ink.red = int(r / ink.pixels);
        ink.green = int(g / ink.pixels);
        ink.blue = int(b / ink.pixels);
    }
    return ink;
}

QByteArray pixelHash(const QImage& image) {
    const QImage flat = image.convertToFormat(QImage::Format_ARGB32);
    QCryptographicHash hash(QCryptographicHash::Sha1);
    for (int y = 0; y < flat.height(); ++y)
        hash.addData(
            QByteArrayView(reinterpret_cast<const char*>(flat.constScanLine(y)), flat.width() * 4));
    return hash.result();
}

struct ToolRun {
    int exitCode = -1;
    QString errors;
};

ToolRun runTool(const QStringList& arguments) {
    QProcess tool;
    tool.start(kTool, arguments);
    if (!tool.waitForFinished(60000) || tool.exitStatus() != QProcess::NormalExit) return {};
    return {tool.exitCode(), QString::fromLocal8Bit(tool.readAllStandardError())};
}

}  // namespace

class TestCardArtwork : public QObject {
    Q_OBJECT

private slots:
    void bigPicturesDecode_data();
    void bigPicturesDecode();
    void facesLoad_data();
    void facesLoad();
    void sharpVariantsShowTheSame_data();
    void sharpVariantsShowTheSame();
    void iconsLoad_data();
    void iconsLoad();
    void indexInkMatchesSuit_data();
    void indexInkMatchesSuit();
    void cornersAreRounded_data();
    void cornersAreRounded();
    void noTwoPicturesAlike();
    void toolRefusesBadRuns_data();
    void toolRefusesBadRuns();
    void toolRedrawsTheSameFiles();
};

void TestCardArtwork::bigPicturesDecode_data() {
    QTest::addColumn<QString>("stem");
    QTest::addColumn<int>("ratio");
    for (int ratio : {1, 2}) {
        for (const QString& code : allCodes())
            QTest::addRow("%s x%d", qPrintable(code), ratio) << code << ratio;
        QTest::addRow("empty slot x%d", ratio) << QStringLiteral("nocard") << ratio;
    }
}

void TestCardArtwork::bigPicturesDecode() {
    QFETCH(QString, stem);
    QFETCH(int, ratio);
    QImageReader reader(bigPicture(stem, ratio));
    QCOMPARE(reader.format(), QByteArray("jpeg"));
    const QImage image = reader.read();
    QVERIFY2(!image.isNull(), qPrintable(reader.errorString()));
    QCOMPARE(image.size(), QSize(86, 123) * ratio);
}

void TestCardArtwork::facesLoad_data() {
    QTest::addColumn<QString>("code");
    QTest::addColumn<int>("ratio");
    for (int ratio : {1, 2})
        for (const QString& code : allCodes())
            QTest::addRow("%s x%d", qPrintable(code), ratio) << code << ratio;
}

void TestCardArtwork::facesLoad() {
    QFETCH(QString, code);
    QFETCH(int, ratio);
    const QImage face = korvana::cardFace(code, ratio);
    QCOMPARE(face.size(), QSize(36, 51) * ratio);
    QCOMPARE(face.devicePixelRatio(), qreal(ratio));
    QVERIFY(face.hasAlphaChannel());
}

void TestCardArtwork::sharpVariantsShowTheSame_data() {
    QTest::addColumn<QImage>("plain");
    QTest::addColumn<QImage>("sharp");
    for (const QString& code : allCodes()) {
        QTest::addRow("%s big", qPrintable(code))
            << QImage(bigPicture(code)) << QImage(bigPicture(code, 2));
        QTest::addRow("%s face", qPrintable(code))
            << korvana::cardFace(code) << korvana::cardFace(code, 2);
    }
    QTest::newRow("empty slot") << QImage(bigPicture(QStringLiteral("nocard")))
                                << QImage(bigPicture(QStringLiteral("nocard"), 2));
}

void TestCardArtwork::sharpVariantsShowTheSame() {
    // The @2x picture is the same drawing with more pixels: brought down to the
    // plain size it must match the plain picture closely (a swapped card, a
    // shifted layout or a different colour would not).
    QFETCH(QImage, plain);
    QFETCH(QImage, sharp);
    const QImage small = plain.convertToFormat(QImage::Format_ARGB32);
    const QImage big = sharp.convertToFormat(QImage::Format_ARGB32);
    QVERIFY(!small.isNull() && !big.isNull());
    const QImage reduced =
        big.scaled(small.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    long difference = 0;
    for (int y = 0; y < small.height(); ++y)
        for (int x = 0; x < small.width(); ++x) {
            const QColor a = small.pixelColor(x, y), b = reduced.pixelColor(x, y);
            difference += qAbs(a.red() - b.red()) + qAbs(a.green() - b.green()) +
                          qAbs(a.blue() - b.blue()) + qAbs(a.alpha() - b.alpha());
        }
    const double perChannel = double(difference) / (4.0 * small.width() * small.height());
    QVERIFY2(perChannel < 6.0, qPrintable(QStringLiteral("mean difference %1").arg(perChannel)));
}

void TestCardArtwork::iconsLoad_data() {
    QTest::addColumn<int>("size");
    for (int size : {16, 32, 48, 64, 128, 256})
        QTest::newRow(qPrintable(QString::number(size))) << size;
}

void TestCardArtwork::iconsLoad() {
    QFETCH(int, size);
    const QImage compiled(korvana::appIconResource(size));
    QCOMPARE(compiled.size(), QSize(size, size));
    const QImage themed(
        QDir(kIconThemeDir).filePath(QStringLiteral("%1x%1/apps/korvana.png").arg(size)));
    QCOMPARE(themed.size(), QSize(size, size));
    // The icon must be more than its transparent ground.
    QCOMPARE(compiled.pixelColor(size / 2, size / 2).alpha(), 255);
}

void TestCardArtwork::indexInkMatchesSuit_data() {
    QTest::addColumn<QString>("code");
    QTest::addColumn<bool>("small");
    for (const QString& code : allCodes()) {
        QTest::newRow(qPrintable(code + QStringLiteral(" big"))) << code << false;
        QTest::newRow(qPrintable(code + QStringLiteral(" face"))) << code << true;
    }
}

void TestCardArtwork::indexInkMatchesSuit() {
    QFETCH(QString, code);
    QFETCH(bool, small);
    const QImage image = small ? korvana::cardFace(code) : QImage(bigPicture(code));
    QVERIFY(!image.isNull());
    // The top-left index: rank over a small suit symbol, clear of the border.
    const QRect index = small ? QRect(2, 2, 16, 28) : QRect(2, 3, 16, 28);
    const Ink ink = inkIn(image, index);
    QVERIFY2(ink.pixels >= 25, qPrintable(QStringLiteral("only %1 inked pixels").arg(ink.pixels)));
    if (isRedSuit(code)) {
        QVERIFY2(
            ink.red - qMax(ink.green, ink.blue) > 80,
            qPrintable(
                QStringLiteral("not red: %1 %2 %3").arg(ink.red).arg(ink.green).arg(ink.blue)));
    } else {
        QVERIFY2(
            qMax(ink.red, qMax(ink.green, ink.blue)) < 110 && ink.red - ink.blue < 30,
            qPrintable(
                QStringLiteral("not dark: %1 %2 %3").arg(ink.red).arg(ink.green).arg(ink.blue)));
    }
}

void TestCardArtwork::cornersAreRounded_data() {
    QTest::addColumn<QString>("code");
    QTest::addColumn<bool>("small");
    for (const QString& code : allCodes()) {
        QTest::newRow(qPrintable(code + QStringLiteral(" big"))) << code << false;
        QTest::newRow(qPrintable(code + QStringLiteral(" face"))) << code << true;
    }
}

void TestCardArtwork::cornersAreRounded() {
    QFETCH(QString, code);
    QFETCH(bool, small);
    const QImage image = small ? korvana::cardFace(code) : QImage(bigPicture(code));
    QVERIFY(!image.isNull());
    const int w = image.width(), h = image.height();
    // Half way along each side the thin grey edge runs along the picture's border...
    for (QPoint edge :
         {QPoint(w / 2, 0), QPoint(w / 2, h - 1), QPoint(0, h / 2), QPoint(w - 1, h / 2)}) {
        const QColor c = image.pixelColor(edge);
        QVERIFY2(c.alpha() == 255 && c.lightness() < 200,
                 qPrintable(QStringLiteral("no edge at %1,%2").arg(edge.x()).arg(edge.y())));
    }
    // ...but the very corners lie outside the card: the window shows through.
    for (QPoint corner : {QPoint(0, 0), QPoint(w - 1, 0), QPoint(0, h - 1), QPoint(w - 1, h - 1)}) {
        const QColor c = image.pixelColor(corner);
        if (small)
            QCOMPARE(c.alpha(), 0);
        else
            QVERIFY2(c.lightness() > 240,
                     qPrintable(
                         QStringLiteral("square corner at %1,%2").arg(corner.x()).arg(corner.y())));
    }
}

void TestCardArtwork::noTwoPicturesAlike() {
    QSet<QByteArray> big, faces;
    for (const QString& code : allCodes()) {
        big.insert(pixelHash(QImage(bigPicture(code))));
        faces.insert(pixelHash(korvana::cardFace(code)));
    }
    big.insert(pixelHash(QImage(bigPicture(QStringLiteral("nocard")))));
    QCOMPARE(big.size(), 53);
    QCOMPARE(faces.size(), 52);
}

void TestCardArtwork::toolRefusesBadRuns_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("message");
    // "FILE" stands for an ordinary file, which cannot hold a folder.
    QTest::newRow("nothing asked for") << QStringList{} << 2 << QStringLiteral("nothing to write");
    QTest::newRow("stray argument")
        << QStringList{QStringLiteral("--faces"), QStringLiteral("DIR"), QStringLiteral("extra")}
        << 2 << QStringLiteral("unexpected argument");
    QTest::newRow("unknown option") << QStringList{QStringLiteral("--cards"), QStringLiteral("DIR")}
                                    << 1 << QStringLiteral("Unknown option");
    QTest::newRow("pictures under a file")
        << QStringList{QStringLiteral("--images"), QStringLiteral("FILE/images")} << 1
        << QStringLiteral("cannot write");
    QTest::newRow("faces under a file")
        << QStringList{QStringLiteral("--faces"), QStringLiteral("FILE/faces")} << 1
        << QStringLiteral("cannot write");
    QTest::newRow("sheet over a folder")
        << QStringList{QStringLiteral("--contact-sheet"), QStringLiteral("DIR")} << 1
        << QStringLiteral("cannot write");
}

void TestCardArtwork::toolRefusesBadRuns() {
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, message);

    QTemporaryDir scratch;
    QVERIFY(scratch.isValid());
    QFile file(scratch.filePath(QStringLiteral("file")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    for (QString& argument : arguments) {
        argument.replace(QStringLiteral("FILE"), file.fileName());
        argument.replace(QStringLiteral("DIR"), scratch.path());
    }

    const ToolRun run = runTool(arguments);
    QCOMPARE(run.exitCode, exitCode);
    QVERIFY2(run.errors.contains(message), qPrintable(run.errors));
    // A refused run leaves nothing behind but what was there.
    QCOMPARE(QDir(scratch.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::Hidden),
             QStringList{QStringLiteral("file")});
}

void TestCardArtwork::toolRedrawsTheSameFiles() {
    // The build must be reproducible: a second run gives byte-identical pictures,
    // exactly the 53 expected files in both densities and no leftovers.
    QTemporaryDir scratch;
    QVERIFY(scratch.isValid());
    const ToolRun run = runTool({QStringLiteral("--images"), scratch.path()});
    QVERIFY2(run.exitCode == 0, qPrintable(run.errors));

    QStringList expected;
    for (const QString& code : allCodes())
        expected << code + QStringLiteral(".jpg") << code + QStringLiteral("@2x.jpg");
    expected << QStringLiteral("nocard.jpg") << QStringLiteral("nocard@2x.jpg");
    expected.sort();
    QCOMPARE(QDir(scratch.path())
                 .entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::Hidden, QDir::Name),
             expected);
    for (const QString& name : expected) {
        QFile built(QDir(kImagesDir).filePath(name)), redrawn(scratch.filePath(name));
        QVERIFY(built.open(QIODevice::ReadOnly) && redrawn.open(QIODevice::ReadOnly));
        QVERIFY2(built.readAll() == redrawn.readAll(), qPrintable(name));
    }
}

QTEST_GUILESS_MAIN(TestCardArtwork)
#include "card_artwork_test.moc"
