// Hostile GIF pictures: a generated corpus of cut, emptied and repeated
// blocks, and a short seeded fuzz run. The layout reader and Qt's decoder
// must split every file into the same frames, and a banner shows a picture
// only when they do; nothing may crash, whatever the bytes.
#include <QApplication>
#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include "services/gif_layout.h"
#include "tests/services/test_main.h"
#include "ui/online/animated_banner.h"

using korvana::online::readGifLayout;
using korvana::ui::AnimatedBanner;
using namespace korvana::online::test;

namespace {

QByteArray word(int value) {
    return QByteArray(1, char(value & 0xff)) + char((value >> 8) & 0xff);
}

QByteArray header(int width, int height) {
    return "GIF89a" + word(width) + word(height) + QByteArray("\x00\x00\x00", 3);
}

// One frame of the given size at the given place, whose pixels are all
// colour 0 of a two-colour local table.
QByteArray frame(int width = 1, int height = 1, int left = 0, int top = 0) {
    return "\x2c" + word(left) + word(top) + word(width) + word(height) +
           QByteArray("\x80\x00\x00\x00\xff\xff\xff\x02\x02\x44\x01\x00", 12);
}

const QByteArray kControl("\x21\xf9\x04\x00\x05\x00\x00\x00", 8);
const QByteArray kLooping("\x21\xff\x0bNETSCAPE2.0\x03\x01\x00\x00\x00", 19);
const QByteArray kComment(
    "\x21\xfe\x03"
    "abc"
    "\x00",
    7);

// The frames Qt's decoder gives, up to a bound.
int decodedFrames(QByteArray data) {
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "gif");
    reader.setAllocationLimit(16);  // megabytes: the test's huge canvases fail fast
    int frames = 0;
    QImage image;
    while (frames < 50 && reader.read(&image)) ++frames;
    return frames;
}

struct Outcome {
    int layoutFrames = -1;  // -1: the layout is incomplete
    int decoded = 0;
    int shown = 0;  // frames of the banner after loading, 0 when refused
};

Outcome feed(const QByteArray& data, const QString& path) {
    Outcome outcome;
    const auto layout = readGifLayout(data);
    if (layout.complete) outcome.layoutFrames = int(layout.delays.size());
    outcome.decoded = decodedFrames(data);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(data) != data.size())
        qFatal("cannot write %s", qPrintable(path));
    file.close();
    AnimatedBanner banner;
    if (banner.loadFromFile(path)) outcome.shown = banner.frameCount();
    return outcome;
}

// What must hold for any input: a banner shows exactly the frames both
// readers found, and refuses the picture when they differ.
bool consistent(const Outcome& o) {
    if (o.shown == 0) return true;
    return o.shown == o.layoutFrames && o.shown == o.decoded;
}

}  // namespace

class TestGifCorpus : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void knownPictures_data() {
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<int>("frames");  // both readers agree on these
        QTest::addColumn<bool>("shown");
        const QByteArray filler(59, 'x');
        QTest::newRow("control block of length 0 hides nothing")
            << header(1, 1) + "\x21\xf9" + QByteArray(1, '\0') + "\x3b" + filler +
                   QByteArray(1, '\0') + frame() + ";"
            << 1 << true;
        QTest::newRow("application block of length 0 hides nothing")
            << header(1, 1) + "\x21\xff" + QByteArray(1, '\0') + "\x3b" + filler +
                   QByteArray(1, '\0') + frame() + ";"
            << 1 << true;
        QTest::newRow("comment of length 0 ends at once")
            << header(1, 1) + "\x21\xfe" + QByteArray(1, '\0') + frame() + frame() + ";" << 2
            << true;
        QTest::newRow("code size 13")
            << header(1, 1) + frame().replace(16, 1, "\x0d") + ";" << 0 << false;
        // The decoder takes its canvas from the first frame of a 0×0 screen.
        QTest::newRow("three huge frames on a 0x0 screen")
            << header(0, 0) + frame(5790, 5790) + frame(5790, 5790) + frame(5790, 5790) + ";" << -1
            << false;
        QTest::newRow("a small frame placed far out on a 0x0 screen")
            << header(0, 0) + frame(1, 1, 9000, 9000) + ";" << -1 << false;
    }
    void knownPictures() {
        QFETCH(QByteArray, data);
        QFETCH(int, frames);
        QFETCH(bool, shown);
        QTemporaryDir folder;
        const Outcome o = feed(data, folder.filePath(QStringLiteral("1.gif")));
        if (frames >= 0) {
            QCOMPARE(o.decoded, frames);
            if (frames > 0) QCOMPARE(o.layoutFrames, frames);
        }
        QCOMPARE(o.shown > 0, shown);
        QVERIFY(consistent(o));
    }

    // The decoded-size cap must see the canvas the decoder will really use.
    void canvasIsTheLargestExtent_data() {
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<QSize>("canvas");
        QTest::newRow("screen holds its frames")
            << header(20, 10) + frame(4, 4, 2, 2) + ";" << QSize(20, 10);
        QTest::newRow("0x0 screen")
            << header(0, 0) + frame(5790, 5790) + frame() + ";" << QSize(5790, 5790);
        QTest::newRow("frame beyond the screen")
            << header(20, 10) + frame() + frame(8, 8, 30, 5) + ";" << QSize(38, 13);
    }
    void canvasIsTheLargestExtent() {
        QFETCH(QByteArray, data);
        QFETCH(QSize, canvas);
        const auto layout = readGifLayout(data);
        QCOMPARE(QSize(layout.canvasWidth, layout.canvasHeight), canvas);
    }

    // Every block of a picture cut at each byte, its length bytes set to 0,
    // and each block repeated.
    void generatedCorpus() {
        const QList<QByteArray> blocks{header(2, 2), kLooping, kControl, frame(2, 2),
                                       kComment,     kControl, frame(),  QByteArray(";")};
        const QByteArray whole = blocks.join();
        QList<QByteArray> corpus;
        for (int cut = 0; cut <= whole.size(); ++cut) corpus << whole.left(cut);
        for (int i = 13; i < whole.size(); ++i) {
            QByteArray zeroed = whole;
            zeroed[i] = '\0';
            corpus << zeroed;
        }
        for (int b = 1; b < blocks.size(); ++b) {
            QList<QByteArray> repeated = blocks;
            repeated.insert(b, blocks[b]);
            corpus << repeated.join();
            repeated = blocks;
            repeated.removeAt(b);
            corpus << repeated.join();
        }
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("1.gif"));
        int shown = 0;
        for (const QByteArray& data : corpus) {
            const Outcome o = feed(data, path);
            if (!consistent(o))
                QFAIL(qPrintable(QStringLiteral("%1: layout %2, decoder %3, banner %4")
                                     .arg(QString::fromLatin1(data.toHex()))
                                     .arg(o.layoutFrames)
                                     .arg(o.decoded)
                                     .arg(o.shown)));
            if (o.shown) ++shown;
        }
        QVERIFY(shown > 0);  // the corpus is not refused wholesale
    }

    // Random byte changes to a small picture, seeded so a failure repeats.
    void fuzzAgainstDecoder() {
        const QByteArray seed =
            header(2, 2) + kLooping + kControl + frame(2, 2) + kComment + kControl + frame() + ";";
        QRandomGenerator random(20261207);
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("1.gif"));
        for (int round = 0; round < 500; ++round) {
            QByteArray data = seed;
            const int changes = 1 + random.bounded(4);
            for (int c = 0; c < changes; ++c) {
                const int at = 13 + random.bounded(int(data.size()) - 13);
                switch (random.bounded(3)) {
                    case 0: data[at] = char(random.bounded(256)); break;
                    case 1: data.remove(at, 1 + random.bounded(3)); break;
                    default: data.insert(at, char(random.bounded(256))); break;
                }
            }
            const Outcome o = feed(data, path);
            if (!consistent(o))
                QFAIL(qPrintable(QStringLiteral("round %1, %2: layout %3, decoder %4, banner %5")
                                     .arg(round)
                                     .arg(QString::fromLatin1(data.toHex()))
                                     .arg(o.layoutFrames)
                                     .arg(o.decoded)
                                     .arg(o.shown)));
        }
    }
};

KORVANA_ONLINE_TEST_MAIN(TestGifCorpus, QApplication)
#include "gif_corpus_test.moc"
