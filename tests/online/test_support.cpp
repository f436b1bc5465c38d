#include "test_support.h"

#include <QDir>
#include <QFile>
#include <QTcpSocket>
#include <QTemporaryDir>

namespace korvana::online::test {

std::unique_ptr<QTemporaryDir> isolateEnvironment() {
    QDir().mkpath(QStringLiteral(KORVANA_ONLINE_TEST_TMP));
    auto root =
        std::make_unique<QTemporaryDir>(QStringLiteral(KORVANA_ONLINE_TEST_TMP "/env-XXXXXX"));
    Q_ASSERT(root->isValid());
    const QDir dir(root->path());
    for (const char* name : {"tmp", "runtime", "cache", "config", "home"})
        dir.mkpath(QString::fromLatin1(name));
    QFile::setPermissions(dir.filePath(QStringLiteral("runtime")),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("TMPDIR", QFile::encodeName(dir.filePath(QStringLiteral("tmp"))));
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(dir.filePath(QStringLiteral("runtime"))));
    qputenv("XDG_CACHE_HOME", QFile::encodeName(dir.filePath(QStringLiteral("cache"))));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(dir.filePath(QStringLiteral("config"))));
    qputenv("HOME", QFile::encodeName(dir.filePath(QStringLiteral("home"))));
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qunsetenv("http_proxy");
    qunsetenv("HTTP_PROXY");
    return root;
}

QString dataFile(const QString& name) {
    return QStringLiteral(KORVANA_ONLINE_TEST_DATA "/") + name;
}

QByteArray readDataFile(const QString& name) {
    QFile file(dataFile(name));
    if (!file.open(QIODevice::ReadOnly)) qFatal("missing test data %s", qPrintable(name));
    return file.readAll();
}

FakeSite::FakeSite() {
    connect(&server_, &QTcpServer::newConnection, this, &FakeSite::onNewConnection);
    if (!server_.listen(QHostAddress::LocalHost, 0))
        qFatal("fake site cannot listen: %s", qPrintable(server_.errorString()));
}

FakeSite::~FakeSite() {
    stop();
}

QString FakeSite::base() const {
    return QStringLiteral("http://127.0.0.1:%1").arg(server_.serverPort());
}

void FakeSite::route(const QByteArray& target, FakeResponse response) {
    routes_.insert(target, std::move(response));
}

void FakeSite::routeBanners(int folder, const QByteArray& picture, const QByteArray& linkPrefix) {
    for (int n = 1; n <= 4; ++n) {
        const QByteArray stem =
            "/banners/" + QByteArray::number(folder) + "/" + QByteArray::number(n);
        route(stem + ".gif", picture);
        route(stem + ".txt", linkPrefix + QByteArray::number(n) + "\n");
    }
}

QList<QByteArray> FakeSite::requestedTargets() const {
    QList<QByteArray> targets;
    for (const FakeRequest& request : requests_) targets.append(request.target);
    return targets;
}

int FakeSite::openConnections() const {
    int open = 0;
    for (const auto& socket : sockets_)
        open += socket && socket->state() == QAbstractSocket::ConnectedState;
    return open;
}

void FakeSite::stop() {
    server_.close();
    for (const auto& socket : sockets_)
        if (socket) socket->abort();
    sockets_.clear();
}

void FakeSite::onNewConnection() {
    while (QTcpSocket* socket = server_.nextPendingConnection()) {
        sockets_.append(socket);
        socket->setParent(this);
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] { onReadyRead(socket); });
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
    }
}

void FakeSite::onReadyRead(QTcpSocket* socket) {
    QByteArray buffer = socket->property("buffer").toByteArray() + socket->readAll();
    const qsizetype end = buffer.indexOf("\r\n\r\n");
    if (end < 0) {
        socket->setProperty("buffer", buffer);
        return;
    }
    socket->setProperty("buffer", buffer.mid(end + 4));
    const QList<QByteArray> lines = buffer.left(end).split('\n');
    FakeRequest request;
    const QList<QByteArray> requestLine = lines.value(0).trimmed().split(' ');
    request.method = requestLine.value(0);
    request.target = requestLine.value(1);
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const qsizetype colon = lines[i].indexOf(':');
        if (colon > 0)
            request.headers.insert(lines[i].left(colon).trimmed().toLower(),
                                   lines[i].mid(colon + 1).trimmed());
    }
    requests_.push_back(request);
    if (socket->property("dropNext").toBool()) {
        socket->abort();
        return;
    }
    const int delay = routes_.value(request.target).delayMs;
    if (delay > 0)
        QTimer::singleShot(delay, socket, [this, socket, request] { answer(socket, request); });
    else
        answer(socket, request);
}

void FakeSite::answer(QTcpSocket* socket, const FakeRequest& request) {
    using Kind = FakeResponse::Kind;
    const FakeResponse response =
        routes_.value(request.target, FakeResponse{404, "not found", {}, {}});
    switch (response.kind) {
        case Kind::Hang: return;  // keeps the connection open and never answers
        case Kind::Raw:
            socket->write(response.body);
            socket->disconnectFromHost();
            return;
        case Kind::EndlessHeaders:
        case Kind::TrickleHeaders: {
            socket->write("HTTP/1.1 " + QByteArray::number(response.status) + " OK\r\n");
            auto line = std::make_shared<int>(0);
            const bool fast = response.kind == Kind::EndlessHeaders;
            pump(socket, fast ? 1 : 50, [line, fast] {
                QByteArray lines;
                for (int i = 0; i < (fast ? 1000 : 1); ++i)
                    lines += "X-Line-" + QByteArray::number((*line)++) + ": " +
                             QByteArray(40, 'h') + "\r\n";
                return lines;
            });
            return;
        }
        case Kind::Normal:
        case Kind::Endless:
        case Kind::KeepAliveThenDrop: break;
    }

    QByteArray head = "HTTP/1.1 " + QByteArray::number(response.status) + " X\r\n";
    for (const QByteArray& header : response.headers) head += header + "\r\n";
    if (response.kind == Kind::KeepAliveThenDrop) {
        head += "Content-Length: " + QByteArray::number(response.body.size()) + "\r\n\r\n";
        socket->write(head + response.body);
        socket->setProperty("dropNext", true);
        return;
    }
    head += "Connection: close\r\n";
    if (response.kind == Kind::Normal) {
        head += "Content-Length: " + QByteArray::number(response.body.size()) + "\r\n\r\n";
        socket->write(head + response.body);
        socket->disconnectFromHost();
        return;
    }
    // Endless: no length, data until the client goes away.
    socket->write(head + "\r\n");
    pump(socket, 1, [] { return QByteArray(64 * 1024, 'x'); });
}

void FakeSite::pump(QTcpSocket* socket, int intervalMs, std::function<QByteArray()> produce) {
    auto* timer = new QTimer(socket);
    auto sent = std::make_shared<qint64>(0);
    connect(timer, &QTimer::timeout, socket, [socket, timer, sent, produce = std::move(produce)] {
        if (*sent > 256LL * 1024 * 1024 || socket->state() != QAbstractSocket::ConnectedState) {
            timer->stop();
            socket->abort();
            return;
        }
        if (socket->bytesToWrite() < 1024 * 1024) {
            const QByteArray chunk = produce();
            socket->write(chunk);
            *sent += chunk.size();
        }
    });
    timer->start(intervalMs);
}

Heartbeat::Heartbeat() {
    clock_.start();
    connect(&timer_, &QTimer::timeout, this, [this] {
        const qint64 now = clock_.elapsed();
        longest_ = std::max(longest_, now - last_);
        last_ = now;
    });
    timer_.start(10);
}

}  // namespace korvana::online::test
