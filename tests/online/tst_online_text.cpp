// Site addresses, the version taken from the site's document, the banner link
// policy and the licence file lookup.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <sys/stat.h>

#include "licence_file.h"
#include "link_policy.h"
#include "site_addresses.h"
#include "test_main.h"
#include "version_text.h"

using namespace korvana::online;

class TestOnlineText : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void remoteVersion_data()
    {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<QByteArray>("version");
        QTest::addColumn<bool>("own");
        QTest::newRow("line feed") << QByteArray("1.5.3\n") << QByteArray("1.5.3") << true;
        QTest::newRow("exactly five") << QByteArray("1.5.3") << QByteArray("1.5.3") << true;
        QTest::newRow("newer") << QByteArray("1.6.0\n") << QByteArray("1.6.0") << false;
        QTest::newRow("crlf keeps the cr") << QByteArray("1.5.3\r\n") << QByteArray(".5.3\r") << false;
        QTest::newRow("three characters") << QByteArray("abc") << QByteArray("abc") << false;
        QTest::newRow("empty") << QByteArray() << QByteArray() << false;
        QTest::newRow("six-character version") << QByteArray("1.10.0\n") << QByteArray(".10.0") << false;
        QTest::newRow("long page") << QByteArray("<html>1.5.3\n") << QByteArray("1.5.3") << true;
        QTest::newRow("no terminator") << QByteArray("v1.5.3") << QByteArray("v1.5.") << false;
    }
    void remoteVersion()
    {
        QFETCH(QByteArray, body);
        QFETCH(QByteArray, version);
        QFETCH(bool, own);
        QCOMPARE(remoteVersionFromBody(body), version);
        QCOMPARE(isOwnVersion(remoteVersionFromBody(body)), own);
    }

    void linkPolicy_data()
    {
        QTest::addColumn<QByteArray>("link");
        QTest::addColumn<QString>("opened");  // empty: nothing is opened
        QTest::newRow("http with line feed") << QByteArray("http://korvana.example/a?b=1\n")
                                             << "http://korvana.example/a?b=1";
        QTest::newRow("https with crlf") << QByteArray("https://korvana.example/\r\n") << "https://korvana.example/";
        QTest::newRow("upper-case scheme") << QByteArray("HTTP://korvana.example/x") << "http://korvana.example/x";
        QTest::newRow("empty") << QByteArray() << QString();
        QTest::newRow("only a line feed") << QByteArray("\n") << QString();
        QTest::newRow("file") << QByteArray("file:///etc/passwd\n") << QString();
        QTest::newRow("javascript") << QByteArray("javascript:alert(1)") << QString();
        QTest::newRow("local program") << QByteArray("/usr/bin/xterm") << QString();
        QTest::newRow("windows program") << QByteArray("C:\\Windows\\system32\\calc.exe") << QString();
        QTest::newRow("relative") << QByteArray("banners/1.html") << QString();
        QTest::newRow("no host") << QByteArray("http:///etc/passwd") << QString();
        QTest::newRow("mailto") << QByteArray("mailto:someone@korvana.example") << QString();
        QTest::newRow("ftp") << QByteArray("ftp://korvana.example/x") << QString();
        QTest::newRow("leading blank") << QByteArray(" http://korvana.example/") << QString();
        QTest::newRow("inner line break") << QByteArray("http://korvana.example/\nfile:///x") << QString();
        QTest::newRow("nul") << QByteArray("http://korvana.example/\0x", 24) << QString();
        QTest::newRow("blank in host") << QByteArray("http://korvana example/") << QString();
    }
    void linkPolicy()
    {
        QFETCH(QByteArray, link);
        QFETCH(QString, opened);
        const QUrl target = bannerLinkTarget(link);
        QCOMPARE(target.isValid() ? target.toString() : QString(), opened);
    }

    void pageAddresses_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("update");
        QTest::addColumn<QString>("help");
        QTest::addColumn<QString>("tellAFriend");
        QTest::addColumn<QString>("banner2");
        QTest::newRow("english") << 1 << "http://k.example/update.php?l=eng" << "http://k.example/help.php?l=eng"
                                 << "http://k.example/tellafriend.php?l=eng" << "http://k.example/banners/1/2.gif";
        QTest::newRow("russian") << 2 << "http://k.example/update.php?l=rus" << "http://k.example/help.php?l=rus"
                                 << "http://k.example/tellafriend.php?l=rus" << "http://k.example/banners/2/2.gif";
        QTest::newRow("unknown") << 0 << QString() << QString() << QString() << "http://k.example/banners/0/2.gif";
    }
    void pageAddresses()
    {
        QFETCH(int, language);
        const SiteAddresses site{QStringLiteral("http://k.example"), QStringLiteral("help@k.example")};
        auto text = [](const QUrl &url) { return url.isValid() ? url.toString() : QString(); };
        QTEST(text(updatePageUrl(site, language)), "update");
        QTEST(text(helpPageUrl(site, language)), "help");
        QTEST(text(tellAFriendPageUrl(site, language)), "tellAFriend");
        QTEST(text(bannerPictureUrl(site, language, 2)), "banner2");
        QCOMPARE(versionUrl(site).toString(), QStringLiteral("http://k.example/running.php"));
        QCOMPARE(bannerLinkUrl(site, 1, 4).toString(), QStringLiteral("http://k.example/banners/1/4.txt"));
        QCOMPARE(supportMailUrl(site).toString(), QStringLiteral("mailto:help@k.example"));
    }

    void defaultsComeFromTheBuild()
    {
        const SiteAddresses site = defaultSiteAddresses();
        QVERIFY(site.base.startsWith(QLatin1String("http")));
        QVERIFY(!site.base.endsWith(QLatin1Char('/')));
        QVERIFY(site.supportEmail.contains(QLatin1Char('@')));
    }

    void licenceLookup_data()
    {
        QTest::addColumn<bool>("inWorkingFolder");
        QTest::addColumn<bool>("besideProgram");
        QTest::addColumn<QString>("found");  // "work", "program" or empty
        QTest::newRow("working folder first") << true << true << "work";
        QTest::newRow("only working folder") << true << false << "work";
        QTest::newRow("only beside the program") << false << true << "program";
        QTest::newRow("nowhere") << false << false << QString();
    }
    void licenceLookup()
    {
        QFETCH(bool, inWorkingFolder);
        QFETCH(bool, besideProgram);
        QFETCH(QString, found);
        QTemporaryDir work, program;
        const QString name = QStringLiteral("eula_eng.txt");
        auto plant = [&](const QTemporaryDir &dir) {
            QFile file(QDir(dir.path()).filePath(name));
            QVERIFY(file.open(QIODevice::WriteOnly));
        };
        if (inWorkingFolder)
            plant(work);
        if (besideProgram)
            plant(program);
        // A folder or a named pipe of the licence's name is not the licence.
        QDir(work.path()).mkdir(QStringLiteral("eula_rus.txt"));
        QCOMPARE(::mkfifo(QFile::encodeName(QDir(work.path()).filePath(QStringLiteral("eula_pipe.txt"))).constData(),
                          0600),
                 0);

        const QString previous = QDir::currentPath();
        QDir::setCurrent(work.path());
        const QString path = findLicenceFile(name, program.path());
        const QString folderOnly = findLicenceFile(QStringLiteral("eula_rus.txt"), program.path());
        const QString pipeOnly = findLicenceFile(QStringLiteral("eula_pipe.txt"), program.path());
        QDir::setCurrent(previous);

        const QString expected = found.isEmpty() ? QString()
                                 : found == QLatin1String("work") ? QDir(work.path()).filePath(name)
                                                                  : QDir(program.path()).filePath(name);
        QCOMPARE(path, expected);
        QVERIFY(folderOnly.isEmpty());
        QVERIFY(pipeOnly.isEmpty());
    }
};

KORVANA_ONLINE_TEST_MAIN(TestOnlineText)
#include "tst_online_text.moc"
