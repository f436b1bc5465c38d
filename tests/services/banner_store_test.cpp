// The private folder of the banner pictures: where it is, its permissions,
// complete-or-nothing writes and planted links.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <sys/stat.h>

#include "services/banner_store.h"
#include "tests/services/test_main.h"

using namespace korvana::online;

namespace {

int modeOf(const QString& path) {
    struct stat st {};
    if (::lstat(QFile::encodeName(path).constData(), &st) != 0) return -1;
    return int(st.st_mode & 0777);
}

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

bool write(const BannerStore& store, int n, const QByteArray& data, bool commit) {
    QString error;
    auto picture = store.beginPicture(n, &error);
    if (!picture) return false;
    picture->device()->write(data);
    return !commit || picture->commit(&error);
}

}  // namespace

class TestBannerStore : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void defaultFolder_data() {
        QTest::addColumn<QString>("runtime");  // "private", "shared", "relative", "unset"
        QTest::addColumn<bool>("underRuntime");
        QTest::newRow("private runtime folder") << "private" << true;
        QTest::newRow("runtime folder open to others") << "shared" << false;
        QTest::newRow("relative runtime folder") << "relative" << false;
        QTest::newRow("no runtime folder") << "unset" << false;
    }
    void defaultFolder() {
        QFETCH(QString, runtime);
        QFETCH(bool, underRuntime);
        const QByteArray saved = qgetenv("XDG_RUNTIME_DIR");
        QTemporaryDir dir;
        if (runtime == QLatin1String("private")) {
            ::chmod(QFile::encodeName(dir.path()).constData(), 0700);
            qputenv("XDG_RUNTIME_DIR", QFile::encodeName(dir.path()));
        } else if (runtime == QLatin1String("shared")) {
            ::chmod(QFile::encodeName(dir.path()).constData(), 0777);
            qputenv("XDG_RUNTIME_DIR", QFile::encodeName(dir.path()));
        } else if (runtime == QLatin1String("relative")) {
            qputenv("XDG_RUNTIME_DIR", "run/user");
        } else {
            qunsetenv("XDG_RUNTIME_DIR");
        }
        const QString folder = BannerStore::defaultFolder();
        qputenv("XDG_RUNTIME_DIR", saved);

        const QString cache = qEnvironmentVariable("XDG_CACHE_HOME");
        QCOMPARE(folder,
                 underRuntime ? dir.path() + "/korvana-banners" : cache + "/korvana-banners");
    }

    void folderIsOwnerOnly() {
        QTemporaryDir dir;
        const QString folder = dir.path() + "/deeper/korvana-banners";
        QDir().mkpath(folder);
        ::chmod(QFile::encodeName(folder).constData(), 0755);  // left open by someone
        BannerStore store(folder);
        QVERIFY(write(store, 1, "GIF89a", true));
        QCOMPARE(modeOf(folder), 0700);
        QCOMPARE(modeOf(store.picturePath(1)), 0600);
        QCOMPARE(store.picturePath(1), folder + "/1.gif");
    }

    void folderThatIsALinkIsRefused() {
        QTemporaryDir dir;
        const QString elsewhere = dir.path() + "/elsewhere";
        QDir().mkpath(elsewhere);
        const QString folder = dir.path() + "/korvana-banners";
        QVERIFY(QFile::link(elsewhere, folder));
        BannerStore store(folder);
        QString error;
        QVERIFY(!store.prepare(&error));
        QVERIFY(!error.isEmpty());
        QVERIFY(!write(store, 1, "GIF89a", true));
        QVERIFY(QDir(elsewhere).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).isEmpty());
    }

    void plantedLinkIsReplacedNotFollowed() {
        QTemporaryDir dir;
        BannerStore store(dir.path() + "/korvana-banners");
        QVERIFY(store.prepare(nullptr));
        const QString victim = dir.path() + "/victim.txt";
        {
            QFile file(victim);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("precious");
        }
        QVERIFY(QFile::link(victim, store.picturePath(2)));
        QVERIFY(write(store, 2, "GIF89a new", true));
        QCOMPARE(contents(victim), QByteArray("precious"));
        QVERIFY(!QFileInfo(store.picturePath(2)).isSymLink());
        QCOMPARE(contents(store.picturePath(2)), QByteArray("GIF89a new"));
    }

    void unfinishedPictureLeavesTheOldOne() {
        QTemporaryDir dir;
        BannerStore store(dir.path() + "/korvana-banners");
        QVERIFY(write(store, 3, "old picture", true));
        QVERIFY(write(store, 3, "half a new pic", false));
        QCOMPARE(contents(store.picturePath(3)), QByteArray("old picture"));
        // Nothing but the finished pictures is left behind.
        QCOMPARE(QDir(store.folder()).entryList(QDir::Files), QStringList{"3.gif"});
    }
};

KORVANA_ONLINE_TEST_MAIN(TestBannerStore, QCoreApplication)
#include "banner_store_test.moc"
