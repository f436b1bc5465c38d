#include "services/site_addresses.h"

#include "korvana_site_config.h"

namespace korvana::online {

namespace {

QUrl pageUrl(const SiteAddresses& site, const QString& page, Language language) {
    const QString suffix = languageSuffix(language);
    if (suffix.isEmpty()) return {};
    return QUrl(site.base + page + QStringLiteral("?l=") + suffix);
}

// "/banners/1/" English, "/banners/2/" Russian; empty for a language the site
// has no banners for.
QString bannerFolder(const SiteAddresses& site, Language language) {
    switch (language) {
        case Language::English: return site.base + QStringLiteral("/banners/1/");
        case Language::Russian: return site.base + QStringLiteral("/banners/2/");
    }
    return {};
}

}  // namespace

SiteAddresses defaultSiteAddresses() {
    QString base = QStringLiteral(KORVANA_SITE_URL);
    while (base.endsWith(QLatin1Char('/')))  // every path is appended with its own slash
        base.chop(1);
    return {base, QStringLiteral(KORVANA_SUPPORT_EMAIL)};
}

QString languageSuffix(Language language) {
    switch (language) {
        case Language::English: return QStringLiteral("eng");
        case Language::Russian: return QStringLiteral("rus");
    }
    return {};
}

QUrl baseUrl(const SiteAddresses& site) {
    return QUrl(site.base);
}

QUrl versionUrl(const SiteAddresses& site) {
    return QUrl(site.base + QStringLiteral("/running.php"));
}

QUrl updatePageUrl(const SiteAddresses& site, Language language) {
    return pageUrl(site, QStringLiteral("/update.php"), language);
}

QUrl helpPageUrl(const SiteAddresses& site, Language language) {
    return pageUrl(site, QStringLiteral("/help.php"), language);
}

QUrl tellAFriendPageUrl(const SiteAddresses& site, Language language) {
    return pageUrl(site, QStringLiteral("/tellafriend.php"), language);
}

QUrl bannerPictureUrl(const SiteAddresses& site, Language language, int n) {
    const QString folder = bannerFolder(site, language);
    if (folder.isEmpty()) return {};
    return QUrl(folder + QString::number(n) + QStringLiteral(".gif"));
}

QUrl bannerLinkUrl(const SiteAddresses& site, Language language, int n) {
    const QString folder = bannerFolder(site, language);
    if (folder.isEmpty()) return {};
    return QUrl(folder + QString::number(n) + QStringLiteral(".txt"));
}

QUrl supportMailUrl(const SiteAddresses& site) {
    return QUrl(QStringLiteral("mailto:") + site.supportEmail);
}

}  // namespace korvana::online
