#pragma once
// Addresses on the project web site. The base is trusted configuration (build
// setting or test injection); everything else is derived from it here so that
// no other file glues paths together.
#include <QString>
#include <QUrl>

#include "engine/text/language.h"

namespace korvana::online {

struct SiteAddresses {
    QString base;          // "http://host" or "https://host", without a trailing slash
    QString supportEmail;  // "name@host"
};

// The addresses compiled in from the build configuration.
SiteAddresses defaultSiteAddresses();

// "eng" or "rus"; empty for a value outside the enum: pages with a language
// suffix are not opened for a language the site does not know.
QString languageSuffix(Language language);

QUrl baseUrl(const SiteAddresses& site);
QUrl versionUrl(const SiteAddresses& site);  // "/running.php"
// "/update.php?l=eng" etc.; an invalid (empty) QUrl for an unknown language.
QUrl updatePageUrl(const SiteAddresses& site, Language language);
QUrl helpPageUrl(const SiteAddresses& site, Language language);
QUrl tellAFriendPageUrl(const SiteAddresses& site, Language language);
// Picture n (1..4) and its link text in the banner folder of the language
// ("/banners/1/" English, "/banners/2/" Russian); an invalid (empty) QUrl for
// an unknown language.
QUrl bannerPictureUrl(const SiteAddresses& site, Language language, int n);
QUrl bannerLinkUrl(const SiteAddresses& site, Language language, int n);
QUrl supportMailUrl(const SiteAddresses& site);  // "mailto:" + address

}  // namespace korvana::online
