// The settings store: what stored values read as, what a broken store does,
// and where the player's own store lives.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#ifdef Q_OS_LINUX
#include <sched.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <cerrno>
#include <cstring>
#endif

#include "failure.h"
#include "settings_store.h"

using korvana::Language;
using namespace korvana::ui;

namespace {

constexpr int kThrows = -999;      // marks a value that must be refused
constexpr int kOutOfRange = -998;  // refused as too big, not as no number

SettingsStore storeWith(const QTemporaryDir& dir, const QByteArray& lines) {
    const QString path = dir.filePath(QStringLiteral("Korvana.conf"));
    QFile file(path);
    if (file.open(QIODevice::WriteOnly)) file.write("[General]\n" + lines);
    return SettingsStore::inFile(path);
}

}  // namespace

class SettingsStoreTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void language_data();
    void language();
    void autoswitch_data();
    void autoswitch();
    void choicesAreSavedAtOnce();
    void opponentRange_data();
    void opponentRange();
    void storeThatCannotBeWritten();
    void readOnlyStore_data();
    void readOnlyStore();
    void playersOwnStore();
    void writeKeepsTheRestOfTheFile_data();
    void writeKeepsTheRestOfTheFile();
    void linkToTheFileStaysALink();
    void oddPlaces_data();
    void oddPlaces();
    void fullDisk_data();
    void fullDisk();
};

void SettingsStoreTest::language_data() {
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<QString>("read");  // "" = never written; "!" = refused
    QTest::newRow("never written") << QByteArray() << "";
    QTest::newRow("english") << QByteArray("language=english\n") << "english";
    QTest::newRow("russian") << QByteArray("language=russian\n") << "russian";
    QTest::newRow("other text is still text") << QByteArray("language=Klingon\n") << "other text";
    QTest::newRow("capitals make other text") << QByteArray("language=Russian\n") << "other text";
    QTest::newRow("a list is not text") << QByteArray("language=english, russian\n") << "!";
    QTest::newRow("bytes are not text") << QByteArray("language=@ByteArray(english)\n") << "!";
}

void SettingsStoreTest::language() {
    QFETCH(QByteArray, stored);
    QFETCH(QString, read);
    QTemporaryDir dir;
    const SettingsStore store = storeWith(dir, stored);
    if (read == QLatin1String("!")) {
        QVERIFY_THROWS_EXCEPTION(Failure, store.language());
    } else {
        const StoredLanguage value = store.language();
        const QString seen = !value.present                         ? QString("")
                             : !value.language                      ? QStringLiteral("other text")
                             : *value.language == Language::Russian ? QStringLiteral("russian")
                                                                    : QStringLiteral("english");
        QCOMPARE(seen, read);
    }
}

void SettingsStoreTest::autoswitch_data() {
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<int>("read");  // 0x7fffffff = never written; 1 = on, 0 = off
    QTest::newRow("never written") << QByteArray() << 0x7fffffff;
    QTest::newRow("off") << QByteArray("autoswitch=0\n") << 0;
    QTest::newRow("on") << QByteArray("autoswitch=1\n") << 1;
    QTest::newRow("any non-zero") << QByteArray("autoswitch=5\n") << 1;
    QTest::newRow("negative") << QByteArray("autoswitch=-1\n") << 1;
    QTest::newRow("words") << QByteArray("autoswitch=yes\n") << kThrows;
    QTest::newRow("beyond 32 bits") << QByteArray("autoswitch=4294967296\n") << kOutOfRange;
    QTest::newRow("a list") << QByteArray("autoswitch=1, 0\n") << kThrows;
    QTest::newRow("empty") << QByteArray("autoswitch=\n") << kThrows;
}

void SettingsStoreTest::autoswitch() {
    QFETCH(QByteArray, stored);
    QFETCH(int, read);
    QTemporaryDir dir;
    const SettingsStore store = storeWith(dir, stored);
    if (read == kThrows || read == kOutOfRange) {
        try {
            store.autoSwitch();
            QFAIL("a bad value was read");
        } catch (const Failure& failure) {
            QCOMPARE(failure.message().contains(QLatin1String("out of range")),
                     read == kOutOfRange);
        }
    } else {
        const auto value = store.autoSwitch();
        QCOMPARE(value.has_value(), read != 0x7fffffff);
        if (value) QCOMPARE(int(*value), read);
    }
}

void SettingsStoreTest::choicesAreSavedAtOnce() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Korvana.conf"));
    const SettingsStore store = SettingsStore::inFile(path);
    store.setLanguage(Language::Russian);
    store.setAutoSwitch(false);
    // Another reader sees them straight away, with nothing left to save.
    QSettings reader(path, QSettings::IniFormat);
    QCOMPARE(reader.value("language").toString(), QStringLiteral("russian"));
    QCOMPARE(reader.value("autoswitch").toInt(), 0);
    QCOMPARE(store.language().language, Language::Russian);
    QCOMPARE(store.autoSwitch(), false);
    // Saves quicker than the clock ticks still read back as saved.
    for (int i = 0; i < 20; ++i) {
        const Language language = i % 2 ? Language::Russian : Language::English;
        store.setLanguage(language);
        QCOMPARE(store.language().language, language);
    }
}

// A range is the player's own text: whatever it holds reads back the same,
// to the store and to any other reader of the file.
void SettingsStoreTest::opponentRange_data() {
    QTest::addColumn<QString>("range");
    QTest::newRow("empty") << QString();
    QTest::newRow("commas") << QStringLiteral("QQ+, AKs, T9s-65s");
    QTest::newRow("outer blanks") << QStringLiteral(" AKs ");
    QTest::newRow("suit symbols") << QStringLiteral("A\u2665K\u2665 10\u2663");
    QTest::newRow("escape then hex digit") << QStringLiteral("\u2665a\tb");
    QTest::newRow("ini specials") << QStringLiteral("a;b=c\"d\\e");
    QTest::newRow("leading at") << QStringLiteral("@ByteArray(x)");
}

void SettingsStoreTest::opponentRange() {
    QFETCH(QString, range);
    QTemporaryDir dir;
    const SettingsStore store = storeWith(dir, "language=english\n");
    QCOMPARE(store.opponentRange(), std::nullopt);
    store.setOpponentRange(range);
    QCOMPARE(store.opponentRange(), range);
    const QSettings reader(dir.filePath(QStringLiteral("Korvana.conf")), QSettings::IniFormat);
    QCOMPARE(reader.value(QStringLiteral("opponentrange")), QVariant(range));
    QCOMPARE(reader.value(QStringLiteral("language")).toString(), QStringLiteral("english"));
    // A line written by hand without quotes reads as a list, and still as the range.
    QTemporaryDir other;
    QCOMPARE(storeWith(other, "opponentrange=QQ+, AKs\n").opponentRange(),
             QStringLiteral("QQ+, AKs"));
}

void SettingsStoreTest::storeThatCannotBeWritten() {
    QTemporaryDir dir;
    QFile blocker(dir.filePath(QStringLiteral("file")));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const QString path = dir.filePath(QStringLiteral("file/Korvana.conf"));
    const SettingsStore store = SettingsStore::inFile(path);

    QVERIFY(!store.language().present);  // nothing to read is not an error
    for (const auto& write : {std::function<void()>([&] { store.setLanguage(Language::English); }),
                              std::function<void()>([&] { store.setAutoSwitch(true); })}) {
        try {
            write();
            QFAIL("a write to an impossible place reported success");
        } catch (const Failure& failure) {
            QVERIFY2(failure.message().contains(QDir::toNativeSeparators(path)),
                     qPrintable(failure.message()));
        }
    }
}

// A store the player may only read: writing the value it already holds is no
// change and succeeds; any other write fails, and the file stays as it was.
void SettingsStoreTest::readOnlyStore_data() {
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    QTest::addColumn<bool>("fails");
    const QByteArray both("language=english\nautoswitch=1\n");
    QTest::newRow("same language") << both << "language"
                                   << "english" << false;
    QTest::newRow("other language") << both << "language"
                                    << "russian" << true;
    QTest::newRow("same auto-switch") << both << "autoswitch"
                                      << "1" << false;
    QTest::newRow("auto-switch turned off") << both << "autoswitch"
                                            << "0" << true;
    QTest::newRow("missing language") << QByteArray() << "language"
                                      << "english" << true;
    QTest::newRow("missing auto-switch") << QByteArray() << "autoswitch"
                                         << "1" << true;
}

void SettingsStoreTest::readOnlyStore() {
    QFETCH(QByteArray, stored);
    QFETCH(QString, key);
    QFETCH(QString, value);
    QFETCH(bool, fails);
    QTemporaryDir dir;
    storeWith(dir, stored);
    const QString path = dir.filePath(QStringLiteral("Korvana.conf"));
    const SettingsStore store = SettingsStore::inFile(path, SettingsStore::Access::ReadOnly);
    bool failed = false;
    try {
        if (key == QLatin1String("language"))
            store.setLanguage(value == QLatin1String("russian") ? Language::Russian
                                                                : Language::English);
        else
            store.setAutoSwitch(value.toInt() != 0);
    } catch (const Failure& failure) {
        failed = true;
        QVERIFY2(failure.message().contains(key), qPrintable(failure.message()));
    }
    QCOMPARE(failed, fails);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), "[General]\n" + stored);
}

void SettingsStoreTest::playersOwnStore() {
    const QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (config.isEmpty() || !config.contains(QLatin1String("/home/settings_store_test/")))
        QSKIP("runs only inside its private test folder, never on the real user's settings");
    const SettingsStore store = SettingsStore::perUser();
    const QString expected =
        QDir::toNativeSeparators(config + QStringLiteral("/Software/Korvana.conf"));
    QCOMPARE(store.location(), expected);
    QFile::remove(expected);
    store.setLanguage(Language::English);
    store.setAutoSwitch(true);
    QSettings reader(expected, QSettings::IniFormat);
    QCOMPARE(reader.value("language").toString(), QStringLiteral("english"));
    QCOMPARE(reader.value("autoswitch").toInt(), 1);
}

// A value is written into the text as it is: every other line reads as before.
void SettingsStoreTest::writeKeepsTheRestOfTheFile_data() {
    QTest::addColumn<QByteArray>("before");
    QTest::newRow("no file") << QByteArray();
    QTest::newRow("as written before") << QByteArray("[General]\nautoswitch=1\nlanguage=english\n");
    QTest::newRow("lines before any section") << QByteArray("language=english\nautoswitch=0\n");
    QTest::newRow("lower-case section") << QByteArray("[general]\nlanguage=english\n");
    QTest::newRow("other sections only") << QByteArray("[Window]\nlanguage=x\nsize=3\n");
    QTest::newRow("general after another")
        << QByteArray("[Window]\nlanguage=x\n[General]\nautoswitch=0\n");
    QTest::newRow("twice, spaced, commented") << QByteArray(
        "; mine\n[General]\n language = english ; old\nlanguage=Klingon\n"
        "languages=2\n[General]\nlanguage=english\n");
    QTest::newRow("value over two lines")
        << QByteArray("[General]\nlanguage=\"eng\nlish\"\nautoswitch=1\n");
    QTest::newRow("continued value") << QByteArray("[General]\nlanguage=en\\\nglish\nx=1\n");
    QTest::newRow("windows line ends") << QByteArray("[General]\r\nlanguage=english\r\nx=1\r\n");
    QTest::newRow("no last line end") << QByteArray("[General]\nx=1");
    QTest::newRow("header without line end") << QByteArray("[General]");
    QTest::newRow("byte order mark") << QByteArray("\xef\xbb\xbf[General]\nx=1\n");
    QTest::newRow("comments only") << QByteArray("; nothing yet\n");
    QTest::newRow("typed values") << QByteArray(
        "[General]\nlist=a, b\nbytes=@ByteArray(x)\n"
        "text=\"  spaced \"\n[a%2Fb]\nc=1\n");
}

void SettingsStoreTest::writeKeepsTheRestOfTheFile() {
    QFETCH(QByteArray, before);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Korvana.conf"));
    if (!before.isNull()) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(before);
    }
    QVariantMap expected;
    {
        const QSettings reader(path, QSettings::IniFormat);
        for (const QString& key : reader.allKeys()) expected[key] = reader.value(key);
    }
    const SettingsStore store = SettingsStore::inFile(path);
    store.setLanguage(Language::Russian);
    store.setExactChances(true);
    expected[QStringLiteral("language")] = QStringLiteral("russian");
    expected[QStringLiteral("exactchances")] = QStringLiteral("1");

    const QSettings reader(path, QSettings::IniFormat);
    QCOMPARE(reader.status(), QSettings::NoError);
    QVariantMap read;
    for (const QString& key : reader.allKeys()) read[key] = reader.value(key);
    QCOMPARE(read, expected);
}

void SettingsStoreTest::linkToTheFileStaysALink() {
    QTemporaryDir dir;
    const QString real = dir.filePath(QStringLiteral("real.conf"));
    const QString path = dir.filePath(QStringLiteral("Korvana.conf"));
    storeWith(dir, "language=english\n");
    QVERIFY(QFile::rename(path, real) && QFile::link(real, path));
    SettingsStore::inFile(path).setLanguage(Language::Russian);
    QVERIFY(QFileInfo(path).isSymLink());
    QCOMPARE(QSettings(real, QSettings::IniFormat).value("language"), QVariant("russian"));
}

namespace {

enum class OddPlace { Folder, Pipe, LinkToDevice, LinkToNothing, NotSettings };

// Makes the odd place at path; false when this system cannot.
bool makeOddPlace(OddPlace place, const QString& path) {
    switch (place) {
        case OddPlace::Folder: return QDir().mkpath(path);
        case OddPlace::Pipe:
#ifdef Q_OS_UNIX
            return ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0;
#else
            return false;
#endif
        case OddPlace::LinkToDevice: return QFile::link(QStringLiteral("/dev/null"), path);
        case OddPlace::LinkToNothing: return QFile::link(path + QStringLiteral(".gone"), path);
        case OddPlace::NotSettings: {
            QFile file(path);
            return file.open(QIODevice::WriteOnly) &&
                   file.write("[General\nlanguage=english\n") > 0;
        }
    }
    return false;
}

// What lies at path, to see that a refused store left it alone.
QString describe(const QString& path) {
    const QFileInfo info(path);
    QString text =
        info.isSymLink() ? QStringLiteral("link to ") + info.symLinkTarget() + ' ' : QString();
    if (info.isDir()) return text + QStringLiteral("folder");
    if (!info.exists()) return text + QStringLiteral("nothing");
    if (!info.isFile()) return text + QStringLiteral("special");
    QFile file(path);
    return text +
           (file.open(QIODevice::ReadOnly) ? QString::fromLatin1(file.readAll()) : QString());
}

}  // namespace

Q_DECLARE_METATYPE(OddPlace)

// Anything but a regular file is reported once; the store then reads as never
// written, writes nothing, and what lies there stays as it was.
void SettingsStoreTest::oddPlaces_data() {
    QTest::addColumn<OddPlace>("place");
    QTest::newRow("folder") << OddPlace::Folder;
    QTest::newRow("named pipe") << OddPlace::Pipe;
    QTest::newRow("link to a device") << OddPlace::LinkToDevice;
    QTest::newRow("link to nothing") << OddPlace::LinkToNothing;
    QTest::newRow("not a settings file") << OddPlace::NotSettings;
}

void SettingsStoreTest::oddPlaces() {
    QFETCH(OddPlace, place);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Korvana.conf"));
    if (!makeOddPlace(place, path)) QSKIP("this system cannot make that kind of file");
    const QString before = describe(path);
    const SettingsStore store = SettingsStore::inFile(path);
    const SettingsStore copy = store;

    try {
        store.exactChances();
        QFAIL("an odd settings place was read without a word");
    } catch (const Failure& failure) {
        QVERIFY2(failure.message().contains(QDir::toNativeSeparators(path)),
                 qPrintable(failure.message()));
    }
    QVERIFY(!copy.language().present);
    QVERIFY(!store.autoSwitch());
    store.setLanguage(Language::Russian);
    copy.setAutoSwitch(false);
    QVERIFY(!store.language().present);
    QCOMPARE(describe(path), before);
}

enum class Fill { AllBlocks, AllButOneBlock, AllFileEntries };
Q_DECLARE_METATYPE(Fill)

void SettingsStoreTest::fullDisk_data() {
    QTest::addColumn<Fill>("fill");
    QTest::newRow("one block left") << Fill::AllButOneBlock;
    QTest::newRow("no block left") << Fill::AllBlocks;
    QTest::newRow("no file entry left") << Fill::AllFileEntries;
}

// On a disk too full for the new text the old file stays whole and the
// failure is reported; a text that fits is saved whole.
void SettingsStoreTest::fullDisk() {
#ifdef Q_OS_LINUX
    QFETCH(Fill, fill);
    // A small disk of its own, seen by this process only.
    static const bool ownMounts = ::unshare(CLONE_NEWNS) == 0 &&
                                  ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0;
    const auto cannot = [] {
        return QStringLiteral("cannot mount a small disk here: ") +
               QString::fromLocal8Bit(std::strerror(errno));
    };
    if (!ownMounts) QSKIP(qPrintable(cannot()));
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("disk"));
    QVERIFY(QDir().mkpath(folder));
    const QByteArray disk = QFile::encodeName(folder);
    const char* options = fill == Fill::AllFileEntries ? "size=64k,nr_inodes=8" : "size=16k";
    if (::mount("tmpfs", disk.constData(), "tmpfs", 0, options) != 0) QSKIP(qPrintable(cannot()));
    struct Unmount {
        QByteArray at;
        ~Unmount() { ::umount2(at.constData(), MNT_DETACH); }
    } unmount{disk};

    const QString path = folder + QStringLiteral("/Korvana.conf");
    const QByteArray old("[General]\nlanguage=english\nautoswitch=1\n");
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(old), old.size());
    }
    if (fill == Fill::AllFileEntries) {
        for (int i = 0;
             QFile(folder + QStringLiteral("/entry%1").arg(i)).open(QIODevice::WriteOnly); ++i) {
        }
    } else {
        QFile filler(folder + QStringLiteral("/filler"));
        QVERIFY(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        const QByteArray block(4096, 'x');
        while (filler.write(block) == block.size()) {
        }
        if (fill == Fill::AllButOneBlock) QVERIFY(filler.resize(filler.size() - block.size()));
    }

    bool failed = false;
    try {
        SettingsStore::inFile(path).setLanguage(Language::Russian);
    } catch (const Failure& failure) {
        failed = true;
        // The cause is named, not "Unknown error".
        QVERIFY2(failure.message().contains(QDir::toNativeSeparators(path)) &&
                     failure.message().contains(QLatin1String("space left"), Qt::CaseInsensitive),
                 qPrintable(failure.message()));
    }
    if (fill != Fill::AllButOneBlock) QVERIFY(failed);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray now = file.readAll();
    if (failed) {
        QCOMPARE(now, old);
    } else {
        const QSettings reader(path, QSettings::IniFormat);
        QCOMPARE(reader.value("language").toString(), QStringLiteral("russian"));
        QCOMPARE(reader.value("autoswitch").toString(), QStringLiteral("1"));
    }
    for (const QString& name : QDir(folder).entryList(QDir::Files))
        QVERIFY2(name == "Korvana.conf" || name == "filler" || name.startsWith("entry"),
                 qPrintable(name));
#else
    QSKIP("needs Linux mounts");
#endif
}

QTEST_MAIN(SettingsStoreTest)
#include "settings_store_test.moc"
