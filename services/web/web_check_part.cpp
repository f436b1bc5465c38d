#include "services/web/web_check_part.h"

namespace korvana::online {

WebCheckPart::WebCheckPart(HttpClient& client, QObject* parent)
    : QObject(parent), client_(client) {}

WebCheckPart::~WebCheckPart() {
    if (request_) request_->cancel();
}

void WebCheckPart::cancel() {
    if (request_) request_->cancel();
    request_ = nullptr;
    dropped();
    deleteLater();
}

void WebCheckPart::fetch(const HttpGet& get, std::function<void(const HttpResult&)> then) {
    request_ = client_.get(get);
    connect(request_, &HttpRequest::done, this,
            [this, then = std::move(then)](const HttpResult& result) {
                request_ = nullptr;
                then(result);
            });
}

void WebCheckPart::end(ErrorKind kind, const QString& failure) {
    request_ = nullptr;
    Q_EMIT ended(kind, failure);
    deleteLater();
}

}  // namespace korvana::online
