#pragma once
// The version half of a web check: fetches the site's version document and
// hands a version found in it on. A failed request, or an answer that is no
// version (an empty one included), hands nothing on and ends the check with
// its kind of failure.
#include <QByteArray>
#include <QUrl>

#include <functional>

#include "services/web/web_check_part.h"

namespace korvana::online {

class VersionCheck : public WebCheckPart {
    Q_OBJECT
public:
    using Found = std::function<void(const QByteArray& remoteVersion)>;

    VersionCheck(HttpClient& client, QUrl versionUrl, Found found, QObject* parent = nullptr);

    void start();
    // The version the site named; empty until found.
    const QByteArray& version() const { return version_; }

private:
    QUrl url_;
    Found found_;
    QByteArray version_;
};

}  // namespace korvana::online
