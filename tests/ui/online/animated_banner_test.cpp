// The animated banner: loading, frames and delays, playing once, the empty
// banner, and its mouse events.
#include <QApplication>
#include <QDir>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <sys/stat.h>

#include "tests/services/test_main.h"
#include "ui/online/animated_banner.h"

using korvana::ui::AnimatedBanner;
using namespace korvana::online::test;

namespace {

// What a banner does when the pointer moves over it.
void pointerMoved(AnimatedBanner& banner) {
    if (!banner.animate()) {
        banner.setFrameIndex(1);
        banner.setAnimate(true);
    }
}

QColor centre(const QImage& image) {
    return image.pixelColor(image.width() / 2, image.height() / 2);
}

// A GIF of the given screen size whose frames are each one black pixel.
QByteArray tinyFramesGif(int width, int height, int frames) {
    QByteArray gif("GIF89a");
    gif += char(width & 0xff);
    gif += char(width >> 8);
    gif += char(height & 0xff);
    gif += char(height >> 8);
    gif += QByteArray("\x00\x00\x00", 3);
    const QByteArray frame(
        "\x21\xf9\x04\x00\x05\x00\x00\x00"          // delay 5
        "\x2c\x00\x00\x00\x00\x01\x00\x01\x00\x80"  // 1 x 1, local colours
        "\x00\x00\x00\xff\xff\xff\x02\x02\x44\x01\x00",
        29);  // pixel 0
    for (int i = 0; i < frames; ++i) gif += frame;
    return gif + ";";
}

}  // namespace

class TestAnimatedBanner : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void load_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QList<int>>("delays");
        QTest::newRow("single frame")
            << "one_frame.gif" << true << QSize(230, 60) << QList<int>{50};
        QTest::newRow("delays held within limits")
            << "three_frames.gif" << true << QSize(230, 60) << QList<int>{50, 80, 10000};
        QTest::newRow("stored 0 and 1 are the fastest rate")
            << "fast_frames.gif" << true << QSize(185, 60) << QList<int>{50, 50, 120};
        QTest::newRow("four frames")
            << "four_quick_frames.gif" << true << QSize(185, 60) << QList<int>{50, 50, 50, 50};
        QTest::newRow("not a gif") << "not_a_gif.png" << false << QSize(230, 60) << QList<int>{};
        QTest::newRow("missing file") << "no_such.gif" << false << QSize(230, 60) << QList<int>{};
    }
    void load() {
        QFETCH(QString, file);
        QFETCH(bool, ok);
        QFETCH(QSize, size);
        QFETCH(QList<int>, delays);
        AnimatedBanner banner;
        banner.resize(230, 60);
        // A picture is already there: every load drops it first.
        QVERIFY(banner.loadFromFile(dataFile(QStringLiteral("one_frame.gif"))));
        QString error;
        QCOMPARE(banner.loadFromFile(dataFile(file), &error), ok);
        QCOMPARE(error.isEmpty(), ok);
        QCOMPARE(banner.isEmpty(), !ok);
        QCOMPARE(banner.size(), size);
        QCOMPARE(banner.frameIndex(), 0);
        QList<int> actual;
        for (int i = 0; i < banner.frameCount(); ++i) actual.append(banner.frameDelay(i));
        QCOMPARE(actual, delays);
    }

    void unusablePicturesFail_data() {
        QTest::addColumn<QString>("kind");  // "file", "pipe" or "folder"
        QTest::addColumn<QByteArray>("contents");
        QTest::addColumn<int>("frames");  // 0: the load fails
        const QByteArray three =
            readDataFile(QStringLiteral("three_frames.gif"));  // frames at 46, 207, 374
        QTest::newRow("cut inside frame 1") << "file" << three.left(120) << 0;
        QTest::newRow("cut inside frame 2") << "file" << three.left(280) << 0;
        QTest::newRow("cut before frame 3") << "file" << three.left(366) << 2;
        QTest::newRow("without its trailer") << "file" << three.chopped(1) << 3;
        QTest::newRow("2000 frames") << "file" << tinyFramesGif(1, 1, 2000) << 2000;
        QTest::newRow("2001 frames") << "file" << tinyFramesGif(1, 1, 2001) << 0;
        QTest::newRow("frames and their overhead too large")
            << "file" << tinyFramesGif(90, 90, 2000) << 0;
        QTest::newRow("named pipe") << "pipe" << QByteArray() << 0;
        QTest::newRow("folder") << "folder" << QByteArray() << 0;
    }
    void unusablePicturesFail() {
        QFETCH(QString, kind);
        QFETCH(QByteArray, contents);
        QFETCH(int, frames);
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("1.gif"));
        if (kind == QLatin1String("pipe")) {
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        } else if (kind == QLatin1String("folder")) {
            QVERIFY(QDir().mkdir(path));
        } else {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(contents);
        }
        AnimatedBanner banner;
        QVERIFY(banner.loadFromFile(dataFile(QStringLiteral("one_frame.gif"))));
        QString error;
        QCOMPARE(banner.loadFromFile(path, &error), frames > 0);
        QCOMPARE(banner.frameCount(), frames);
        QCOMPARE(error.isEmpty(), frames > 0);
    }

    void frameIndexIgnoresInvalidValues() {
        AnimatedBanner banner;
        QVERIFY(banner.loadFromFile(dataFile(QStringLiteral("three_frames.gif"))));
        const QColor first = centre(banner.currentFrame());
        for (int index : {-1, 3, 99}) {
            banner.setFrameIndex(index);
            QCOMPARE(banner.frameIndex(), 0);
        }
        banner.setFrameIndex(2);
        QCOMPARE(banner.frameIndex(), 2);
        QCOMPARE(centre(banner.currentFrame()), QColor(Qt::blue));
        QVERIFY(centre(banner.currentFrame()) != first);
    }

    void playsOnceAndRestsOnTheFirstFrame() {
        AnimatedBanner banner;
        QVERIFY(banner.loadFromFile(dataFile(QStringLiteral("four_quick_frames.gif"))));
        QList<int> shown;
        QTimer watch;
        connect(&watch, &QTimer::timeout, this, [&] {
            if (shown.isEmpty() || shown.last() != banner.frameIndex())
                shown.append(banner.frameIndex());
        });
        watch.start(5);
        pointerMoved(banner);
        QVERIFY(banner.animate());
        QVERIFY(QTest::qWaitFor([&] { return !banner.animate(); }, 2000));
        QCOMPARE(banner.frameIndex(), 0);
        QTest::qWait(150);  // and it stays there
        QCOMPARE(shown, (QList<int>{1, 2, 3, 0}));

        // Moving over it while it plays changes nothing.
        pointerMoved(banner);
        QCOMPARE(banner.frameIndex(), 1);
        QTest::qWait(60);
        const int playing = banner.frameIndex();
        pointerMoved(banner);
        QCOMPARE(banner.frameIndex(), playing);
        QVERIFY(QTest::qWaitFor([&] { return !banner.animate(); }, 2000));
    }

    void loopKeepsPlaying() {
        AnimatedBanner banner;
        QVERIFY(banner.loadFromFile(dataFile(QStringLiteral("four_quick_frames.gif"))));
        banner.setLoop(true);
        banner.setAnimate(true);
        QTest::qWait(500);
        QVERIFY(banner.animate());
        banner.setAnimate(false);
    }

    void singleFrameNeverAdvances() {
        AnimatedBanner banner;
        QVERIFY(banner.loadFromFile(dataFile(QStringLiteral("one_frame.gif"))));
        pointerMoved(banner);
        QTest::qWait(150);
        QVERIFY(banner.animate());
        QCOMPARE(banner.frameIndex(), 0);
    }

    void emptyControlPlaysItsNextPictureOnce_data() {
        QTest::addColumn<QString>("first");
        QTest::newRow("empty") << QString();
        QTest::newRow("after a single frame") << "one_frame.gif";
    }
    void emptyControlPlaysItsNextPictureOnce() {
        QFETCH(QString, first);
        AnimatedBanner banner;
        if (!first.isEmpty()) QVERIFY(banner.loadFromFile(dataFile(first)));
        pointerMoved(banner);
        QVERIFY(banner.animate());
        QTest::qWait(100);
        QVERIFY(banner.animate());

        QVERIFY(banner.loadFromFile(dataFile(QStringLiteral("four_quick_frames.gif"))));
        QCOMPARE(banner.frameIndex(), 0);
        QVERIFY(QTest::qWaitFor([&] { return banner.frameIndex() != 0; }, 1000));
        QVERIFY(QTest::qWaitFor([&] { return !banner.animate(); }, 2000));
        QCOMPARE(banner.frameIndex(), 0);
    }

    void failedLoadStopsPlaying() {
        AnimatedBanner banner;
        QVERIFY(banner.loadFromFile(dataFile(QStringLiteral("four_quick_frames.gif"))));
        pointerMoved(banner);
        QVERIFY(!banner.loadFromFile(dataFile(QStringLiteral("not_a_gif.png"))));
        QTest::qWait(120);
        QVERIFY(banner.isEmpty());
        QCOMPARE(banner.frameIndex(), 0);
    }

    void emptyControlShowsNothing() {
        QWidget window;
        window.resize(300, 100);
        window.setStyleSheet(QStringLiteral("background: #ff00ff"));
        auto* banner = new AnimatedBanner(&window);
        banner->setGeometry(10, 10, 230, 60);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(centre(window.grab().toImage().copy(banner->geometry())),
                 QColor(0xff, 0x00, 0xff));

        QVERIFY(banner->loadFromFile(dataFile(QStringLiteral("three_frames.gif"))));
        QCOMPARE(centre(window.grab().toImage().copy(banner->geometry())), QColor(Qt::red));
    }

    void raisesClickAndMouseMove() {
        QWidget window;
        window.resize(300, 100);
        auto* banner = new AnimatedBanner(&window);
        banner->setGeometry(10, 10, 230, 60);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QSignalSpy clicked(banner, &AnimatedBanner::clicked);
        QSignalSpy moved(banner, &AnimatedBanner::mouseMoved);
        QCOMPARE(banner->cursor().shape(), Qt::PointingHandCursor);

        QTest::mouseMove(banner, QPoint(20, 20));
        QTest::mouseMove(banner, QPoint(30, 25));
        QVERIFY(moved.count() >= 1);
        QTest::mouseClick(banner, Qt::LeftButton, {}, QPoint(30, 25));
        QCOMPARE(clicked.count(), 1);
        QTest::mouseClick(banner, Qt::RightButton, {}, QPoint(30, 25));
        QCOMPARE(clicked.count(), 1);
    }
};

KORVANA_ONLINE_TEST_MAIN(TestAnimatedBanner, QApplication)
#include "animated_banner_test.moc"
