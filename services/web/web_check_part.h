#pragma once
// The common life of the two halves of a web check (the version check and
// the banner download): requests made one after another on one client,
// asynchronously on the GUI thread's event loop, ended by finishing, by a
// failure or by being superseded. A part deletes itself when it ends.
#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>

#include "services/error_kind.h"
#include "services/web/http_client.h"

namespace korvana::online {

class WebCheckPart : public QObject {
    Q_OBJECT
public:
    ~WebCheckPart() override;

    // Stops at once: the running request is dropped, nothing more is handed
    // on, and ended() does not follow.
    void cancel();

Q_SIGNALS:
    // The part is over: done (kind None), or failed with a kind and a
    // reason; it deletes itself.
    void ended(korvana::online::ErrorKind kind, const QString& failure);

protected:
    // client must outlive the part.
    WebCheckPart(HttpClient& client, QObject* parent);

    // Sends one GET; then(result) runs when it ends, unless the part was
    // cancelled before.
    void fetch(const HttpGet& get, std::function<void(const HttpResult&)> then);
    // Ends the part; kind None means it did all it had to.
    void end(ErrorKind kind = ErrorKind::None, const QString& failure = {});
    // Called by cancel() to drop what the part holds besides its request.
    virtual void dropped() {}

private:
    HttpClient& client_;
    QPointer<HttpRequest> request_;
};

}  // namespace korvana::online
