#pragma once
// Addresses on the project web site. The base is trusted configuration (build
// setting or test injection); everything else is derived from it here so that
// no other file glues paths together.
#include <QString>
#include <QUrl>

namespace korvana::online {

struct SiteAddresses {
    QString base;          // "http://host" without a trailing slash
    QString supportEmail;  // "name@host"
};

// The addresses compiled in from the build configuration.
SiteAddresses defaultSiteAddresses();

// "eng" for language code 1, "rus" for 2, empty for anything else: pages with a
// language suffix are not opened for an unknown code.
QString languageSuffix(int languageCode);

QUrl baseUrl(const SiteAddresses &site);
QUrl versionUrl(const SiteAddresses &site);  // "/running.php"
// "/update.php?l=eng" etc.; an invalid (empty) QUrl for an unknown language code.
QUrl updatePageUrl(const SiteAddresses &site, int languageCode);
QUrl helpPageUrl(const SiteAddresses &site, int languageCode);
QUrl tellAFriendPageUrl(const SiteAddresses &site, int languageCode);
// Picture n (1..4) and its link text in the banner folder of the language code.
QUrl bannerPictureUrl(const SiteAddresses &site, int languageCode, int n);
QUrl bannerLinkUrl(const SiteAddresses &site, int languageCode, int n);
QUrl supportMailUrl(const SiteAddresses &site);  // "mailto:" + address

}  // namespace korvana::online
