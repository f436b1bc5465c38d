#include "site_addresses.h"

#include "korvana_site_config.h"

namespace korvana::online {

namespace {

QUrl pageUrl(const SiteAddresses &site, const QString &page, int languageCode)
{
    const QString suffix = languageSuffix(languageCode);
    if (suffix.isEmpty())
        return {};
    return QUrl(site.base + page + QStringLiteral("?l=") + suffix);
}

QString bannerFolder(const SiteAddresses &site, int languageCode)
{
    return site.base + QStringLiteral("/banners/") + QString::number(languageCode) + QLatin1Char('/');
}

}  // namespace

SiteAddresses defaultSiteAddresses()
{
    QString base = QStringLiteral(KORVANA_SITE_URL);
    while (base.endsWith(QLatin1Char('/')))  // every path is appended with its own slash
        base.chop(1);
    return {base, QStringLiteral(KORVANA_SUPPORT_EMAIL)};
}

QString languageSuffix(int languageCode)
{
    switch (languageCode) {
    case 1:
        return QStringLiteral("eng");
    case 2:
        return QStringLiteral("rus");
    default:
        return {};
    }
}

QUrl baseUrl(const SiteAddresses &site) { return QUrl(site.base); }

QUrl versionUrl(const SiteAddresses &site) { return QUrl(site.base + QStringLiteral("/running.php")); }

QUrl updatePageUrl(const SiteAddresses &site, int languageCode)
{
    return pageUrl(site, QStringLiteral("/update.php"), languageCode);
}

QUrl helpPageUrl(const SiteAddresses &site, int languageCode)
{
    return pageUrl(site, QStringLiteral("/help.php"), languageCode);
}

QUrl tellAFriendPageUrl(const SiteAddresses &site, int languageCode)
{
    return pageUrl(site, QStringLiteral("/tellafriend.php"), languageCode);
}

QUrl bannerPictureUrl(const SiteAddresses &site, int languageCode, int n)
{
    return QUrl(bannerFolder(site, languageCode) + QString::number(n) + QStringLiteral(".gif"));
}

QUrl bannerLinkUrl(const SiteAddresses &site, int languageCode, int n)
{
    return QUrl(bannerFolder(site, languageCode) + QString::number(n) + QStringLiteral(".txt"));
}

QUrl supportMailUrl(const SiteAddresses &site)
{
    return QUrl(QStringLiteral("mailto:") + site.supportEmail);
}

}  // namespace korvana::online
