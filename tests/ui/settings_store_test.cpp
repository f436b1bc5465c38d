// The settings store: what stored values read as, what a broken store does,
// and where the player's own store lives.
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include "failure.h"
#include "settings_store.h"

using korvana::Language;
using namespace korvana::ui;

namespace {

constexpr int kThrows = -999;  // marks a value that must be refused

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
    void storeThatCannotBeWritten();
    void readOnlyStore_data();
    void readOnlyStore();
    void playersOwnStore();
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
    QTest::newRow("beyond 32 bits") << QByteArray("autoswitch=4294967296\n") << kThrows;
    QTest::newRow("a list") << QByteArray("autoswitch=1, 0\n") << kThrows;
    QTest::newRow("empty") << QByteArray("autoswitch=\n") << kThrows;
}

void SettingsStoreTest::autoswitch() {
    QFETCH(QByteArray, stored);
    QFETCH(int, read);
    QTemporaryDir dir;
    const SettingsStore store = storeWith(dir, stored);
    if (read == kThrows) {
        QVERIFY_THROWS_EXCEPTION(Failure, store.autoSwitch());
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

QTEST_MAIN(SettingsStoreTest)
#include "settings_store_test.moc"
