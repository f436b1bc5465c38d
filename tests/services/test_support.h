#pragma once
// Shared pieces of the online tests: an isolated environment, a fake web site
// on the loopback interface (http or https) and a proxy in front of it, test
// certificates and name lookups, a heartbeat that measures how long the GUI
// thread was blocked, and an opener that records instead of opening.
#include <QByteArray>
#include <QElapsedTimer>
#include <QList>
#include <QMap>
#include <QObject>
#include <QPointer>
#include <QSslCertificate>
#include <QString>
#include <QTcpServer>
#include <QTimer>
#include <QUrl>

#include <functional>
#include <memory>
#include <vector>

#include "engine/text/language.h"
#include "services/error_kind.h"
#include "services/name_lookup.h"
#include "services/url_opener.h"

class QTcpSocket;
class QTemporaryDir;

namespace korvana::online::test {

// Points TMPDIR, XDG_RUNTIME_DIR, XDG_CACHE_HOME, XDG_CONFIG_HOME and HOME at a
// fresh folder under the build tree, selects the offscreen platform, and
// clears the proxy settings of the environment and the desktop. Call before
// the application object is created; keep the result alive.
std::unique_ptr<QTemporaryDir> isolateEnvironment();

// Sets an environment variable (empty value: removes it) for its lifetime.
class ScopedVariable {
public:
    ScopedVariable(const QByteArray& name, const QByteArray& value);
    ~ScopedVariable();
    ScopedVariable(const ScopedVariable&) = delete;
    ScopedVariable& operator=(const ScopedVariable&) = delete;

private:
    QByteArray name_;
    QByteArray old_;
    bool wasSet_;
};

// Full path of a file in tests/services/data.
QString dataFile(const QString& name);
QByteArray readDataFile(const QString& name);

// The authority that signed the test site's certificate.
QList<QSslCertificate> testAuthority();

// Every name resolves to these addresses, in this order.
NameResolver resolveTo(const QList<QByteArray>& addresses);

struct FakeResponse {
    enum class Kind {
        Normal,             // status, headers, Content-Length and body; then the connection closes
        Hang,               // reads the request and never answers
        Endless,            // a head, then body bytes without end
        EndlessHeaders,     // a status line, then header lines without end, as fast as they go
        TrickleHeaders,     // a status line, then one header line every 50 ms without end
        Raw,                // body is the whole answer, sent as it is; then the connection closes
        KeepAliveThenDrop,  // a normal answer on a kept-alive connection; a further request
                            // on it is counted and dropped unanswered, as by an idle timeout
        RawThenReset,       // body is the whole answer, sent as it is; then the connection is reset
    };
    int status = 200;
    QByteArray body;
    QList<QByteArray> headers;  // extra "Name: value" lines
    Kind kind = Kind::Normal;
    int delayMs = 0;  // before the answer is sent
};

struct FakeRequest {
    QByteArray method;
    QByteArray target;                     // path and query as sent
    QMap<QByteArray, QByteArray> headers;  // names in lower case
};

// A tiny HTTP/1.1 server on 127.0.0.1 with a free port, answering each path
// in the mode its route asks for. Unknown paths answer 404. Over https it
// shows a certificate for localhost and 127.0.0.1, signed by testAuthority()
// or self-signed.
class FakeSite : public QObject {
    Q_OBJECT
public:
    enum class Security { Http, Https, HttpsSelfSigned };
    explicit FakeSite(Security security = Security::Http);
    ~FakeSite() override;

    // "http://127.0.0.1:port", or https, or another host name at the same port.
    QString base(const QString& host = QStringLiteral("127.0.0.1")) const;
    quint16 port() const { return server_->serverPort(); }
    void route(const QByteArray& target, FakeResponse response);
    void route(const QByteArray& target, const QByteArray& body) {
        route(target, FakeResponse{200, body, {}, {}});
    }
    // Serves the same picture and a link text for banners 1..4 in the site's
    // banner folder 1 (English) or 2 (Russian).
    void routeBanners(int folder, const QByteArray& picture, const QByteArray& linkPrefix);
    void clearRequests() { requests_.clear(); }
    const std::vector<FakeRequest>& requests() const { return requests_; }
    QList<QByteArray> requestedTargets() const;
    int openConnections() const;
    // Stops listening and drops every connection.
    void stop();

private:
    void onNewConnection();
    void onReadyRead(QTcpSocket* socket);
    void answer(QTcpSocket* socket, const FakeRequest& request);
    // Calls produce() every intervalMs and writes what it returns while the
    // client keeps reading, up to a bound, so that a broken client cannot
    // keep a test busy for ever.
    void pump(QTcpSocket* socket, int intervalMs, std::function<QByteArray()> produce);

    std::unique_ptr<QTcpServer> server_;
    Security security_;
    QMap<QByteArray, FakeResponse> routes_;
    std::vector<FakeRequest> requests_;
    QList<QPointer<QTcpSocket>> sockets_;
};

// A tiny HTTP proxy on 127.0.0.1: forwards requests that carry a full http
// address and opens CONNECT tunnels, always to 127.0.0.1 at the port asked
// for; or refuses every request with 403.
class FakeProxy : public QObject {
public:
    enum class Mode { Serve, Refuse };
    explicit FakeProxy(Mode mode = Mode::Serve);

    QByteArray address() const;  // "http://127.0.0.1:port"
    // The request lines received ("CONNECT localhost:443 HTTP/1.1", ...).
    const QList<QByteArray>& requestLines() const { return requestLines_; }

private:
    void onNewConnection();
    void onClientData(QTcpSocket* client);

    QTcpServer server_;
    Mode mode_;
    QList<QByteArray> requestLines_;
};

// Ticks every 10 ms on the GUI thread and remembers the longest gap between
// two ticks: a blocked event loop shows as a long gap.
class Heartbeat : public QObject {
public:
    Heartbeat();
    qint64 longestGapMs() const { return longest_; }

private:
    QTimer timer_;
    QElapsedTimer clock_;
    qint64 last_ = 0;
    qint64 longest_ = 0;
};

// The longest gap the GUI may show while requests run.
inline constexpr qint64 kResponsiveMs = 250;

class RecordingOpener final : public UrlOpener {
public:
    struct Opened {
        QUrl target;
        QWidget* owner;
    };
    bool open(const QUrl& target, QWidget* owner) override {
        opened.push_back({target, owner});
        return opens;
    }
    std::vector<Opened> opened;
    bool opens = true;  // false: as a desktop with no browser
};

}  // namespace korvana::online::test

namespace korvana::online {
// Names instead of numbers in QCOMPARE's messages.
inline char* toString(ErrorKind kind) {
    return qstrdup(errorKindName(kind));
}
}  // namespace korvana::online

Q_DECLARE_METATYPE(korvana::online::test::FakeResponse)
Q_DECLARE_METATYPE(korvana::online::ErrorKind)
Q_DECLARE_METATYPE(korvana::Language)
