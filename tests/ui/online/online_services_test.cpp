// The online services on a stand-in main window against a fake site: the
// version notice, the banner strip, superseded checks, the menu handlers, the
// About window and shutdown while a request hangs. A heartbeat on the GUI
// thread checks that nothing blocks it.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QTemporaryDir>

#include "about_window.h"
#include "animated_banner.h"
#include "korvana_version.h"
#include "online_services.h"
#include "test_main.h"
#include "translation.h"
#include "window_plan.h"

using korvana::Language;
using namespace korvana::online;
using namespace korvana::online::test;
using namespace korvana::ui;
using namespace std::chrono_literals;

namespace {

const QColor kRed(Qt::red);            // first frame of three_frames.gif
const QColor kBlue(0x20, 0x60, 0xc0);  // one_frame.gif

const QByteArray kOwnVersion(korvana::kProgramVersion);

QColor shown(const AnimatedBanner* banner) {
    const QImage frame = banner->currentFrame();
    return frame.isNull() ? QColor() : frame.pixelColor(frame.width() / 2, frame.height() / 2);
}

// A stand-in main window with the online services and a fake site.
struct Rig {
    explicit Rig(std::chrono::milliseconds interval = 0ms, QString bannerFolder = {})
        : opener(std::make_shared<RecordingOpener>()) {
        window.resize(924, 508);
        OnlineOptions options;
        options.webCheck.site = {site.base(), QStringLiteral("support@korvana.test")};
        options.webCheck.limits = {2000ms, 1500ms};
        this->bannerFolder =
            bannerFolder.isEmpty() ? folder.path() + "/korvana-banners" : bannerFolder;
        options.webCheck.bannerFolder = this->bannerFolder;
        options.checkInterval = interval;
        options.programFolder = program.path();
        options.opener = opener;
        // As in the window, the texts are in the language the services are told of.
        online = new OnlineServices(
            &window,
            [this] {
                translation.use(language);
                return language;
            },
            kWindowPlan.online, options);
        window.show();
    }

    // One web check, as at a language choice, run to its end.
    bool check() {
        online->startWebCheck();
        return QTest::qWaitFor([this] { return !online->webCheckRunning(); }, 8000);
    }

    QStringList bannerFiles() const { return QDir(bannerFolder).entryList(QDir::Files); }

    // folder: the site's banner folder, 1 English, 2 Russian.
    void serveBanners(int folder, const QString& picture, const QByteArray& linkPrefix,
                      int delayMs = 0) {
        site.routeBanners(folder, readDataFile(picture), linkPrefix);
        if (delayMs > 0) {
            for (int n = 1; n <= 4; ++n) {
                const QByteArray stem =
                    "/banners/" + QByteArray::number(folder) + "/" + QByteArray::number(n);
                site.route(stem + ".gif",
                           FakeResponse{200, readDataFile(picture), {}, {}, delayMs});
                site.route(
                    stem + ".txt",
                    FakeResponse{200, linkPrefix + QByteArray::number(n) + "\n", {}, {}, delayMs});
            }
        }
    }

    QList<QByteArray> bannerLinks() const {
        QList<QByteArray> links;
        for (int n = 1; n <= 4; ++n) links.append(online->bannerLink(n));
        return links;
    }

    QList<QColor> bannerColours() const {
        QList<QColor> colours;
        for (int n = 1; n <= 4; ++n) colours.append(shown(online->banner(n)));
        return colours;
    }

    QStringList opened() const {
        QStringList targets;
        for (const auto& entry : opener->opened) targets.append(entry.target.toString());
        return targets;
    }

    FakeSite site;
    QTemporaryDir folder;
    QTemporaryDir program;
    QString bannerFolder;
    QWidget window;
    Language language = Language::English;
    Translation translation;
    std::shared_ptr<RecordingOpener> opener;
    OnlineServices* online = nullptr;
    Heartbeat heartbeat;
};

bool drawnInBlue(QWidget* widget) {
    const QImage image = widget->grab().toImage();
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor colour = image.pixelColor(x, y);
            if (colour.blue() > 200 && colour.red() < 80 && colour.green() < 80) return true;
        }
    return false;
}

// The four links of one set, as the fake site serves them.
QList<QByteArray> links(const QByteArray& prefix) {
    QList<QByteArray> set;
    for (int n = 1; n <= 4; ++n) set << prefix + QByteArray::number(n) + "\n";
    return set;
}

QList<QByteArray> bannerRequests(int folder) {
    QList<QByteArray> targets;
    for (int n = 1; n <= 4; ++n) {
        const QByteArray stem =
            "/banners/" + QByteArray::number(folder) + "/" + QByteArray::number(n);
        targets << stem + ".gif" << stem + ".txt";
    }
    return targets;
}

QLabel* aboutLabel(AboutWindow* about, const char* name) {
    return about->findChild<QLabel*>(QLatin1String(name));
}

QList<QByteArray> withoutVersion(const QList<QByteArray>& targets) {
    QList<QByteArray> rest = targets;
    rest.removeAll("/running.php");
    return rest;
}

}  // namespace

class TestOnlineServices : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void noticeAndBannersAreInPlace() {
        Rig rig;
        QLabel* notice = rig.online->notice();
        QCOMPARE(notice->parentWidget(), &rig.window);
        QCOMPARE(notice->geometry(), QRect(662, 400, 240, 15));
        QVERIFY(notice->isHidden());
        QCOMPARE(notice->textFormat(), Qt::PlainText);
        QCOMPARE(notice->cursor().shape(), Qt::PointingHandCursor);
        const QList<QRect> places{
            {214, 424, 230, 60}, {449, 424, 230, 60}, {684, 424, 230, 60}, {8, 424, 185, 60}};
        for (int n = 1; n <= 4; ++n) {
            QCOMPARE(rig.online->banner(n)->geometry(), places[n - 1]);
            QVERIFY(rig.online->banner(n)->isEmpty());
            QVERIFY(!rig.online->banner(n)->loop());
        }
    }

    void versionNotice_data() {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<Language>("language");
        QTest::addColumn<QString>("notice");  // empty: stays hidden
        QTest::newRow("same version, line feed") << kOwnVersion + "\n"
                                                 << Language::English << QString();
        QTest::newRow("same version, no line feed")
            << kOwnVersion << Language::English << QString();
        QTest::newRow("newer, english")
            << QByteArray("1.6.0\n") << Language::English << "New version available - 1.6.0";
        QTest::newRow("newer, russian")
            << QByteArray("1.6.0\n") << Language::Russian << "Доступна новая версия - 1.6.0";
        QTest::newRow("same version, crlf") << kOwnVersion + "\r\n"
                                            << Language::English << QString();
        QTest::newRow("same version, two line feeds") << kOwnVersion + "\n\n"
                                                      << Language::English << QString();
        QTest::newRow("newer, crlf")
            << QByteArray("1.6.0\r\n") << Language::English << "New version available - 1.6.0";
        QTest::newRow("three characters")
            << QByteArray("1.6") << Language::English << "New version available - 1.6";
        QTest::newRow("empty body") << QByteArray() << Language::English << QString();
        QTest::newRow("blank body") << QByteArray(" \r\n") << Language::English << QString();
        QTest::newRow("page served as success")
            << QByteArray("<p>Sign in</p></html>\n") << Language::English << QString();
        QTest::newRow("markup is no version")
            << QByteArray("<b>1</b>\n") << Language::English << QString();
    }
    void versionNotice() {
        QFETCH(QByteArray, body);
        QFETCH(Language, language);
        QFETCH(QString, notice);
        Rig rig;
        rig.language = language;
        rig.site.route("/running.php", body);
        QVERIFY(rig.check());
        QCOMPARE(rig.online->notice()->isHidden(), notice.isEmpty());
        if (!notice.isEmpty()) QCOMPARE(rig.online->notice()->text(), notice);
        QVERIFY(rig.heartbeat.longestGapMs() < kResponsiveMs);
    }

    void noticeStaysUntilAnotherVersionIsFound() {
        Rig rig;
        rig.site.route("/running.php", "1.6.0\n");
        QVERIFY(rig.check());
        QCOMPARE(rig.online->notice()->text(), QStringLiteral("New version available - 1.6.0"));

        rig.site.route("/running.php", kOwnVersion + "\n");  // own version: no change
        QVERIFY(rig.check());
        QCOMPARE(rig.online->notice()->text(), QStringLiteral("New version available - 1.6.0"));
        QVERIFY(!rig.online->notice()->isHidden());

        rig.site.route("/running.php", FakeResponse{404, "gone", {}, {}});  // failure: no change
        QVERIFY(rig.check());
        QCOMPARE(rig.online->notice()->text(), QStringLiteral("New version available - 1.6.0"));

        rig.site.route("/running.php", "<h1>Not found</h1></html>\n");  // no version: no change
        QVERIFY(rig.check());
        QCOMPARE(rig.online->notice()->text(), QStringLiteral("New version available - 1.6.0"));

        rig.language = Language::Russian;
        rig.site.route("/running.php", "1.7.1\n");
        QVERIFY(rig.check());
        QCOMPARE(rig.online->notice()->text(), QStringLiteral("Доступна новая версия - 1.7.1"));
    }

    void unreachableSiteChangesNothing() {
        Rig rig;
        rig.serveBanners(1, QStringLiteral("one_frame.gif"), "http://ads.test/");
        rig.site.route("/running.php", "2.0.0\n");
        QVERIFY(rig.check());
        rig.site.stop();
        QVERIFY(rig.check());
        QCOMPARE(rig.online->notice()->text(), QStringLiteral("New version available - 2.0.0"));
        QCOMPARE(rig.bannerColours(), QList<QColor>(4, kBlue));
        QCOMPARE(rig.online->bannerLink(1), QByteArray("http://ads.test/1\n"));
    }

    void noticeClickOpensTheUpdatePage_data() {
        QTest::addColumn<Language>("language");
        QTest::addColumn<QStringList>("opened");
        QTest::newRow("english") << Language::English << QStringList{"/update.php?l=eng"};
        QTest::newRow("russian") << Language::Russian << QStringList{"/update.php?l=rus"};
        QTest::newRow("unknown") << Language(7) << QStringList{};
    }
    void noticeClickOpensTheUpdatePage() {
        QFETCH(Language, language);
        QFETCH(QStringList, opened);
        Rig rig;
        rig.site.route("/running.php", "1.6.0\n");
        QVERIFY(rig.check());
        rig.language = language;
        QTest::mouseClick(rig.online->notice(), Qt::LeftButton);
        for (QString& target : opened) target.prepend(rig.site.base());
        QCOMPARE(rig.opened(), opened);
        for (const auto& entry : rig.opener->opened) QCOMPARE(entry.owner, &rig.window);
    }

    void bannersOfTheLanguage_data() {
        QTest::addColumn<Language>("language");
        QTest::addColumn<int>("folder");
        QTest::newRow("english") << Language::English << 1;
        QTest::newRow("russian") << Language::Russian << 2;
    }
    void bannersOfTheLanguage() {
        QFETCH(Language, language);
        QFETCH(int, folder);
        Rig rig;
        rig.language = language;
        rig.serveBanners(1, QStringLiteral("one_frame.gif"), "http://eng.test/");
        rig.serveBanners(2, QStringLiteral("three_frames.gif"), "http://rus.test/");
        rig.site.route("/running.php", kOwnVersion + "\n");
        QVERIFY(rig.check());

        QCOMPARE(withoutVersion(rig.site.requestedTargets()), bannerRequests(folder));
        const QByteArray prefix = folder == 1 ? "http://eng.test/" : "http://rus.test/";
        QCOMPARE(rig.bannerLinks(), (QList<QByteArray>{prefix + "1\n", prefix + "2\n",
                                                       prefix + "3\n", prefix + "4\n"}));
        QCOMPARE(rig.bannerColours(), QList<QColor>(4, folder == 1 ? kBlue : kRed));
        QCOMPARE(rig.online->banner(2)->frameCount(), folder == 1 ? 1 : 3);
        QVERIFY(rig.heartbeat.longestGapMs() < kResponsiveMs);

        // A click opens the link without its line break.
        QTest::mouseClick(rig.online->banner(3), Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(rig.opened(), QStringList{QString::fromLatin1(prefix + "3")});
        QCOMPARE(rig.opener->opened.front().owner, &rig.window);
    }

    void failedLinkTextStopsThePass() {
        Rig rig;
        rig.serveBanners(1, QStringLiteral("one_frame.gif"), "http://old.test/");
        QVERIFY(rig.check());
        QCOMPARE(rig.online->webCheckFailure(), QString());
        rig.serveBanners(1, QStringLiteral("three_frames.gif"), "http://new.test/");
        rig.site.route("/banners/1/3.txt", FakeResponse{500, "broken", {}, {}});
        rig.site.clearRequests();
        QVERIFY(rig.check());
        // No picture reloaded, so no link changed: each still leads where its picture says.
        QCOMPARE(rig.bannerLinks(), links("http://old.test/"));
        QCOMPARE(rig.bannerColours(), QList<QColor>(4, kBlue));
        QVERIFY(!rig.site.requestedTargets().contains("/banners/1/4.gif"));
        // The reason is kept: which document failed, and how.
        const QString failure = rig.online->webCheckFailure();
        QVERIFY2(failure.contains("/banners/1/3.txt") && failure.contains("500"),
                 qPrintable(failure));
    }

    void pictureThatFailsToLoad_data() {
        QTest::addColumn<QByteArray>("picture2");
        const QByteArray three =
            readDataFile(QStringLiteral("three_frames.gif"));  // frames at 46, 207, 374
        QTest::newRow("not a gif") << readDataFile(QStringLiteral("not_a_gif.png"));
        QTest::newRow("cut inside frame 1") << three.left(120);
        QTest::newRow("cut inside frame 2") << three.left(280);
    }
    void pictureThatFailsToLoad() {
        QFETCH(QByteArray, picture2);
        Rig rig;
        rig.serveBanners(1, QStringLiteral("one_frame.gif"), "http://old.test/");
        QVERIFY(rig.check());
        rig.serveBanners(1, QStringLiteral("three_frames.gif"), "http://new.test/");
        rig.site.route("/banners/1/2.gif", picture2);
        QVERIFY(rig.check());
        QCOMPARE(rig.bannerColours(), (QList<QColor>{kRed, QColor(), kBlue, kBlue}));
        QVERIFY(rig.online->banner(2)->isEmpty());
        QCOMPARE(rig.bannerLinks(),
                 (QList<QByteArray>{
                     "http://new.test/1\n", {}, "http://old.test/3\n", "http://old.test/4\n"}));
        // The emptied banner leads nowhere although its new link arrived.
        QTest::mouseClick(rig.online->banner(2), Qt::LeftButton, {}, QPoint(5, 5));
        QVERIFY(rig.opener->opened.empty());
        QTest::mouseClick(rig.online->banner(1), Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(rig.opened(), QStringList{"http://new.test/1"});
    }

    void bannerNeverShownOpensNothing() {
        Rig rig;
        rig.serveBanners(1, QStringLiteral("one_frame.gif"), "http://new.test/");
        rig.site.route("/banners/1/3.gif", FakeResponse{404, "no", {}, {}});
        QVERIFY(rig.check());
        QCOMPARE(rig.bannerLinks(), QList<QByteArray>(4));
        for (int n = 1; n <= 4; ++n)
            QTest::mouseClick(rig.online->banner(n), Qt::LeftButton, {}, QPoint(5, 5));
        QVERIFY(rig.opener->opened.empty());
    }

    void failingPictureKeepsTheStrip_data() {
        QTest::addColumn<FakeResponse>("picture3");
        QTest::newRow("404") << FakeResponse{404, "no", {}, {}};
        QTest::newRow("endless body") << FakeResponse{200, {}, {}, FakeResponse::Kind::Endless};
        QTest::newRow("never answers") << FakeResponse{200, {}, {}, FakeResponse::Kind::Hang};
        QTest::newRow("redirected") << FakeResponse{302, {}, {"Location: /elsewhere.gif"}, {}};
    }
    void failingPictureKeepsTheStrip() {
        QFETCH(FakeResponse, picture3);
        Rig rig;
        rig.serveBanners(1, QStringLiteral("one_frame.gif"), "http://old.test/");
        QVERIFY(rig.check());
        rig.serveBanners(1, QStringLiteral("three_frames.gif"), "http://new.test/");
        rig.site.route("/banners/1/3.gif", picture3);
        rig.site.route("/elsewhere.gif", readDataFile(QStringLiteral("three_frames.gif")));
        const bool redirected = picture3.status == 302;
        QVERIFY(rig.check());
        QCOMPARE(rig.bannerColours(), QList<QColor>(4, redirected ? kRed : kBlue));
        QCOMPARE(rig.bannerLinks(), links(redirected ? "http://new.test/" : "http://old.test/"));
        QVERIFY(rig.heartbeat.longestGapMs() < kResponsiveMs);
        // The unfinished download left nothing behind.
        const QStringList files = rig.bannerFiles();
        QCOMPARE(files, (QStringList{"1.gif", "2.gif", "3.gif", "4.gif"}));
    }

    // A picture larger than its place is cut to it: the banner under the
    // pointer is the one whose place it is, and opens its own link.
    void bannerLargerThanItsPlace() {
        Rig rig;
        rig.serveBanners(1, QStringLiteral("wide_frame.gif"), "http://wide.test/");
        QVERIFY(rig.check());
        for (int n = 1; n <= 4; ++n) {
            const QRect place = kWindowPlan.online.banners[std::size_t(n - 1)];
            QVERIFY(place.contains(rig.online->banner(n)->geometry()));
            const QPoint inside = place.topLeft() + QPoint(20, 10);
            QWidget* hit = rig.window.childAt(inside);
            QCOMPARE(hit, rig.online->banner(n));
            QTest::mouseClick(hit, Qt::LeftButton, {}, hit->mapFrom(&rig.window, inside));
        }
        QCOMPARE(rig.opened(), (QStringList{"http://wide.test/1", "http://wide.test/2",
                                            "http://wide.test/3", "http://wide.test/4"}));
    }

    void hostileLinksOpenNothing() {
        Rig rig;
        QTest::mouseClick(rig.online->banner(1), Qt::LeftButton, {},
                          QPoint(5, 5));  // before any download
        rig.serveBanners(1, QStringLiteral("one_frame.gif"), "");
        const QList<QByteArray> links{"file:///etc/passwd\n", "javascript:alert(1)", "",
                                      "/usr/bin/xterm"};
        for (int n = 1; n <= 4; ++n)
            rig.site.route("/banners/1/" + QByteArray::number(n) + ".txt", links[n - 1]);
        QVERIFY(rig.check());
        QCOMPARE(rig.bannerLinks(), links);
        for (int n = 1; n <= 4; ++n)
            QTest::mouseClick(rig.online->banner(n), Qt::LeftButton, {}, QPoint(5, 5));
        QVERIFY(rig.opener->opened.empty());
    }

    void mouseOverPlaysTheBannerOnce() {
        Rig rig;
        QTest::mouseMove(rig.online->banner(1), QPoint(10, 10));  // still empty
        QVERIFY(rig.online->banner(1)->animate());
        rig.serveBanners(1, QStringLiteral("four_quick_frames.gif"), "http://x.test/");
        QVERIFY(rig.check());
        // The banner that saw the pointer while empty plays its picture once.
        QVERIFY(QTest::qWaitFor([&] { return !rig.online->banner(1)->animate(); }, 2000));
        QCOMPARE(rig.online->banner(1)->frameIndex(), 0);
        QVERIFY(!rig.online->banner(2)->animate());
        QTest::mouseMove(rig.online->banner(2), QPoint(10, 10));
        QCOMPARE(rig.online->banner(2)->frameIndex(), 1);
        QVERIFY(QTest::qWaitFor([&] { return !rig.online->banner(2)->animate(); }, 2000));
    }

    void plantedLinkInTheDefaultFolder() {
        const QString folder = BannerStore::defaultFolder();
        QVERIFY(folder.startsWith(qEnvironmentVariable("XDG_RUNTIME_DIR")));
        QDir().mkpath(folder);
        QTemporaryDir elsewhere;
        const QString victim = elsewhere.path() + "/victim";
        {
            QFile file(victim);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("keep me");
        }
        QFile::remove(folder + "/1.gif");
        QVERIFY(QFile::link(victim, folder + "/1.gif"));

        Rig rig(0ms, folder);
        rig.serveBanners(1, QStringLiteral("one_frame.gif"), "http://x.test/");
        QVERIFY(rig.check());
        QFile file(victim);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("keep me"));
        QVERIFY(!QFileInfo(folder + "/1.gif").isSymLink());
        QCOMPARE(rig.bannerColours(), QList<QColor>(4, kBlue));
        QVERIFY(!QFileInfo::exists(QDir::tempPath() + "/1.gif"));
    }

    void laterCheckSupersedesAnEarlierOne() {
        Rig rig;
        rig.site.route("/running.php", FakeResponse{200, "9.9.9\n", {}, {}, 400});
        rig.serveBanners(1, QStringLiteral("three_frames.gif"), "http://eng.test/", 400);
        rig.serveBanners(2, QStringLiteral("one_frame.gif"), "http://rus.test/");
        rig.online->startWebCheck();
        QVERIFY(QTest::qWaitFor([&] { return rig.site.requests().size() >= 2; }, 2000));

        rig.language = Language::Russian;
        rig.site.route("/running.php", "1.7.0\n");
        QVERIFY(rig.check());
        QTest::qWait(600);  // past the moment the first check would have ended
        QCOMPARE(rig.online->notice()->text(), QStringLiteral("Доступна новая версия - 1.7.0"));
        QCOMPARE(rig.bannerColours(), QList<QColor>(4, kBlue));
        QCOMPARE(rig.online->bannerLink(1), QByteArray("http://rus.test/1\n"));
        QVERIFY(!rig.site.requestedTargets().contains("/banners/1/1.txt"));
        QCOMPARE(rig.site.openConnections(), 0);
    }

    void rapidLanguageChanges() {
        Rig rig;
        rig.serveBanners(1, QStringLiteral("three_frames.gif"), "http://eng.test/", 30);
        rig.serveBanners(2, QStringLiteral("one_frame.gif"), "http://rus.test/", 30);
        rig.site.route("/running.php", FakeResponse{200, "1.6.0\n", {}, {}, 30});
        for (int i = 0; i < 12; ++i) {
            rig.language = i % 2 == 0 ? Language::English : Language::Russian;
            rig.online->startWebCheck();
            QTest::qWait(i * 7 % 40);
        }
        QVERIFY(QTest::qWaitFor([&] { return !rig.online->webCheckRunning(); }, 8000));
        QTest::qWait(100);
        QCOMPARE(rig.online->notice()->text(), QStringLiteral("Доступна новая версия - 1.6.0"));
        QCOMPARE(rig.bannerColours(), QList<QColor>(4, kBlue));
        QCOMPARE(rig.bannerLinks(),
                 (QList<QByteArray>{"http://rus.test/1\n", "http://rus.test/2\n",
                                    "http://rus.test/3\n", "http://rus.test/4\n"}));
        QCOMPARE(rig.bannerFiles(), (QStringList{"1.gif", "2.gif", "3.gif", "4.gif"}));
        QVERIFY(rig.heartbeat.longestGapMs() < kResponsiveMs);
    }

    void ownTimerChecksEveryInterval() {
        Rig rig(150ms);
        rig.site.route("/running.php", kOwnVersion + "\n");
        QVERIFY(QTest::qWaitFor(
            [&] { return rig.site.requestedTargets().count("/running.php") >= 3; }, 3000));

        Rig quiet;  // interval 0: the window's own timer drives the checks
        QTest::qWait(300);
        QVERIFY(quiet.site.requests().empty());
    }

    void helpAndTellAFriend_data() {
        QTest::addColumn<Language>("language");
        QTest::addColumn<QStringList>("opened");
        QTest::newRow("english") << Language::English
                                 << QStringList{"/help.php?l=eng", "/tellafriend.php?l=eng"};
        QTest::newRow("russian") << Language::Russian
                                 << QStringList{"/help.php?l=rus", "/tellafriend.php?l=rus"};
        QTest::newRow("unknown") << Language(7) << QStringList{};
    }
    void helpAndTellAFriend() {
        QFETCH(Language, language);
        QFETCH(QStringList, opened);
        Rig rig;
        rig.language = language;
        rig.online->openHelpPage();
        rig.online->openTellAFriendPage();
        for (QString& target : opened) target.prepend(rig.site.base());
        QCOMPARE(rig.opened(), opened);
        for (const auto& entry : rig.opener->opened) QCOMPARE(entry.owner, &rig.window);
    }

    void licence_data() {
        QTest::addColumn<Language>("language");
        QTest::addColumn<QString>("where");  // "work", "program" or "none"
        QTest::addColumn<QString>("file");
        QTest::newRow("english, working folder") << Language::English << "work"
                                                 << "eula_eng.txt";
        QTest::newRow("russian, working folder") << Language::Russian << "work"
                                                 << "eula_rus.txt";
        QTest::newRow("russian, beside the program") << Language::Russian << "program"
                                                     << "eula_rus.txt";
        QTest::newRow("missing") << Language::English << "none"
                                 << "eula_eng.txt";
        QTest::newRow("unknown language") << Language(3) << "work" << QString();
    }
    void licence() {
        QFETCH(Language, language);
        QFETCH(QString, where);
        QFETCH(QString, file);
        Rig rig;
        QTemporaryDir work;
        for (const QString name : {"eula_eng.txt", "eula_rus.txt"}) {
            QFile licence(
                QDir(where == "program" ? rig.program.path() : work.path()).filePath(name));
            if (where != "none") QVERIFY(licence.open(QIODevice::WriteOnly));
        }
        rig.language = language;
        const QString previous = QDir::currentPath();
        QDir::setCurrent(work.path());
        rig.online->openLicence();
        QDir::setCurrent(previous);

        if (where == "none" || file.isEmpty()) {
            QVERIFY(rig.opener->opened.empty());
            return;
        }
        const QString folder = where == "program" ? rig.program.path() : work.path();
        QCOMPARE(rig.opened(),
                 QStringList{QUrl::fromLocalFile(QDir(folder).filePath(file)).toString()});
        QCOMPARE(rig.opener->opened.front().owner, &rig.window);
    }

    void aboutWindow() {
        Rig rig;
        AboutWindow* about = rig.online->aboutWindow();
        QVERIFY(about->isHidden());
        QCOMPARE(about->windowTitle(), QStringLiteral("About Korvana"));
        QCOMPARE(about->size(), QSize(394, 168));

        rig.online->showAboutWindow();
        QVERIFY(about->isVisible());
        QCOMPARE(aboutLabel(about, "freeSoftwareLine")->text(),
                 QStringLiteral("Regardless of the fact that Korvana is free software"));
        QVERIFY(aboutLabel(about, "title")
                    ->text()
                    .startsWith(QLatin1String("Korvana - Poker hands analyzer developed by ")));
        QCOMPARE(aboutLabel(about, "supportAddress")->x(), 204);
        QCOMPARE(aboutLabel(about, "supportAddress")->text(),
                 QStringLiteral("support@korvana.test"));
        QCOMPARE(aboutLabel(about, "siteAddress")->text(), rig.site.base());
        // The two links are drawn in blue, the texts are not.
        for (const char* name : {"siteAddress", "supportAddress", "freeSoftwareLine"})
            QCOMPARE(drawnInBlue(aboutLabel(about, name)), qstrcmp(name, "freeSoftwareLine") != 0);

        // A second About while it is open: the same window, the same texts.
        rig.language = Language::Russian;
        rig.online->showAboutWindow();
        QCOMPARE(rig.window.findChildren<AboutWindow*>().size(), qsizetype(1));
        QCOMPARE(aboutLabel(about, "freeSoftwareLine")->text(),
                 QStringLiteral("Regardless of the fact that Korvana is free software"));

        QTest::mouseClick(aboutLabel(about, "siteAddress"), Qt::LeftButton);
        QTest::mouseClick(aboutLabel(about, "supportAddress"), Qt::LeftButton);
        QCOMPARE(rig.opened(), (QStringList{rig.site.base(), "mailto:support@korvana.test"}));
        for (const auto& entry : rig.opener->opened) QCOMPARE(entry.owner, about);

        QTest::mouseClick(about->findChild<QPushButton*>(QStringLiteral("closeButton")),
                          Qt::LeftButton);
        QVERIFY(about->isHidden());
        rig.online->showAboutWindow();
        QCOMPARE(aboutLabel(about, "freeSoftwareLine")->text(),
                 QStringLiteral("Несмотря на то, что Korvana бесплатное ПО, вы можете"));
        QCOMPARE(aboutLabel(about, "updatesLine")->text(),
                 QStringLiteral("Для проверки обновления, пожалуйста посетите вебсайт Korvana."));
        QCOMPARE(aboutLabel(about, "supportAddress")->x(), 179);

        // Closing the main window takes the About window off the screen.
        rig.window.close();
        QVERIFY(about->isHidden());
    }

    // A link nothing on the desktop opens: a message in the current language
    // with the address to copy.
    void linkThatDoesNotOpen_data() {
        QTest::addColumn<Language>("language");
        QTest::addColumn<QString>("text");
        QTest::newRow("english") << Language::English
                                 << "Korvana could not open this link. Copy the address:";
        QTest::newRow("russian") << Language::Russian
                                 << "Korvana не смогла открыть ссылку. Скопируйте адрес:";
    }
    void linkThatDoesNotOpen() {
        QFETCH(Language, language);
        QFETCH(QString, text);
        Rig rig;
        rig.language = language;
        rig.opener->opens = false;
        rig.online->openHelpPage();
        QCOMPARE(rig.opened().size(), 1);
        auto* message = rig.window.findChild<QMessageBox*>(QStringLiteral("linkMessage"));
        QVERIFY(message && message->isVisible());
        QCOMPARE(message->text(), text);
        QCOMPARE(message->informativeText(), rig.opened().front());
        QVERIFY(message->textInteractionFlags() & Qt::TextSelectableByMouse);
        message->accept();
    }

    // The About window's line on the last version check: none yet, then the
    // outcome of each check as it ends, in the language of the showing.
    void aboutWindowLastCheck_data() {
        QTest::addColumn<FakeResponse>("answer");
        QTest::addColumn<Language>("language");
        QTest::addColumn<QString>("pattern");
        QTest::newRow("own version")
            << FakeResponse{200, kOwnVersion + "\n", {}, {}} << Language::English
            << R"(^Last check: \d\d:\d\d, no newer version$)";
        QTest::newRow("newer version") << FakeResponse{200, "1.6.0\n", {}, {}} << Language::English
                                       << R"(^Last check: \d\d:\d\d, version 1\.6\.0 is out$)";
        QTest::newRow("error status") << FakeResponse{500, "down", {}, {}} << Language::English
                                      << "^Last check failed: the site answered with an error$";
        QTest::newRow("russian") << FakeResponse{200, kOwnVersion + "\n", {}, {}}
                                 << Language::Russian
                                 << R"(^Последняя проверка: \d\d:\d\d, новой версии нет$)";
    }
    void aboutWindowLastCheck() {
        QFETCH(FakeResponse, answer);
        QFETCH(Language, language);
        QFETCH(QString, pattern);
        Rig rig;
        rig.language = language;
        rig.online->showAboutWindow();
        QLabel* line = aboutLabel(rig.online->aboutWindow(), "lastCheckLine");
        QCOMPARE(line->text(), language == Language::English
                                   ? QStringLiteral("No version check has ended yet")
                                   : QStringLiteral("Проверка версии ещё не завершалась"));
        rig.site.route("/running.php", answer);
        QVERIFY(rig.check());
        QVERIFY2(QRegularExpression(pattern).match(line->text()).hasMatch(),
                 qPrintable(line->text()));
        QVERIFY(line->geometry().bottom() <
                aboutLabel(rig.online->aboutWindow(), "updatesLine")->y());
    }

    // Every showing puts the frame in the middle of the desktop; About while
    // the window is minimised brings it back to the front, texts unchanged.
    void aboutWindowPlacement() {
        Rig rig;
        AboutWindow* about = rig.online->aboutWindow();
        const QRect desktop = about->screen()->availableGeometry();
        const auto offCentre = [&] {
            const QRect frame = about->frameGeometry();
            return (frame.topLeft() * 2 + QPoint(frame.width(), frame.height()) -
                    desktop.topLeft() * 2 - QPoint(desktop.width(), desktop.height()))
                .manhattanLength();
        };
        for (int showing = 1; showing <= 3; ++showing) {
            rig.online->showAboutWindow();
            QVERIFY(QTest::qWaitForWindowExposed(about));
            QTRY_VERIFY2(offCentre() <= 2, qPrintable(QStringLiteral("showing %1: frame at %2,%3")
                                                          .arg(showing)
                                                          .arg(about->frameGeometry().x())
                                                          .arg(about->frameGeometry().y())));
            about->close();
        }

        rig.online->showAboutWindow();
        QVERIFY(QTest::qWaitForWindowExposed(about));
        about->showMinimized();
        QTRY_VERIFY(about->isMinimized());
        rig.language = Language::Russian;
        rig.online->showAboutWindow();
        QTRY_VERIFY(!about->isMinimized());
        QVERIFY(about->isVisible());
        QTRY_VERIFY(about->isActiveWindow());
        QCOMPARE(aboutLabel(about, "freeSoftwareLine")->text(),
                 QStringLiteral("Regardless of the fact that Korvana is free software"));
    }

    void aboutWindowKeysAndVersion_data() {
        QTest::addColumn<Language>("language");
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("closes");
        QTest::addColumn<QString>("version");
        const QString english =
            QStringLiteral("Version ") + QLatin1String(korvana::kProgramVersion);
        const QString russian = QStringLiteral("Версия ") + QLatin1String(korvana::kProgramVersion);
        QTest::newRow("English, Escape")
            << Language::English << int(Qt::Key_Escape) << true << english;
        QTest::newRow("English, Return")
            << Language::English << int(Qt::Key_Return) << true << english;
        QTest::newRow("English, keypad Enter")
            << Language::English << int(Qt::Key_Enter) << true << english;
        QTest::newRow("English, a letter")
            << Language::English << int(Qt::Key_A) << false << english;
        QTest::newRow("Russian, Escape")
            << Language::Russian << int(Qt::Key_Escape) << true << russian;
        QTest::newRow("Russian, Return")
            << Language::Russian << int(Qt::Key_Return) << true << russian;
    }

    // The version line sits inside the window clear of every other control,
    // and the keys reach the window from whatever has the focus.
    void aboutWindowKeysAndVersion() {
        QFETCH(Language, language);
        QFETCH(int, key);
        QFETCH(bool, closes);
        QFETCH(QString, version);
        Rig rig;
        rig.language = language;
        AboutWindow* about = rig.online->aboutWindow();
        rig.online->showAboutWindow();
        QVERIFY(QTest::qWaitForWindowExposed(about));
        QTRY_VERIFY(about->isActiveWindow());

        QLabel* versionLine = aboutLabel(about, "versionLine");
        QCOMPARE(versionLine->text(), version);
        QVERIFY(about->rect().contains(versionLine->geometry()));
        for (QWidget* other : about->findChildren<QWidget*>())
            if (other != versionLine)
                QVERIFY2(!other->geometry().intersects(versionLine->geometry()),
                         qPrintable(other->objectName()));

        QWidget* focused = about->focusWidget() ? about->focusWidget() : about;
        QTest::keyClick(focused, Qt::Key(key));
        QCOMPARE(about->isHidden(), closes);
    }

    // The first check waits for the window's first paint before it makes the
    // web checks (and so loads the network module); checks that cannot be
    // made leave the window without them and say why.
    // The window's showing and its language come together at start: one
    // check, and only once the window is up. Each later language choice is
    // a check of its own.
    void checksFollowShowingAndLanguage() {
        struct Checks : WebChecks {
            QList<Language>* started;
            explicit Checks(QList<Language>* s) : started(s) {}
            void start(Language language) override { started->append(language); }
            bool running() const override { return false; }
            QString bannerFailure() const override { return {}; }
            std::optional<VersionCheckOutcome> lastVersionCheck() const override { return {}; }
        };
        QList<Language> started;
        Language language = Language::Russian;
        QWidget window;
        OnlineOptions options;
        options.checkInterval = 0ms;
        options.webChecks = [&](const WebCheckSetup&, WebCheckEvents) {
            return std::make_unique<Checks>(&started);
        };
        auto* online = new OnlineServices(
            &window, [&] { return language; }, kWindowPlan.online, options);
        window.show();
        online->languageChanged();
        online->windowShown();
        QVERIFY(started.isEmpty());
        QVERIFY(online->webCheckRunning());
        QVERIFY(QTest::qWaitFor([&] { return !started.isEmpty(); }, 1000));
        QTest::qWait(20);
        QCOMPARE(started, QList<Language>{Language::Russian});
        language = Language::English;
        online->languageChanged();
        QVERIFY(QTest::qWaitFor([&] { return started.size() == 2; }, 1000));
        QCOMPARE(started.last(), Language::English);
    }

    void destroyingTheWindowDuringAHangingRequest() {
        auto rig = std::make_unique<Rig>();
        rig->site.route("/running.php", FakeResponse{200, {}, {}, FakeResponse::Kind::Hang});
        rig->site.route("/banners/1/1.gif", FakeResponse{200, {}, {}, FakeResponse::Kind::Hang});
        rig->online->startWebCheck();
        rig->online->showAboutWindow();
        QVERIFY(QTest::qWaitFor([&] { return rig->site.openConnections() == 2; }, 2000));
        FakeSite& site = rig->site;
        auto* window = new QWidget;  // the real window goes away with its children
        OnlineOptions options;
        options.webCheck = {{site.base(), "x@y"},
                            {2000ms, 60000ms},
                            systemNameResolver(),
                            rig->folder.path() + "/b"};
        options.checkInterval = 0ms;
        options.opener = rig->opener;
        QPointer<OnlineServices> online = new OnlineServices(
            window, [] { return Language::English; }, kWindowPlan.online, options);
        online->startWebCheck();
        QVERIFY(QTest::qWaitFor([&] { return site.openConnections() == 4; }, 2000));
        delete window;
        QVERIFY(online.isNull());
        QVERIFY(QTest::qWaitFor([&] { return site.openConnections() == 2; }, 2000));
        rig->window.close();
        rig.reset();  // the rig's own window and site, with requests still hanging
        QTest::qWait(100);
    }

    void closingTheWindowEndsTheProgramAtOnce_data() {
        QTest::addColumn<QString>("lookup");  // demo option for the name lookup; empty: none
        QTest::addColumn<bool>("endlessHeaders");
        QTest::newRow("server never answers") << QString() << false;
        QTest::newRow("server sends headers without end") << QString() << true;
        QTest::newRow("name lookup never answers") << "--stuck-name-lookup" << false;
        QTest::newRow("name lookup answers once, then never") << "--name-lookup-once" << false;
    }
    void closingTheWindowEndsTheProgramAtOnce() {
        QFETCH(QString, lookup);
        QFETCH(bool, endlessHeaders);
        const bool stuckLookup = !lookup.isEmpty();
        FakeSite site;
        const FakeResponse::Kind kind =
            endlessHeaders ? FakeResponse::Kind::EndlessHeaders : FakeResponse::Kind::Hang;
        site.route("/running.php", FakeResponse{200, {}, {}, kind});
        site.route("/banners/1/1.gif", FakeResponse{200, {}, {}, kind});
        QProcess demo;
        demo.setProgram(QStringLiteral(KORVANA_ONLINE_DEMO));
        QStringList arguments{"--close-after", "700"};
        if (stuckLookup)
            arguments << lookup << "--site" << site.base(QStringLiteral("korvana.test"));
        else
            arguments << "--site" << site.base();
        demo.setArguments(arguments);
        QElapsedTimer closing;
        connect(&demo, &QProcess::readyReadStandardOutput, this, [&] {
            if (demo.readAllStandardOutput().contains("closing")) closing.start();
        });
        demo.start();
        QVERIFY(demo.waitForStarted(5000));
        if (!stuckLookup && !endlessHeaders)
            QVERIFY(QTest::qWaitFor([&] { return site.openConnections() == 2; }, 5000));
        QVERIFY(QTest::qWaitFor([&] { return demo.state() == QProcess::NotRunning; }, 5000));
        QVERIFY(closing.isValid());
        QVERIFY2(closing.elapsed() < 1000, qPrintable(QString::number(closing.elapsed())));
        QCOMPARE(demo.exitStatus(), QProcess::NormalExit);
        QCOMPARE(demo.exitCode(), 0);
    }
};

KORVANA_ONLINE_TEST_MAIN(TestOnlineServices, QApplication)
#include "online_services_test.moc"
