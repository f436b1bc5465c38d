#pragma once
// The version worker of one web check: fetches the site's version document
// and hands the remote version to the notice. It runs on the GUI thread's
// event loop (the request is asynchronous), so the hand-off is a plain call.
#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <QUrl>

#include <functional>

namespace korvana::online {

class HttpClient;
class HttpRequest;

class TWebThread1 : public QObject {
    Q_OBJECT
public:
    using HandOff = std::function<void(const QByteArray &remoteVersion)>;

    // client: the version workers' client (IdHTTP1); it must outlive the worker.
    TWebThread1(HttpClient &client, QUrl versionUrl, HandOff showVersionNotice, QObject *parent = nullptr);

    void start();
    // Stops the request; neither the hand-off nor ended() follows.
    void cancel();

Q_SIGNALS:
    // The worker is over (hand-off done, or the request failed); it deletes itself.
    void ended();

private:
    void onDone(bool ok);

    HttpClient &m_client;
    QUrl m_url;
    HandOff m_handOff;
    QPointer<HttpRequest> m_request;
};

}  // namespace korvana::online
