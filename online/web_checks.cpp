#include "web_checks.h"

#include <QDir>
#include <QLibrary>

#include "version_text.h"

namespace korvana::online {

bool namesAnotherVersion(const VersionCheckOutcome& outcome) {
    return outcome.failure == ErrorKind::None && !isOwnVersion(outcome.version);
}

WebChecksFactory loadWebChecksModule(const QString& folder, QString* error) {
    // The library stays loaded for the rest of the run (QLibrary never
    // unloads on destruction): the checks it makes run code from it.
    QLibrary module(QDir(folder).absoluteFilePath(QStringLiteral(KORVANA_WEB_MODULE_FILE)));
    if (!module.load()) {
        *error = module.errorString();
        return {};
    }
    const auto entry = reinterpret_cast<WebChecksEntry>(module.resolve(kWebChecksEntry));
    if (!entry) {
        *error =
            QStringLiteral("%1 has no %2").arg(module.fileName(), QLatin1String(kWebChecksEntry));
        return {};
    }
    return [entry](const WebCheckSetup& setup, WebCheckEvents events) {
        return std::unique_ptr<WebChecks>(entry(setup, std::move(events)));
    };
}

}  // namespace korvana::online
