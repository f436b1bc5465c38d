// Fault injection: one fake site, one row per way a server can misbehave.
// Every row must end in the expected outcome within the request's limits,
// without blocking the GUI thread, and leave no connection behind; stopping
// the client afterwards must be immediate.
#include <QBuffer>
#include <QElapsedTimer>
#include <QNetworkCookieJar>

#include "http_client.h"
#include "http_response_reader.h"
#include "test_main.h"

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

}  // namespace

class TestHostileSite : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void request_data() {
        QTest::addColumn<FakeResponse>("response");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<QString>("error");  // a part of the reason given

        // Well-formed answers in each framing still work.
        QTest::newRow("length") << raw("HTTP/1.1 200 OK\r\nContent-Length: 6\r\n\r\n1.6.0\n")
                                << true << QByteArray("1.6.0\n") << QString();
        QTest::newRow("chunked") << raw("HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n"
                                        "3;x=y\r\n1.6\r\n3\r\n.0\n\r\n0\r\nX-Trailer: 1\r\n\r\n")
                                 << true << QByteArray("1.6.0\n") << QString();
        QTest::newRow("until close") << raw("HTTP/1.0 200 OK\nServer: old\n\n1.6.0\n") << true
                                     << QByteArray("1.6.0\n") << QString();
        QTest::newRow("interim reply first")
            << raw("HTTP/1.1 100 Continue\r\n\r\nHTTP/1.1 200 OK\r\n"
                   "Content-Length: 2\r\n\r\nok")
            << true << QByteArray("ok") << QString();

        // Broken framing is a failed request, never a short or empty success.
        QTest::newRow("negative length")
            << raw("HTTP/1.1 200 OK\r\nContent-Length: -5\r\n\r\n1.6.0\n") << false << QByteArray()
            << "Content-Length";
        QTest::newRow("absurd length")
            << raw("HTTP/1.1 200 OK\r\nContent-Length: 99999999999999999999\r\n\r\n1.6.0\n")
            << false << QByteArray() << "Content-Length";
        QTest::newRow("length with letters")
            << raw("HTTP/1.1 200 OK\r\nContent-Length: 6x\r\n\r\n1.6.0\n") << false << QByteArray()
            << "Content-Length";
        QTest::newRow("two lengths")
            << raw("HTTP/1.1 200 OK\r\nContent-Length: 6\r\nContent-Length: 3\r\n\r\n1.6.0\n")
            << false << QByteArray() << "conflicting";
        QTest::newRow("length over the limit")
            << raw("HTTP/1.1 200 OK\r\nContent-Length: 1001\r\n\r\nx") << false << QByteArray()
            << "larger";
        QTest::newRow("body shorter than its length")
            << raw("HTTP/1.1 200 OK\r\nContent-Length: 100\r\n\r\n1.6.0\n") << false << QByteArray()
            << "closed";
        QTest::newRow("chunk size not hexadecimal")
            << raw("HTTP/1.1 200 OK\r\nTransfer-Encoding: "
                   "chunked\r\n\r\nzz\r\n1.6.0\n\r\n0\r\n\r\n")
            << false << QByteArray() << "chunk size";
        QTest::newRow("negative chunk size") << raw("HTTP/1.1 200 OK\r\nTransfer-Encoding: "
                                                    "chunked\r\n\r\n-6\r\n1.6.0\n\r\n0\r\n\r\n")
                                             << false << QByteArray() << "chunk size";
        QTest::newRow("chunk longer than its size")
            << raw("HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n2\r\n1.6.0\n\r\n0\r\n\r\n")
            << false << QByteArray() << "chunk";
        QTest::newRow("chunks cut off")
            << raw("HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n6\r\n1.6.0\n\r\n") << false
            << QByteArray() << "closed";
        QTest::newRow("chunks over the limit")
            << raw("HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n3e9\r\n" +
                   QByteArray(1001, 'x') + "\r\n0\r\n\r\n")
            << false << QByteArray() << "larger";
        QTest::newRow("unknown transfer coding")
            << raw("HTTP/1.1 200 OK\r\nTransfer-Encoding: gzip\r\n\r\nxx") << false << QByteArray()
            << "transfer coding";
        QTest::newRow("length and chunks")
            << raw("HTTP/1.1 200 OK\r\nContent-Length: 5\r\nTransfer-Encoding: "
                   "chunked\r\n\r\n0\r\n\r\n")
            << false << QByteArray() << "both";
        QTest::newRow("not a status line")
            << raw("HTTQ/1.1 200 OK\r\n\r\n1.6.0\n") << false << QByteArray() << "status";
        QTest::newRow("no head at all") << raw("1.6.0\n") << false << QByteArray() << "status";
        QTest::newRow("status without digits")
            << raw("HTTP/1.1 2xx OK\r\n\r\n") << false << QByteArray() << "status";
        QTest::newRow("header without a colon")
            << raw("HTTP/1.1 200 OK\r\nbroken\r\n\r\n1.6.0\n") << false << QByteArray() << "header";
        QTest::newRow("folded header") << raw("HTTP/1.1 200 OK\r\nX-A: 1\r\n  more\r\n\r\n")
                                       << false << QByteArray() << "header";
        QTest::newRow("closed before any answer") << raw({}) << false << QByteArray() << "closed";

        // Floods and stalls end at the size limit or the deadline.
        QTest::newRow("endless headers") << FakeResponse{200, {}, {}, Kind::EndlessHeaders} << false
                                         << QByteArray() << "head larger";
        QTest::newRow("trickling headers") << FakeResponse{200, {}, {}, Kind::TrickleHeaders}
                                           << false << QByteArray() << "deadline";
        QTest::newRow("endless body")
            << FakeResponse{200, {}, {}, Kind::Endless} << false << QByteArray() << "larger";
        QTest::newRow("silent") << FakeResponse{200, {}, {}, Kind::Hang} << false << QByteArray()
                                << "deadline";

        // Redirects only lead to plain web addresses, and not for ever.
        QTest::newRow("redirect to a file")
            << redirect("file:///etc/passwd") << false << QByteArray() << "http";
        QTest::newRow("redirect to another scheme")
            << redirect("ftp://127.0.0.1/x") << false << QByteArray() << "http";
        QTest::newRow("redirect loop") << redirect("/doc") << false << QByteArray() << "redirects";
    }
    void request() {
        QFETCH(FakeResponse, response);
        QFETCH(bool, ok);
        QFETCH(QString, error);
        FakeSite site;
        site.route("/doc", response);
        QNetworkCookieJar cookies;
        auto client =
            std::make_unique<HttpClient>(HttpClientSetup{&cookies, systemNameResolver(), kLimits});
        Heartbeat heartbeat;
        QElapsedTimer clock;
        clock.start();

        QPointer<HttpRequest> request =
            client->get({QUrl(site.base() + "/doc"), kBodyLimit, nullptr});
        bool finished = false;
        bool succeeded = false;
        QByteArray body;
        QString reason;
        connect(request, &HttpRequest::done, this, [&](const HttpResult& result) {
            finished = true;
            succeeded = result.ok;
            body = result.body;
            reason = result.error;
        });
        QVERIFY(QTest::qWaitFor([&] { return finished; }, 5000));
        const qint64 elapsed = clock.elapsed();

        QCOMPARE(succeeded, ok);
        QTEST(body, "body");
        QVERIFY2(reason.contains(error, Qt::CaseInsensitive), qPrintable(reason));
        QVERIFY2(elapsed < kLimits.deadline.count() + 500, qPrintable(QString::number(elapsed)));
        QVERIFY2(heartbeat.longestGapMs() < kResponsiveMs,
                 qPrintable(QString::number(heartbeat.longestGapMs())));

        clock.restart();
        client.reset();
        QVERIFY(clock.elapsed() < 100);
        QVERIFY(QTest::qWaitFor([&] { return site.openConnections() == 0; }, 1000));
    }

    // The same answers cut at every byte: where a read boundary falls must
    // never change the outcome.
    void bytesArrivingOneByOne_data() { request_data(); }
    void bytesArrivingOneByOne() {
        QFETCH(FakeResponse, response);
        QFETCH(bool, ok);
        if (response.kind != Kind::Raw) QSKIP("not a fixed answer");
        HttpResponseReader reader(kLimits.headBytes, kBodyLimit);
        QByteArray body;
        const auto sink = [&body](QByteArrayView data) {
            body += data;
            return true;
        };
        auto outcome = HttpResponseReader::Progress::NeedMore;
        for (qsizetype i = 0;
             i < response.body.size() && outcome == HttpResponseReader::Progress::NeedMore; ++i) {
            outcome = reader.read(response.body.sliced(i, 1), sink);
            while (outcome == HttpResponseReader::Progress::HeadDone)
                outcome = reader.status() >= 300 ? HttpResponseReader::Progress::Complete
                                                 : reader.read({}, sink);
        }
        if (outcome == HttpResponseReader::Progress::NeedMore) outcome = reader.closed(sink);
        QCOMPARE(outcome == HttpResponseReader::Progress::Complete && reader.status() < 300, ok);
        if (ok) QTEST(body, "body");
    }
};

KORVANA_ONLINE_TEST_MAIN(TestHostileSite, QCoreApplication)
#include "hostile_site_test.moc"
