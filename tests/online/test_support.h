#pragma once
// Shared pieces of the online tests: an isolated environment, a fake web site
// on the loopback interface, a heartbeat that measures how long the GUI thread
// was blocked, and an opener that records instead of opening.
#include <QByteArray>
#include <QElapsedTimer>
#include <QList>
#include <QMap>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTcpServer>
#include <QTimer>
#include <QUrl>

#include <functional>
#include <memory>
#include <vector>

#include "language.h"
#include "url_opener.h"

class QTcpSocket;
class QTemporaryDir;

namespace korvana::online::test {

// Points TMPDIR, XDG_RUNTIME_DIR, XDG_CACHE_HOME, XDG_CONFIG_HOME and HOME at a
// fresh folder under the build tree, and selects the offscreen platform. Call
// before the application object is created; keep the result alive.
std::unique_ptr<QTemporaryDir> isolateEnvironment();

// Full path of a file in tests/online/data.
QString dataFile(const QString& name);
QByteArray readDataFile(const QString& name);

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
// in the mode its route asks for. Unknown paths answer 404.
class FakeSite : public QObject {
    Q_OBJECT
public:
    FakeSite();
    ~FakeSite() override;

    QString base() const;  // "http://127.0.0.1:port"
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

    QTcpServer server_;
    QMap<QByteArray, FakeResponse> routes_;
    std::vector<FakeRequest> requests_;
    QList<QPointer<QTcpSocket>> sockets_;
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
    void open(const QUrl& target, QWidget* owner) override { opened.push_back({target, owner}); }
    std::vector<Opened> opened;
};

}  // namespace korvana::online::test

Q_DECLARE_METATYPE(korvana::online::test::FakeResponse)
Q_DECLARE_METATYPE(korvana::Language)
