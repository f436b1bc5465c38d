#include "services/link_policy.h"

#include "services/windows_1251.h"

#include <algorithm>

namespace korvana::online {

QUrl bannerLinkTarget(const QByteArray& linkText) {
    QByteArray text = linkText;
    while (text.endsWith('\n') || text.endsWith('\r')) text.chop(1);

    // Control characters (tabs, inner line breaks, NUL) are never part of an
    // address the site means; QUrl's tolerant parsing would drop some of them.
    const bool hasControl = std::any_of(text.cbegin(), text.cend(), [](char c) {
        const auto u = static_cast<unsigned char>(c);
        return u < 0x20 || u == 0x7f;
    });
    if (text.isEmpty() || hasControl) return {};

    // Characters beyond ASCII go on percent-encoded as UTF-8, as in any address.
    const QUrl url(fromWindows1251(text), QUrl::StrictMode);
    if (!url.isValid() || url.isRelative() || url.host().isEmpty()) return {};
    const QString scheme = url.scheme();  // QUrl lowercases it
    if (scheme != QLatin1String("http") && scheme != QLatin1String("https")) return {};
    return url;
}

}  // namespace korvana::online
