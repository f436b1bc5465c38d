// Site addresses, the version taken from the site's document, the site's
// 8-bit texts, the banner link policy and the licence file lookup.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <sys/stat.h>

#include "korvana_version.h"
#include "services/licence_file.h"
#include "services/link_policy.h"
#include "services/site_addresses.h"
#include "services/version_text.h"
#include "services/windows_1251.h"
#include "tests/services/test_main.h"

using korvana::Language;
using namespace korvana::online;

namespace {
const QByteArray kOwn(korvana::kProgramVersion);
}

class TestOnlineText : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void remoteVersion_data() {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<QByteArray>("version");  // "none": no version, the check changes nothing
        QTest::addColumn<bool>("own");
        QTest::newRow("line feed") << kOwn + "\n" << kOwn << true;
        QTest::newRow("exactly five") << kOwn << kOwn << true;
        QTest::newRow("newer") << QByteArray("1.6.0\n") << QByteArray("1.6.0") << false;
        QTest::newRow("crlf") << kOwn + "\r\n" << kOwn << true;
        QTest::newRow("two line feeds") << kOwn + "\n\n" << kOwn << true;
        QTest::newRow("newer, crlf") << QByteArray("1.6.0\r\n") << QByteArray("1.6.0") << false;
        QTest::newRow("three characters") << QByteArray("1.6") << QByteArray("1.6") << false;
        QTest::newRow("three letters") << QByteArray("abc") << QByteArray("none") << false;
        QTest::newRow("empty") << QByteArray() << QByteArray("none") << false;
        QTest::newRow("only line ends") << QByteArray("\r\n") << QByteArray("none") << false;
        QTest::newRow("blanks and line ends")
            << QByteArray(" \t \r\n") << QByteArray("none") << false;
        QTest::newRow("six-character version")
            << QByteArray("1.10.0\n") << QByteArray("none") << false;
        QTest::newRow("long page") << "<html>" + kOwn + "\n" << kOwn << true;
        QTest::newRow("no terminator") << "v" + kOwn << kOwn << true;
        QTest::newRow("error page")
            << QByteArray("<p>Sign in</p></html>\n") << QByteArray("none") << false;
        QTest::newRow("number without dots")
            << QByteArray("12345\n") << QByteArray("none") << false;
        QTest::newRow("blank inside") << QByteArray("1. 6.0\n") << QByteArray("none") << false;
        QTest::newRow("cyrillic") << QByteArray("2.\xC0\xC1\xC2\n") << QByteArray("none") << false;
    }
    void remoteVersion() {
        QFETCH(QByteArray, body);
        QFETCH(QByteArray, version);
        QFETCH(bool, own);
        const auto taken = remoteVersionFromBody(body);
        QCOMPARE(taken.value_or("none"), version);
        QCOMPARE(taken && isOwnVersion(*taken), own);
    }

    void windows1251_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        QTest::newRow("ascii") << QByteArray("1.6.0 http://a/?q=1")
                               << QStringLiteral("1.6.0 http://a/?q=1");
        QTest::newRow("capitals") << QByteArray("\xC0\xC1\xC2\xDF") << QStringLiteral("АБВЯ");
        QTest::newRow("small letters") << QByteArray("\xE0\xE1\xFF") << QStringLiteral("абя");
        QTest::newRow("yo") << QByteArray("\xA8\xB8") << QStringLiteral("Ёё");
        QTest::newRow("ukrainian and serbian")
            << QByteArray("\xAA\xBA\xB2\xB3\xAF\xBF\xA5\xB4\x80\x9A")
            << QStringLiteral("ЄєІіЇїҐґЂљ");
        QTest::newRow("punctuation") << QByteArray("\x85\x88\x96\x97\xAB\xBB\xB9\x99\xA0")
                                     << QStringLiteral("…€–—«»№™\u00A0");
        QTest::newRow("unused byte") << QByteArray("\x98") << QStringLiteral("\u0098");
    }
    void windows1251() {
        QFETCH(QByteArray, bytes);
        QTEST(fromWindows1251(bytes), "text");
    }

    void linkPolicy_data() {
        QTest::addColumn<QByteArray>("link");
        QTest::addColumn<QString>("opened");  // empty: nothing is opened
        QTest::newRow("http with line feed")
            << QByteArray("http://korvana.example/a?b=1\n") << "http://korvana.example/a?b=1";
        QTest::newRow("https with crlf")
            << QByteArray("https://korvana.example/\r\n") << "https://korvana.example/";
        QTest::newRow("upper-case scheme")
            << QByteArray("HTTP://korvana.example/x") << "http://korvana.example/x";
        QTest::newRow("empty") << QByteArray() << QString();
        QTest::newRow("only a line feed") << QByteArray("\n") << QString();
        QTest::newRow("file") << QByteArray("file:///etc/passwd\n") << QString();
        QTest::newRow("javascript") << QByteArray("javascript:alert(1)") << QString();
        QTest::newRow("local program") << QByteArray("/usr/bin/xterm") << QString();
        QTest::newRow("windows program")
            << QByteArray("C:\\Windows\\system32\\calc.exe") << QString();
        QTest::newRow("relative") << QByteArray("banners/1.html") << QString();
        QTest::newRow("no host") << QByteArray("http:///etc/passwd") << QString();
        QTest::newRow("mailto") << QByteArray("mailto:someone@korvana.example") << QString();
        QTest::newRow("ftp") << QByteArray("ftp://korvana.example/x") << QString();
        QTest::newRow("leading blank") << QByteArray(" http://korvana.example/") << QString();
        QTest::newRow("inner line break")
            << QByteArray("http://korvana.example/\nfile:///x") << QString();
        QTest::newRow("nul") << QByteArray("http://korvana.example/\0x", 24) << QString();
        QTest::newRow("blank in host") << QByteArray("http://korvana example/") << QString();
        // Windows-1251 texts; beyond ASCII the address carries UTF-8, percent-encoded.
        QTest::newRow("cyrillic path and query")
            << QByteArray("http://korvana.example/\xEF\xF3\xF2\xFC?q=\xE4\xE0\n")
            << "http://korvana.example/%D0%BF%D1%83%D1%82%D1%8C?q=%D0%B4%D0%B0";
        QTest::newRow("cyrillic host") << QByteArray("http://\xEF\xF0\xE8\xEC\xE5\xF0.\xF0\xF4/")
                                       << "http://xn--e1afmkfd.xn--p1ai/";
        QTest::newRow("already encoded")
            << QByteArray("http://korvana.example/%D0%B0") << "http://korvana.example/%D0%B0";
    }
    void linkPolicy() {
        QFETCH(QByteArray, link);
        QFETCH(QString, opened);
        const QUrl target = bannerLinkTarget(link);
        QCOMPARE(target.isValid() ? QString::fromLatin1(target.toEncoded()) : QString(), opened);
    }

    void pageAddresses_data() {
        QTest::addColumn<Language>("language");
        QTest::addColumn<QString>("update");
        QTest::addColumn<QString>("help");
        QTest::addColumn<QString>("tellAFriend");
        QTest::addColumn<QString>("banner2");
        QTest::newRow("english") << Language::English << "http://k.example/update.php?l=eng"
                                 << "http://k.example/help.php?l=eng"
                                 << "http://k.example/tellafriend.php?l=eng"
                                 << "http://k.example/banners/1/2.gif";
        QTest::newRow("russian") << Language::Russian << "http://k.example/update.php?l=rus"
                                 << "http://k.example/help.php?l=rus"
                                 << "http://k.example/tellafriend.php?l=rus"
                                 << "http://k.example/banners/2/2.gif";
        QTest::newRow("unknown") << Language(7) << QString() << QString() << QString() << QString();
    }
    void pageAddresses() {
        QFETCH(Language, language);
        const SiteAddresses site{QStringLiteral("http://k.example"),
                                 QStringLiteral("help@k.example")};
        auto text = [](const QUrl& url) { return url.isValid() ? url.toString() : QString(); };
        QTEST(text(updatePageUrl(site, language)), "update");
        QTEST(text(helpPageUrl(site, language)), "help");
        QTEST(text(tellAFriendPageUrl(site, language)), "tellAFriend");
        QTEST(text(bannerPictureUrl(site, language, 2)), "banner2");
        QCOMPARE(versionUrl(site).toString(), QStringLiteral("http://k.example/running.php"));
        QCOMPARE(bannerLinkUrl(site, Language::English, 4).toString(),
                 QStringLiteral("http://k.example/banners/1/4.txt"));
        QCOMPARE(supportMailUrl(site).toString(), QStringLiteral("mailto:help@k.example"));
    }

    void defaultsComeFromTheBuild() {
        const SiteAddresses site = defaultSiteAddresses();
        QVERIFY(site.base.startsWith(QLatin1String("http")));
        QVERIFY(!site.base.endsWith(QLatin1Char('/')));
        QVERIFY(site.supportEmail.contains(QLatin1Char('@')));
    }

    void licenceLookup_data() {
        QTest::addColumn<bool>("inWorkingFolder");
        QTest::addColumn<bool>("besideProgram");
        QTest::addColumn<QString>("found");  // "work", "program" or empty
        QTest::newRow("working folder first") << true << true << "work";
        QTest::newRow("only working folder") << true << false << "work";
        QTest::newRow("only beside the program") << false << true << "program";
        QTest::newRow("nowhere") << false << false << QString();
    }
    void licenceLookup() {
        QFETCH(bool, inWorkingFolder);
        QFETCH(bool, besideProgram);
        QFETCH(QString, found);
        QTemporaryDir work, program;
        const QString name = QStringLiteral("eula_eng.txt");
        auto plant = [&](const QTemporaryDir& dir) {
            QFile file(QDir(dir.path()).filePath(name));
            QVERIFY(file.open(QIODevice::WriteOnly));
        };
        if (inWorkingFolder) plant(work);
        if (besideProgram) plant(program);
        // A folder or a named pipe of the licence's name is not the licence.
        QDir(work.path()).mkdir(QStringLiteral("eula_rus.txt"));
        QCOMPARE(
            ::mkfifo(QFile::encodeName(QDir(work.path()).filePath(QStringLiteral("eula_pipe.txt")))
                         .constData(),
                     0600),
            0);

        const QString previous = QDir::currentPath();
        QDir::setCurrent(work.path());
        const QString path = findLicenceFile(name, program.path());
        const QString folderOnly = findLicenceFile(QStringLiteral("eula_rus.txt"), program.path());
        const QString pipeOnly = findLicenceFile(QStringLiteral("eula_pipe.txt"), program.path());
        QDir::setCurrent(previous);

        const QString expected = found.isEmpty() ? QString()
                                 : found == QLatin1String("work")
                                     ? QDir(work.path()).filePath(name)
                                     : QDir(program.path()).filePath(name);
        QCOMPARE(path, expected);
        QVERIFY(folderOnly.isEmpty());
        QVERIFY(pipeOnly.isEmpty());
    }
};

KORVANA_ONLINE_TEST_MAIN(TestOnlineText, QCoreApplication)
#include "online_text_test.moc"
