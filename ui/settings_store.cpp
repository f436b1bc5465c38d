#include "settings_store.h"

#include <QDir>
#include <QSettings>
#include <QVariant>
#include <memory>

#include "failure.h"

namespace korvana::ui {
namespace {

const QString kLanguageKey = QStringLiteral("language");
const QString kAutoswitchKey = QStringLiteral("autoswitch");
const QString kEnglishValue = QStringLiteral("english");
const QString kRussianValue = QStringLiteral("russian");
const QString kExactChancesKey = QStringLiteral("exactchances");
const QString kHighContrastLightsKey = QStringLiteral("highcontrastlights");

#ifdef Q_OS_WIN
// The registry keeps value types, so text is never taken for a number.
constexpr bool kStoreKeepsTypes = true;
#else
// An INI file holds every plain value as text.
constexpr bool kStoreKeepsTypes = false;
#endif

}  // namespace

SettingsStore SettingsStore::perUser() {
    return SettingsStore(Kind::PerUser, {});
}

SettingsStore SettingsStore::inFile(const QString& path, Access access) {
    return SettingsStore(Kind::File, path, access);
}

namespace {

std::unique_ptr<QSettings> openStore(bool perUser, const QString& path) {
    std::unique_ptr<QSettings> store;
    if (!perUser) {
        store = std::make_unique<QSettings>(path, QSettings::IniFormat);
    } else {
#ifdef Q_OS_WIN
        store = std::make_unique<QSettings>(QStringLiteral("HKEY_CURRENT_USER\\Software\\Korvana"),
                                            QSettings::NativeFormat);
#else
        store = std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                            QStringLiteral("Software"), QStringLiteral("Korvana"));
#endif
        // Only the player's own values count, as with the registry key; no
        // organisation-wide or system-wide file fills in a missing one.
        store->setFallbacksEnabled(false);
    }
    return store;
}

}  // namespace

QString SettingsStore::location() const {
    if (kind_ == Kind::File) return QDir::toNativeSeparators(path_);
#ifdef Q_OS_WIN
    return QStringLiteral("HKEY_CURRENT_USER\\Software\\Korvana");
#else
    return QDir::toNativeSeparators(openStore(true, {})->fileName());
#endif
}

namespace {

// Reads one value; nullopt when it was never written.
std::optional<QVariant> readValue(const QSettings& store, const QString& key,
                                  const QString& location) {
    if (store.status() != QSettings::NoError)
        throw Failure(QStringLiteral("Cannot read the settings in \"%1\".").arg(location));
    if (!store.contains(key)) return std::nullopt;
    return store.value(key);
}

void writeValue(QSettings& store, const QString& key, const QVariant& value, bool mayWrite,
                const QString& location) {
    const auto fail = [&] {
        return Failure(
            QStringLiteral("Cannot save the setting \"%1\" in \"%2\".").arg(key, location));
    };
    if (store.status() != QSettings::NoError) throw fail();
    // The same value again is already saved: nothing to write, so nothing can
    // fail, even in a store the player may only read.
    const QVariant stored = store.value(key);
    if (stored.isValid() && stored.toString() == value.toString() &&
        (stored.typeId() == value.typeId() || !kStoreKeepsTypes))
        return;
    if (!mayWrite || !store.isWritable()) throw fail();
    store.setValue(key, value);
    store.sync();
    if (store.status() != QSettings::NoError) throw fail();
}

}  // namespace

StoredLanguage SettingsStore::language() const {
    const auto store = openStore(kind_ == Kind::PerUser, path_);
    const auto value = readValue(*store, kLanguageKey, location());
    if (!value) return {};
    if (value->typeId() != QMetaType::QString)
        throw Failure(
            QStringLiteral("The setting \"language\" in \"%1\" is not text.").arg(location()));
    const QString text = value->toString();
    if (text == kEnglishValue) return {true, Language::English};
    if (text == kRussianValue) return {true, Language::Russian};
    return {true, std::nullopt};
}

void SettingsStore::setLanguage(Language language) const {
    auto store = openStore(kind_ == Kind::PerUser, path_);
    writeValue(*store, kLanguageKey, language == Language::Russian ? kRussianValue : kEnglishValue,
               access_ == Access::ReadWrite, location());
}

std::optional<bool> SettingsStore::autoSwitch() const {
    return onOff(kAutoswitchKey);
}

void SettingsStore::setAutoSwitch(bool on) const {
    setWholeNumber(kAutoswitchKey, on ? 1 : 0);
}

std::optional<bool> SettingsStore::exactChances() const {
    return onOff(kExactChancesKey);
}

void SettingsStore::setExactChances(bool on) const {
    setWholeNumber(kExactChancesKey, on ? 1 : 0);
}

std::optional<bool> SettingsStore::highContrastLights() const {
    return onOff(kHighContrastLightsKey);
}

void SettingsStore::setHighContrastLights(bool on) const {
    setWholeNumber(kHighContrastLightsKey, on ? 1 : 0);
}

std::optional<int> SettingsStore::wholeNumber(const QString& key) const {
    const auto store = openStore(kind_ == Kind::PerUser, path_);
    const auto value = readValue(*store, key, location());
    if (!value) return std::nullopt;
    bool ok = false;
    int number = 0;
    switch (value->typeId()) {
        case QMetaType::Int: number = value->toInt(&ok); break;
        case QMetaType::UInt:  // a 32-bit registry value with the top bit set
            number = static_cast<int>(value->toUInt(&ok));
            break;
        case QMetaType::QString:
            if (!kStoreKeepsTypes) number = value->toString().toInt(&ok, 10);
            break;
        default: break;
    }
    if (!ok)
        throw Failure(QStringLiteral("The setting \"%1\" in \"%2\" is not a whole number.")
                          .arg(key, location()));
    return number;
}

// Any whole number but 0 is on, so a value another version wrote still reads.
std::optional<bool> SettingsStore::onOff(const QString& key) const {
    const std::optional<int> value = wholeNumber(key);
    if (!value) return std::nullopt;
    return *value != 0;
}

void SettingsStore::setWholeNumber(const QString& key, int value) const {
    auto store = openStore(kind_ == Kind::PerUser, path_);
    writeValue(*store, key, value, access_ == Access::ReadWrite, location());
}

}  // namespace korvana::ui
