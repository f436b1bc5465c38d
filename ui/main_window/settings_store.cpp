#include "settings_store.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

#include "failure.h"
#include "regular_file.h"
#include "settings_file.h"

namespace korvana::ui {
namespace {

const QString kLanguageKey = QStringLiteral("language");
const QString kAutoswitchKey = QStringLiteral("autoswitch");
const QString kEnglishValue = QStringLiteral("english");
const QString kRussianValue = QStringLiteral("russian");
const QString kExactChancesKey = QStringLiteral("exactchances");
const QString kHighContrastLightsKey = QStringLiteral("highcontrastlights");
const QString kTransparencyKey = QStringLiteral("transparency");
const QString kFontColourKey = QStringLiteral("fontcolour");
const QString kOpponentsKey = QStringLiteral("opponents");
const QString kOpponentRangeKey = QStringLiteral("opponentrange");
const QString kPotKey = QStringLiteral("pot");
const QString kCallKey = QStringLiteral("call");

#ifdef Q_OS_WIN
// The registry keeps value types, so text is never taken for a number.
constexpr bool kStoreKeepsTypes = true;
const QString kRegistryKey = QStringLiteral("HKEY_CURRENT_USER\\Software\\Korvana");
#else
// An INI file holds every plain value as text.
constexpr bool kStoreKeepsTypes = false;
#endif

// Puts key = value into the INI file at path (a regular file or nothing),
// leaving the rest of the file as it is.
bool saveInFile(const QString& path, const QString& key, const QString& value, QString* error) {
    QByteArray text;
    const QFileInfo before(path);
    const bool existed = before.exists();
    const qint64 oldSize = existed ? before.size() : -1;
    const QDateTime oldTime = existed ? before.lastModified() : QDateTime();
    if (existed) {
        QFile file(path);
        if (!openRegularFile(file, error)) return false;
        text = file.readAll();
        if (file.error() != QFileDevice::NoError) {
            *error = file.errorString();
            return false;
        }
    }
    if (!replaceSettingsFile(path, withGeneralValue(text, key.toLatin1(), iniValue(value)), error))
        return false;
    // QSettings takes a file whose size and time (to the millisecond) are
    // unchanged for the one it read last; a second save within the same
    // millisecond must not read as the first.
    const QFileInfo after(path);
    if (existed && after.size() == oldSize && after.lastModified() == oldTime) {
        QFile file(path);
        if (file.open(QIODevice::Append))
            file.setFileTime(oldTime.addMSecs(1), QFileDevice::FileModificationTime);
    }
    return true;
}

}  // namespace

SettingsStore SettingsStore::perUser() {
#ifdef Q_OS_WIN
    return SettingsStore(Kind::Registry, kRegistryKey);
#else
    // Where QSettings keeps the user-scope file of organisation "Software",
    // application "Korvana"; worked out here so that nothing is opened yet.
    return SettingsStore(Kind::File,
                         QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                             QStringLiteral("/Software/Korvana.conf"));
#endif
}

SettingsStore SettingsStore::inFile(const QString& path, Access access) {
    return SettingsStore(Kind::File, path, access);
}

QString SettingsStore::location() const {
    return QDir::toNativeSeparators(path_);
}

void SettingsStore::refuse(const QString& why) const {
    health_->refused = true;
    throw Failure(QStringLiteral("Cannot use the settings in \"%1\" (%2). Korvana goes on with "
                                 "its default choices and saves none of them there.")
                      .arg(location(), why));
}

std::unique_ptr<QSettings> SettingsStore::openStore() const {
    if (kind_ == Kind::Registry) {
        auto store = std::make_unique<QSettings>(path_, QSettings::NativeFormat);
        if (store->status() != QSettings::NoError)
            throw Failure(QStringLiteral("Cannot read the settings in \"%1\".").arg(location()));
        return store;
    }
    if (health_->refused) return nullptr;
    const SettingsFileCheck check = checkSettingsFile(path_);
    if (check.kind == SettingsFileCheck::Kind::Unusable) refuse(check.reason);
    auto store = std::make_unique<QSettings>(path_, QSettings::IniFormat);
    if (store->status() != QSettings::NoError)
        refuse(store->status() == QSettings::FormatError ? QStringLiteral("not a settings file")
                                                         : QStringLiteral("cannot be read"));
    return store;
}

std::optional<QVariant> SettingsStore::read(const QString& key) const {
    const auto store = openStore();
    if (!store || !store->contains(key)) return std::nullopt;
    return store->value(key);
}

void SettingsStore::write(const QString& key, const QVariant& value) const {
    const auto store = openStore();
    if (!store) return;  // refused: the defaults are not saved anywhere
    const auto fail = [&](const QString& why) {
        const QString message =
            QStringLiteral("Cannot save the setting \"%1\" in \"%2\"").arg(key, location());
        return Failure(why.isEmpty() ? message + '.' : message + QStringLiteral(": ") + why + '.');
    };
    // The same value again is already saved: nothing to write, so nothing can
    // fail, even in a store the player may only read.
    const QVariant stored = store->value(key);
    if (stored.isValid() && stored.toString() == value.toString() &&
        (stored.typeId() == value.typeId() || !kStoreKeepsTypes))
        return;
    if (access_ != Access::ReadWrite) throw fail({});
    if (kind_ == Kind::Registry) {
        if (!store->isWritable()) throw fail({});
        store->setValue(key, value);
        store->sync();
        if (store->status() != QSettings::NoError) throw fail({});
        return;
    }

    QString why;
    if (!saveInFile(path_, key, value.toString(), &why)) throw fail(why);
}

StoredLanguage SettingsStore::language() const {
    const auto value = read(kLanguageKey);
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
    write(kLanguageKey, language == Language::Russian ? kRussianValue : kEnglishValue);
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

std::optional<int> SettingsStore::transparency() const {
    return wholeNumber(kTransparencyKey);
}

void SettingsStore::setTransparency(int position) const {
    setWholeNumber(kTransparencyKey, position);
}

std::optional<int> SettingsStore::fontColour() const {
    return wholeNumber(kFontColourKey);
}

void SettingsStore::setFontColour(int position) const {
    setWholeNumber(kFontColourKey, position);
}

std::optional<int> SettingsStore::opponents() const {
    return wholeNumber(kOpponentsKey);
}

void SettingsStore::setOpponents(int opponents) const {
    setWholeNumber(kOpponentsKey, opponents);
}

std::optional<QString> SettingsStore::opponentRange() const {
    const auto value = read(kOpponentRangeKey);
    if (!value) return std::nullopt;
    if (value->typeId() == QMetaType::QString) return value->toString();
    if (value->typeId() == QMetaType::QStringList)
        return value->toStringList().join(QStringLiteral(", "));
    throw Failure(QStringLiteral("The setting \"%1\" in \"%2\" is not text.")
                      .arg(kOpponentRangeKey, location()));
}

void SettingsStore::setOpponentRange(const QString& range) const {
    write(kOpponentRangeKey, range);
}

std::optional<QString> SettingsStore::potAmount() const {
    return text(kPotKey);
}

void SettingsStore::setPotAmount(const QString& amount) const {
    write(kPotKey, amount);
}

std::optional<QString> SettingsStore::callAmount() const {
    return text(kCallKey);
}

void SettingsStore::setCallAmount(const QString& amount) const {
    write(kCallKey, amount);
}

std::optional<QString> SettingsStore::text(const QString& key) const {
    const auto value = read(key);
    if (!value) return std::nullopt;
    // An INI file reads "2,5" as a list of two.
    if (value->typeId() == QMetaType::QStringList)
        return value->toStringList().join(QLatin1Char(','));
    if (value->typeId() != QMetaType::QString)
        throw Failure(
            QStringLiteral("The setting \"%1\" in \"%2\" is not text.").arg(key, location()));
    return value->toString();
}

std::optional<int> SettingsStore::wholeNumber(const QString& key) const {
    const auto value = read(key);
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
    write(key, value);
}

}  // namespace korvana::ui
