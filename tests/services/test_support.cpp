#include "tests/services/test_support.h"

#include <QDir>
#include <QFile>
#include <QSslKey>
#include <QSslServer>
#include <QSslSocket>
#include <QTcpSocket>
#include <QTemporaryDir>

#include <sys/socket.h>

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
    // No request of a test may go to a proxy the test did not set up.
    for (const char* name : {"http_proxy", "HTTP_PROXY", "https_proxy", "HTTPS_PROXY", "all_proxy",
                             "ALL_PROXY", "no_proxy", "NO_PROXY", "XDG_CURRENT_DESKTOP",
                             "DESKTOP_SESSION", "GNOME_DESKTOP_SESSION_ID", "KDE_FULL_SESSION"})
        qunsetenv(name);
    return root;
}

ScopedVariable::ScopedVariable(const QByteArray& name, const QByteArray& value)
    : name_(name),
      old_(qgetenv(name.constData())),
      wasSet_(qEnvironmentVariableIsSet(name.constData())) {
    if (value.isEmpty())
        qunsetenv(name_.constData());
    else
        qputenv(name_.constData(), value);
}

ScopedVariable::~ScopedVariable() {
    if (wasSet_)
        qputenv(name_.constData(), old_);
    else
        qunsetenv(name_.constData());
}

QString dataFile(const QString& name) {
    return QStringLiteral(KORVANA_ONLINE_TEST_DATA "/") + name;
}

QByteArray readDataFile(const QString& name) {
    QFile file(dataFile(name));
    if (!file.open(QIODevice::ReadOnly)) qFatal("missing test data %s", qPrintable(name));
    return file.readAll();
}

QList<QSslCertificate> testAuthority() {
    return QSslCertificate::fromPath(dataFile(QStringLiteral("test_authority.pem")));
}

NameResolver resolveTo(const QList<QByteArray>& addresses) {
    return [addresses](const QByteArray&) { return addresses; };
}

namespace {

QSslConfiguration serverTls(const QString& name) {
    QSslConfiguration tls = QSslConfiguration::defaultConfiguration();
    tls.setPeerVerifyMode(QSslSocket::VerifyNone);
    tls.setLocalCertificate(QSslCertificate(readDataFile(name + QStringLiteral(".pem"))));
    tls.setPrivateKey(QSslKey(readDataFile(name + QStringLiteral(".key")), QSsl::Ec));
    return tls;
}

// Closes with a reset instead of an orderly close.
void reset(QTcpSocket* socket) {
    const linger immediately{1, 0};
    ::setsockopt(int(socket->socketDescriptor()), SOL_SOCKET, SO_LINGER, &immediately,
                 sizeof immediately);
    socket->abort();
}

}  // namespace

FakeSite::FakeSite(Security security) : security_(security) {
    if (security == Security::Http) {
        server_ = std::make_unique<QTcpServer>();
    } else {
        auto server = std::make_unique<QSslServer>();
        server->setSslConfiguration(serverTls(security == Security::Https
                                                  ? QStringLiteral("test_site")
                                                  : QStringLiteral("self_signed")));
        server_ = std::move(server);
    }
    // Over https a connection is pending only once its handshake is done.
    connect(server_.get(), &QTcpServer::pendingConnectionAvailable, this,
            &FakeSite::onNewConnection);
    if (!server_->listen(QHostAddress::LocalHost, 0))
        qFatal("fake site cannot listen: %s", qPrintable(server_->errorString()));
}

FakeSite::~FakeSite() {
    stop();
}

QString FakeSite::base(const QString& host) const {
    return QStringLiteral("%1://%2:%3")
        .arg(security_ == Security::Http ? QLatin1String("http") : QLatin1String("https"), host)
        .arg(server_->serverPort());
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
    server_->close();
    for (const auto& socket : sockets_)
        if (socket) socket->abort();
    sockets_.clear();
}

void FakeSite::onNewConnection() {
    while (QTcpSocket* socket = server_->nextPendingConnection()) {
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
        case Kind::RawThenReset:
            socket->write(response.body);
            socket->flush();
            // Once the answer has arrived.
            QTimer::singleShot(50, socket, [socket] { reset(socket); });
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

FakeProxy::FakeProxy(Mode mode) : mode_(mode) {
    connect(&server_, &QTcpServer::newConnection, this, &FakeProxy::onNewConnection);
    if (!server_.listen(QHostAddress::LocalHost, 0))
        qFatal("fake proxy cannot listen: %s", qPrintable(server_.errorString()));
}

QByteArray FakeProxy::address() const {
    return "http://127.0.0.1:" + QByteArray::number(server_.serverPort());
}

void FakeProxy::onNewConnection() {
    while (QTcpSocket* client = server_.nextPendingConnection()) {
        client->setParent(this);
        connect(client, &QTcpSocket::readyRead, this, [this, client] { onClientData(client); });
        connect(client, &QTcpSocket::disconnected, client, &QObject::deleteLater);
    }
}

void FakeProxy::onClientData(QTcpSocket* client) {
    if (client->property("upstream").toBool()) return;  // piped from now on
    QByteArray buffer = client->property("buffer").toByteArray() + client->readAll();
    const qsizetype end = buffer.indexOf("\r\n\r\n");
    if (end < 0) {
        client->setProperty("buffer", buffer);
        return;
    }
    QByteArray head = buffer.left(end + 4);
    const QByteArray rest = buffer.mid(end + 4);
    const QByteArray requestLine = head.left(head.indexOf("\r\n"));
    requestLines_.append(requestLine);
    if (mode_ == Mode::Refuse) {
        client->write("HTTP/1.1 403 Forbidden\r\nContent-Length: 0\r\nConnection: close\r\n\r\n");
        client->disconnectFromHost();
        return;
    }
    const QList<QByteArray> parts = requestLine.split(' ');
    const bool tunnel = parts.value(0) == "CONNECT";
    const QUrl target = tunnel ? QUrl(QStringLiteral("//") + QString::fromLatin1(parts.value(1)))
                               : QUrl(QString::fromLatin1(parts.value(1)));
    if (!tunnel) {  // the request line goes on in the form a server expects
        QByteArray path = target.path(QUrl::FullyEncoded).toLatin1();
        if (target.hasQuery()) path += '?' + target.query(QUrl::FullyEncoded).toLatin1();
        head = parts.value(0) + ' ' + path + ' ' + parts.value(2) + head.mid(requestLine.size());
    }
    client->disconnect(this);
    client->setProperty("upstream", true);
    auto* upstream = new QTcpSocket(client);
    connect(upstream, &QTcpSocket::connected, client, [=] {
        if (tunnel)
            client->write("HTTP/1.1 200 Connection established\r\n\r\n");
        else
            upstream->write(head);
        upstream->write(rest);
        upstream->write(client->readAll());
    });
    connect(client, &QTcpSocket::readyRead, upstream, [=] {
        if (upstream->state() == QAbstractSocket::ConnectedState)
            upstream->write(client->readAll());
    });
    connect(upstream, &QTcpSocket::readyRead, client, [=] { client->write(upstream->readAll()); });
    connect(upstream, &QTcpSocket::disconnected, client, [=] { client->disconnectFromHost(); });
    connect(upstream, &QTcpSocket::errorOccurred, client, [=] { client->disconnectFromHost(); });
    connect(client, &QTcpSocket::disconnected, upstream, [=] { upstream->disconnectFromHost(); });
    upstream->connectToHost(QHostAddress::LocalHost, quint16(target.port(80)));
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
