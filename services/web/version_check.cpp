#include "services/web/version_check.h"

#include "services/version_text.h"

namespace korvana::online {

VersionCheck::VersionCheck(HttpClient& client, QUrl versionUrl, Found found, QObject* parent)
    : WebCheckPart(client, parent), url_(std::move(versionUrl)), found_(std::move(found)) {}

void VersionCheck::start() {
    fetch({url_, kVersionTextLimit, nullptr}, [this](const HttpResult& result) {
        if (!result.ok) {
            end(result.errorKind, result.error);
            return;
        }
        const auto version = remoteVersionFromBody(result.body);
        if (!version) {
            end(ErrorKind::NotAVersion, QStringLiteral("the answer is no version"));
            return;
        }
        version_ = *version;
        found_(version_);
        end();
    });
}

}  // namespace korvana::online
