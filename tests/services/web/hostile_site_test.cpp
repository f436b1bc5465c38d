// Fault injection: one fake site, one row per way a server can misbehave.
// Every row must end in the expected outcome within the request's limits,
// without blocking the GUI thread, and leave no connection behind; stopping
// the client afterwards must be immediate. Then the network around the site:
// https, redirects between the schemes, proxies, several addresses; cookie
// storms; and what a version check hands on.
#include <QBuffer>
#include <QElapsedTimer>
#include <QNetworkCookie>
#include <QTcpSocket>
#include <QTemporaryDir>

#include "cookie_jar.h"
#include "http_client.h"
#include "http_response_reader.h"
#include "korvana_version.h"
#include "test_main.h"
#include "web_check.h"

using namespace korvana::online;
using namespace korvana::online::test;
using namespace std::chrono_literals;

namespace {

using Kind = FakeResponse::Kind;

constexpr qint64 kBodyLimit = 1000;
const HttpLimits kLimits{1000ms, 1500ms, 4096};

FakeResponse raw(const QByteArray& answer) {
    return FakeResponse{200, answer, {}, Kind::Raw};
}

FakeResponse redirect(const QByteArray& location) {
    return FakeResponse{302, {}, {"Location: " + location}, {}};
}

const QByteArray kNul(1, '\0');

// The network a request meets on its way to the site.
enum class Network {
    HttpsTrusted,         // https, certificate of the trusted test authority
    HttpsSelfSigned,      // https, self-signed certificate
    HttpsOtherName,       // https, certificate for another name than the site's
    HttpToHttps,          // http redirects to https
    HttpsToHttp,          // https redirects to http
    HttpProxy,            // http through a forwarding proxy
    HttpsProxy,           // https through a proxy's tunnel
    ProxyRefuses,         // the proxy refuses the tunnel
    ProxyAbsent,          // nothing listens where the proxy should be
    ProxyUnusable,        // the proxy variable names no proxy that can be used
    FirstAddressRefuses,  // the site's first address refuses, the second answers
    FirstAddressSilent,   // the site's first address never answers, the second does
};

struct Finished {
    bool done = false;
    HttpResult result;
};

Finished fetch(HttpClient& client, const QUrl& url) {
    Finished finished;
    HttpRequest* request = client.get({url, kBodyLimit, nullptr});
    QObject::connect(request, &HttpRequest::done, request, [&](const HttpResult& result) {
        finished = {true, result};
    });
    (void)QTest::qWaitFor([&] { return finished.done; }, 5000);
    return finished;
}

}  // namespace

Q_DECLARE_METATYPE(Network)

class TestHostileSite : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void request_data() {
        QTest::addColumn<FakeResponse>("response");
        QTest::addColumn<ErrorKind>("kind");
        QTest::addColumn<QByteArray>("body");

        // Well-formed answers in each framing still work.
        QTest::newRow("length") << raw("HTTP/1.1 200 OK\r\nContent-Length: 6\r\n\r\n1.6.0\n")
                                << ErrorKind::None << QByteArray("1.6.0\n");
        QTest::newRow("chunked") << raw("HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n"
                                        "3;x=y\r\n1.6\r\n3\r\n.0\n\r\n0\r\nX-Trailer: 1\r\n\r\n")
                                 << ErrorKind::None << QByteArray("1.6.0\n");
        QTest::newRow("until close") << raw("HTTP/1.0 200 OK\nServer: old\n\n1.6.0\n")
                                     << ErrorKind::None << QByteArray("1.6.0\n");
        QTest::newRow("interim reply first")
            << raw("HTTP/1.1 100 Continue\r\n\r\nHTTP/1.1 200 OK\r\n"
                   "Content-Length: 2\r\n\r\nok")
            << ErrorKind::None << QByteArray("ok");

        // Broken framing is a failed request, never a short or empty success.
        QTest::newRow("negative length")
            << raw("HTTP/1.1 200 OK\r\nContent-Length: -5\r\n\r\n1.6.0\n") << ErrorKind::BadResponse
            << QByteArray();
        QTest::newRow("absurd length")
            << raw("HTTP/1.1 200 OK\r\nContent-Length: 99999999999999999999\r\n\r\n1.6.0\n")
            << ErrorKind::BadResponse << QByteArray();
        QTest::newRow("length with letters")
            << raw("HTTP/1.1 200 OK\r\nContent-Length: 6x\r\n\r\n1.6.0\n") << ErrorKind::BadResponse
            << QByteArray();
        QTest::newRow("two lengths")
            << raw("HTTP/1.1 200 OK\r\nContent-Length: 6\r\nContent-Length: 3\r\n\r\n1.6.0\n")
            << ErrorKind::BadResponse << QByteArray();
        QTest::newRow("length over the limit")
            << raw("HTTP/1.1 200 OK\r\nContent-Length: 1001\r\n\r\nx") << ErrorKind::TooLarge
            << QByteArray();
        QTest::newRow("body shorter than its length")
            << raw("HTTP/1.1 200 OK\r\nContent-Length: 100\r\n\r\n1.6.0\n")
            << ErrorKind::BadResponse << QByteArray();
        QTest::newRow("body until close cut by a reset")
            << FakeResponse{200, "HTTP/1.0 200 OK\r\n\r\n1.6", {}, Kind::RawThenReset}
            << ErrorKind::Connect << QByteArray();
        QTest::newRow("chunk size not hexadecimal")
            << raw("HTTP/1.1 200 OK\r\nTransfer-Encoding: "
                   "chunked\r\n\r\nzz\r\n1.6.0\n\r\n0\r\n\r\n")
            << ErrorKind::BadResponse << QByteArray();
        QTest::newRow("negative chunk size") << raw("HTTP/1.1 200 OK\r\nTransfer-Encoding: "
                                                    "chunked\r\n\r\n-6\r\n1.6.0\n\r\n0\r\n\r\n")
                                             << ErrorKind::BadResponse << QByteArray();
        QTest::newRow("10 KB chunk-size line")
            << raw("HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n6;" +
                   QByteArray(10 * 1024, 'x') + "\r\n1.6.0\n\r\n0\r\n\r\n")
            << ErrorKind::BadResponse << QByteArray();
        QTest::newRow("chunked in an HTTP/1.0 reply")
            << raw("HTTP/1.0 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n6\r\n1.6.0\n\r\n0\r\n\r\n")
            << ErrorKind::BadResponse << QByteArray();
        QTest::newRow("chunk longer than its size")
            << raw("HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n2\r\n1.6.0\n\r\n0\r\n\r\n")
            << ErrorKind::BadResponse << QByteArray();
        QTest::newRow("chunks cut off")
            << raw("HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n6\r\n1.6.0\n\r\n")
            << ErrorKind::BadResponse << QByteArray();
        QTest::newRow("chunks over the limit")
            << raw("HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n3e9\r\n" +
                   QByteArray(1001, 'x') + "\r\n0\r\n\r\n")
            << ErrorKind::TooLarge << QByteArray();
        QTest::newRow("unknown transfer coding")
            << raw("HTTP/1.1 200 OK\r\nTransfer-Encoding: gzip\r\n\r\nxx") << ErrorKind::BadResponse
            << QByteArray();
        QTest::newRow("length and chunks")
            << raw("HTTP/1.1 200 OK\r\nContent-Length: 5\r\nTransfer-Encoding: "
                   "chunked\r\n\r\n0\r\n\r\n")
            << ErrorKind::BadResponse << QByteArray();
        QTest::newRow("not a status line")
            << raw("HTTQ/1.1 200 OK\r\n\r\n1.6.0\n") << ErrorKind::BadResponse << QByteArray();
        QTest::newRow("no head at all") << raw("1.6.0\n") << ErrorKind::BadResponse << QByteArray();
        QTest::newRow("status without digits")
            << raw("HTTP/1.1 2xx OK\r\n\r\n") << ErrorKind::BadResponse << QByteArray();
        QTest::newRow("header without a colon") << raw("HTTP/1.1 200 OK\r\nbroken\r\n\r\n1.6.0\n")
                                                << ErrorKind::BadResponse << QByteArray();
        QTest::newRow("folded header") << raw("HTTP/1.1 200 OK\r\nX-A: 1\r\n  more\r\n\r\n")
                                       << ErrorKind::BadResponse << QByteArray();
        QTest::newRow("closed before any answer")
            << raw({}) << ErrorKind::BadResponse << QByteArray();

        // Floods and stalls end at the size limit or the deadline.
        QTest::newRow("endless headers") << FakeResponse{200, {}, {}, Kind::EndlessHeaders}
                                         << ErrorKind::TooLarge << QByteArray();
        QTest::newRow("trickling headers") << FakeResponse{200, {}, {}, Kind::TrickleHeaders}
                                           << ErrorKind::Timeout << QByteArray();
        QTest::newRow("endless body")
            << FakeResponse{200, {}, {}, Kind::Endless} << ErrorKind::TooLarge << QByteArray();
        QTest::newRow("silent") << FakeResponse{200, {}, {}, Kind::Hang} << ErrorKind::Timeout
                                << QByteArray();

        // Redirects only lead to web addresses that parse, and not for ever.
        QTest::newRow("redirect to a file")
            << redirect("file:///etc/passwd") << ErrorKind::RedirectRefused << QByteArray();
        QTest::newRow("redirect to another scheme")
            << redirect("ftp://127.0.0.1/x") << ErrorKind::RedirectRefused << QByteArray();
        QTest::newRow("redirect loop")
            << redirect("/doc") << ErrorKind::RedirectRefused << QByteArray();
        QTest::newRow("redirect to port 99999")
            << redirect("http://127.0.0.1:99999/next") << ErrorKind::BadResponse << QByteArray();

        // A cookie that would break the next request's head is not kept.
        QTest::newRow("cookie with a NUL")
            << FakeResponse{302, {}, {"Set-Cookie: id=a" + kNul + "b", "Location: /next"}, {}}
            << ErrorKind::None << QByteArray("next");
    }
    void request() {
        QFETCH(FakeResponse, response);
        QFETCH(ErrorKind, kind);
        FakeSite site;
        site.route("/doc", response);
        site.route("/next", "next");
        BoundedCookieJar cookies;
        auto client =
            std::make_unique<HttpClient>(HttpClientSetup{&cookies, systemNameResolver(), kLimits});
        Heartbeat heartbeat;
        QElapsedTimer clock;
        clock.start();

        const Finished finished = fetch(*client, QUrl(site.base() + "/doc"));
        const qint64 elapsed = clock.elapsed();
        QVERIFY(finished.done);
        QCOMPARE(finished.result.errorKind, kind);
        QCOMPARE(finished.result.ok, kind == ErrorKind::None);
        QTEST(finished.result.body, "body");
        QVERIFY2(elapsed < kLimits.deadline.count() + 500, qPrintable(QString::number(elapsed)));
        QVERIFY2(heartbeat.longestGapMs() < kResponsiveMs,
                 qPrintable(QString::number(heartbeat.longestGapMs())));

        clock.restart();
        client.reset();
        QVERIFY(clock.elapsed() < 100);
        QVERIFY(QTest::qWaitFor([&] { return site.openConnections() == 0; }, 1000));
    }

    // The reader alone on the same answers, fed byte by byte and in one
    // piece: where a read boundary falls must never change the outcome.
    void reader_data() { request_data(); }
    void reader() {
        QFETCH(FakeResponse, response);
        QFETCH(ErrorKind, kind);
        if (response.kind != Kind::Raw) QSKIP("not a fixed answer");
        for (const qsizetype piece : {qsizetype(1), response.body.size()}) {
            HttpResponseReader reader(kLimits.headBytes, kBodyLimit);
            QByteArray body;
            const auto sink = [&body](QByteArrayView data) {
                body += data;
                return true;
            };
            auto outcome = HttpResponseReader::Progress::NeedMore;
            for (qsizetype i = 0;
                 i < response.body.size() && outcome == HttpResponseReader::Progress::NeedMore;
                 i += piece) {
                outcome = reader.read(
                    response.body.sliced(i, std::min(piece, response.body.size() - i)), sink);
                while (outcome == HttpResponseReader::Progress::HeadDone)
                    outcome = reader.read({}, sink);
            }
            if (outcome == HttpResponseReader::Progress::NeedMore) outcome = reader.closed(sink);
            const ErrorKind found = outcome == HttpResponseReader::Progress::Failed
                                        ? reader.errorKind()
                                        : ErrorKind::None;
            QCOMPARE(found, kind);
            QCOMPARE(outcome == HttpResponseReader::Progress::Failed, kind != ErrorKind::None);
            if (kind == ErrorKind::None) QTEST(body, "body");
        }
    }

    void network_data() {
        QTest::addColumn<Network>("network");
        QTest::addColumn<ErrorKind>("kind");
        QTest::newRow("https, trusted certificate") << Network::HttpsTrusted << ErrorKind::None;
        QTest::newRow("https, self-signed certificate")
            << Network::HttpsSelfSigned << ErrorKind::Tls;
        QTest::newRow("https, certificate of another name")
            << Network::HttpsOtherName << ErrorKind::Tls;
        QTest::newRow("redirect from http to https") << Network::HttpToHttps << ErrorKind::None;
        QTest::newRow("redirect from https to http")
            << Network::HttpsToHttp << ErrorKind::RedirectRefused;
        QTest::newRow("http through a proxy") << Network::HttpProxy << ErrorKind::None;
        QTest::newRow("https through a proxy") << Network::HttpsProxy << ErrorKind::None;
        QTest::newRow("proxy refuses") << Network::ProxyRefuses << ErrorKind::Proxy;
        QTest::newRow("proxy not there") << Network::ProxyAbsent << ErrorKind::Proxy;
        QTest::newRow("proxy not usable") << Network::ProxyUnusable << ErrorKind::Proxy;
        QTest::newRow("first address refuses") << Network::FirstAddressRefuses << ErrorKind::None;
        QTest::newRow("first address silent") << Network::FirstAddressSilent << ErrorKind::None;
    }
    void network() {
        QFETCH(Network, network);
        QFETCH(ErrorKind, kind);
        FakeSite http;
        FakeSite https(FakeSite::Security::Https);
        FakeSite selfSigned(FakeSite::Security::HttpsSelfSigned);
        for (FakeSite* site : {&http, &https, &selfSigned}) site->route("/doc", "1.6.0\n");
        https.route("/to-http", redirect(http.base().toLatin1() + "/doc"));
        http.route("/to-https",
                   redirect(https.base(QStringLiteral("localhost")).toLatin1() + "/doc"));
        FakeProxy proxy(network == Network::ProxyRefuses ? FakeProxy::Mode::Refuse
                                                         : FakeProxy::Mode::Serve);
        QTcpServer silent;  // takes no connection: its backlog is full
        QTcpSocket filler;

        QUrl url(https.base(QStringLiteral("localhost")) + "/doc");
        QList<QByteArray> addresses{"127.0.0.1"};
        QByteArray proxyVariable;
        switch (network) {
            case Network::HttpsTrusted: break;
            case Network::HttpsSelfSigned:
                url = QUrl(selfSigned.base(QStringLiteral("localhost")) + "/doc");
                break;
            case Network::HttpsOtherName:
                url = QUrl(https.base(QStringLiteral("www.korvana.example")) + "/doc");
                break;
            case Network::HttpToHttps: url = QUrl(http.base() + "/to-https"); break;
            case Network::HttpsToHttp:
                url = QUrl(https.base(QStringLiteral("localhost")) + "/to-http");
                break;
            case Network::HttpProxy: url = QUrl(http.base() + "/doc"); [[fallthrough]];
            case Network::HttpsProxy:
            case Network::ProxyRefuses: proxyVariable = proxy.address(); break;
            case Network::ProxyAbsent: {
                QTcpServer closed;
                QVERIFY(closed.listen(QHostAddress::LocalHost));
                proxyVariable = "http://127.0.0.1:" + QByteArray::number(closed.serverPort());
                break;
            }
            case Network::ProxyUnusable: proxyVariable = "socks4://127.0.0.1:3128"; break;
            case Network::FirstAddressRefuses: addresses.prepend("127.0.0.2"); break;
            case Network::FirstAddressSilent:
                silent.setListenBacklogSize(0);
                QVERIFY(silent.listen(QHostAddress("127.0.0.2"), https.port()));
                silent.pauseAccepting();
                filler.connectToHost(QHostAddress("127.0.0.2"), https.port());
                QVERIFY(filler.waitForConnected(1000));
                addresses.prepend("127.0.0.2");
                break;
        }
        const ScopedVariable httpProxy("http_proxy", proxyVariable);
        const ScopedVariable httpsProxy("https_proxy", proxyVariable);

        BoundedCookieJar cookies;
        HttpClient client(
            {&cookies, resolveTo(addresses), kLimits, systemProxyFinder(), testAuthority()});
        Heartbeat heartbeat;
        const Finished finished = fetch(client, url);
        QVERIFY(finished.done);
        QVERIFY2(finished.result.errorKind == kind, qPrintable(finished.result.error));
        if (kind == ErrorKind::None) QCOMPARE(finished.result.body, QByteArray("1.6.0\n"));
        QVERIFY(heartbeat.longestGapMs() < kResponsiveMs);

        // The site's name travels with the request, whatever address it went to.
        for (const FakeRequest& request : https.requests())
            QCOMPARE(request.headers.value("host"),
                     "localhost:" + QByteArray::number(https.port()));
        QVERIFY(http.requests().empty() || network == Network::HttpToHttps ||
                network == Network::HttpProxy);
        const bool proxied = !proxyVariable.isEmpty() && network != Network::ProxyAbsent &&
                             network != Network::ProxyUnusable;
        QCOMPARE(proxy.requestLines().isEmpty(), !proxied);
        // Not past the proxy the player set, straight to the site.
        if (network == Network::ProxyUnusable) QVERIFY(https.requests().empty());
    }

    void cookieStorm_data() {
        QTest::addColumn<int>("hosts");
        QTest::addColumn<int>("cookiesPerHost");
        QTest::addColumn<QByteArray>("cookie");  // set instead of numbered ones
        QTest::addColumn<int>("keptOfFirstHost");
        QTest::addColumn<int>("keptInAll");
        QTest::newRow("ordinary cookie") << 1 << 1 << QByteArray("id=1") << 1 << 1;
        QTest::newRow("60 from one host") << 1 << 60 << QByteArray() << 50 << 50;
        QTest::newRow("50 from each of 7 hosts") << 7 << 50 << QByteArray() << 0 << 300;
        QTest::newRow("NUL in a value") << 1 << 1 << "id=a" + kNul + "b" << 0 << 0;
        QTest::newRow("control character in a name") << 1 << 1
                                                     << QByteArray(
                                                            "i\x01"
                                                            "d=1")
                                                     << 0 << 0;
    }
    void cookieStorm() {
        QFETCH(int, hosts);
        QFETCH(int, cookiesPerHost);
        QFETCH(QByteArray, cookie);
        BoundedCookieJar jar;
        const auto hostUrl = [](int host) {
            return QUrl(QStringLiteral("http://h%1.korvana.example/").arg(host));
        };
        for (int host = 0; host < hosts; ++host)
            for (int n = 0; n < cookiesPerHost; ++n)
                jar.setCookiesFromUrl(
                    QNetworkCookie::parseCookies(
                        cookie.isEmpty() ? "c" + QByteArray::number(n) + "=v" : cookie),
                    hostUrl(host));
        QList<QByteArray> firstHost;
        for (const QNetworkCookie& kept : jar.cookiesForUrl(hostUrl(0)))
            firstHost.append(kept.name());
        qsizetype inAll = 0;
        for (int host = 0; host < hosts; ++host) inAll += jar.cookiesForUrl(hostUrl(host)).size();
        QTEST(int(firstHost.size()), "keptOfFirstHost");
        QTEST(int(inAll), "keptInAll");
        // The oldest go first.
        if (cookiesPerHost > BoundedCookieJar::kPerHost) {
            QVERIFY(!firstHost.contains("c0"));
            QVERIFY(firstHost.contains("c" + QByteArray::number(cookiesPerHost - 1)));
        }
    }

    // What a version check hands on, and what the About window reads.
    void versionCheck_data() {
        QTest::addColumn<FakeResponse>("answer");
        QTest::addColumn<ErrorKind>("kind");
        QTest::addColumn<QByteArray>("found");  // handed on as the site's version
        const QByteArray own(korvana::kProgramVersion);
        QTest::newRow("own version")
            << FakeResponse{200, own + "\n", {}, {}} << ErrorKind::None << own;
        QTest::newRow("another version")
            << FakeResponse{200, "9.9.9\n", {}, {}} << ErrorKind::None << QByteArray("9.9.9");
        QTest::newRow("empty answer")
            << FakeResponse{200, {}, {}, {}} << ErrorKind::NotAVersion << QByteArray();
        QTest::newRow("no content")
            << FakeResponse{204, {}, {}, {}} << ErrorKind::NotAVersion << QByteArray();
        QTest::newRow("blanks and line ends")
            << FakeResponse{200, " \t\r\n \n", {}, {}} << ErrorKind::NotAVersion << QByteArray();
        QTest::newRow("not found")
            << FakeResponse{404, "gone", {}, {}} << ErrorKind::HttpStatus << QByteArray();
    }
    void versionCheck() {
        QFETCH(FakeResponse, answer);
        QFETCH(ErrorKind, kind);
        QFETCH(QByteArray, found);
        FakeSite site;
        site.route("/running.php", answer);
        site.routeBanners(1, readDataFile(QStringLiteral("one_frame.gif")), "http://ads.test/");
        QTemporaryDir banners;
        const QDateTime now(QDate(2030, 5, 6), QTime(14, 5));
        WebCheckSetup setup;
        setup.site.base = site.base();
        setup.limits = kLimits;
        setup.bannerFolder = banners.path();
        setup.clock = [now] { return now; };
        QList<QByteArray> handedOn;
        QList<VersionCheckOutcome> outcomes;
        WebCheckEvents events;
        events.versionFound = [&](const QByteArray& version) { handedOn.append(version); };
        events.versionChecked = [&](const VersionCheckOutcome& outcome) {
            outcomes.append(outcome);
        };
        QTest::failOnWarning(QRegularExpression("failed"));
        if (kind != ErrorKind::None)
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression("version check failed"));
        WebCheck check(setup, events);
        QVERIFY(!check.lastVersionCheck());
        check.start(korvana::Language::English);
        QVERIFY(QTest::qWaitFor([&] { return !check.running(); }, 5000));

        QCOMPARE(handedOn, found.isEmpty() ? QList<QByteArray>() : QList<QByteArray>{found});
        QCOMPARE(outcomes.size(), 1);
        const auto last = check.lastVersionCheck();
        QVERIFY(last);
        QCOMPARE(last->when, now);
        QCOMPARE(last->failure, kind);
        QCOMPARE(last->version, found);
        QCOMPARE(namesAnotherVersion(*last), found == "9.9.9");
    }

    // A site out of reach is reported once an hour per kind, not at every check.
    void failuresAreLoggedOncePerKindAnHour() {
        FakeSite site;
        const QString base = site.base();
        site.stop();
        QTemporaryDir banners;
        QDateTime now(QDate(2030, 5, 6), QTime(14, 5));
        WebCheckSetup setup;
        setup.site.base = base;
        setup.limits = kLimits;
        setup.bannerFolder = banners.path();
        setup.clock = [&now] { return now; };
        WebCheck check(setup, {});
        QTest::failOnWarning(QRegularExpression("failed"));
        for (const int minutes : {0, 20, 59, 61, 70}) {
            now = QDateTime(QDate(2030, 5, 6), QTime(14, 5)).addSecs(minutes * 60);
            if (minutes == 0 || minutes == 61)
                QTest::ignoreMessage(QtWarningMsg, QRegularExpression("failed \\(connect\\)"));
            check.start(korvana::Language::English);
            QVERIFY(QTest::qWaitFor([&] { return !check.running(); }, 5000));
        }
    }
};

KORVANA_ONLINE_TEST_MAIN(TestHostileSite, QCoreApplication)
#include "hostile_site_test.moc"
