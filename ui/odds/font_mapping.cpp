#include "ui/odds/font_mapping.h"

#include <QFile>
#include <QFont>
#include <QFontDatabase>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace korvana::ui {

namespace {

QStringList stringsOf(const QJsonValue& value) {
    QStringList strings;
    for (const QJsonValue& item : value.toArray())
        if (item.isString()) strings << item.toString();
    return strings;
}

}  // namespace

std::vector<FontMapping> parseFontMappings(const QByteArray& json) {
    std::vector<FontMapping> mappings;
    const QJsonDocument document = QJsonDocument::fromJson(json);
    for (const QJsonValue& entry : document.object().value(QStringLiteral("families")).toArray()) {
        const QJsonObject object = entry.toObject();
        FontMapping mapping{object.value(QStringLiteral("family")).toString(),
                            stringsOf(object.value(QStringLiteral("files"))),
                            stringsOf(object.value(QStringLiteral("substitutes")))};
        if (!mapping.family.isEmpty()) mappings.push_back(std::move(mapping));
    }
    return mappings;
}

std::vector<FontMapping> builtInFontMappings() {
    QFile file(QStringLiteral(":/korvana/fonts/font_map.json"));
    if (!file.open(QIODevice::ReadOnly)) return {};
    return parseFontMappings(file.readAll());
}

QStringList applyFontMappings(const std::vector<FontMapping>& mappings) {
    QStringList report;
    // One listing of the installed families: QFontDatabase::hasFamily asks
    // fontconfig to resolve aliases on every call, a third of the start-up time.
    const QStringList families = QFontDatabase::families();
    const auto hasFamily = [&families](const QString& family) {
        return families.contains(family, Qt::CaseInsensitive);
    };
    for (const FontMapping& mapping : mappings) {
        if (hasFamily(mapping.family)) {
            report << mapping.family + QStringLiteral(": installed");
            continue;
        }
        QString loaded;
        for (const QString& path : mapping.files) {
            const int id = QFontDatabase::addApplicationFont(path);
            if (id < 0) continue;
            if (QFontDatabase::applicationFontFamilies(id).contains(mapping.family)) {
                loaded = path;
                break;
            }
            QFontDatabase::removeApplicationFont(id);
        }
        if (!loaded.isEmpty()) {
            report << mapping.family + QStringLiteral(": ") + loaded;
            continue;
        }
        QStringList installed;
        for (const QString& substitute : mapping.substitutes)
            if (hasFamily(substitute)) installed << substitute;
        if (!installed.isEmpty()) QFont::insertSubstitutions(mapping.family, installed);
        report << mapping.family + QStringLiteral(": ") +
                      (installed.isEmpty() ? QStringLiteral("system default")
                                           : installed.join(u", "));
    }
    return report;
}

}  // namespace korvana::ui
