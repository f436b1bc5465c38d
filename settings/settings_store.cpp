#include "settings/settings_store.h"

#include <QDir>
#include <QRegularExpression>
#include <QSettings>
#include <QStandardPaths>

#include <stdexcept>

#include "services/failure.h"
#include "settings/settings_file.h"

namespace korvana {
namespace {

// Every stored choice: its key in the store and what kind of value it holds.
enum class ValueKind {
    Text,         // text; a list (a comma-separated line written by hand) is an error
    OnOff,        // a 32-bit whole number, non-zero = on, written as 1 or 0
    WholeNumber,  // a 32-bit whole number
    TextOrList,   // text; a list is joined back with commas
};
struct StoredChoice {
    SettingsStore::Choice choice;
    const char* key;
    ValueKind kind;
};
constexpr StoredChoice kChoices[] = {
    {SettingsStore::Choice::Language, "language", ValueKind::Text},
    {SettingsStore::Choice::AutoSwitch, "autoswitch", ValueKind::OnOff},
    {SettingsStore::Choice::ExactChances, "exactchances", ValueKind::OnOff},
    {SettingsStore::Choice::HighContrastLights, "highcontrastlights", ValueKind::OnOff},
    {SettingsStore::Choice::Transparency, "transparency", ValueKind::WholeNumber},
    {SettingsStore::Choice::FontColour, "fontcolour", ValueKind::WholeNumber},
    {SettingsStore::Choice::Opponents, "opponents", ValueKind::WholeNumber},
    {SettingsStore::Choice::OpponentRange, "opponentrange", ValueKind::TextOrList},
    {SettingsStore::Choice::OpponentRange1, "opponentrange1", ValueKind::TextOrList},
    {SettingsStore::Choice::OpponentRange2, "opponentrange2", ValueKind::TextOrList},
    {SettingsStore::Choice::OpponentRange3, "opponentrange3", ValueKind::TextOrList},
    {SettingsStore::Choice::OpponentRange4, "opponentrange4", ValueKind::TextOrList},
    {SettingsStore::Choice::OpponentRange5, "opponentrange5", ValueKind::TextOrList},
    {SettingsStore::Choice::OpponentRange6, "opponentrange6", ValueKind::TextOrList},
    {SettingsStore::Choice::OpponentRange7, "opponentrange7", ValueKind::TextOrList},
    {SettingsStore::Choice::OpponentRange8, "opponentrange8", ValueKind::TextOrList},
    {SettingsStore::Choice::OpponentRange9, "opponentrange9", ValueKind::TextOrList},
    {SettingsStore::Choice::Pot, "pot", ValueKind::Text},
    {SettingsStore::Choice::Call, "call", ValueKind::Text},
};

const StoredChoice& storedChoice(SettingsStore::Choice choice) {
    for (const StoredChoice& stored : kChoices)
        if (stored.choice == choice) return stored;
    throw std::logic_error("a choice without a key");
}

QString keyOf(SettingsStore::Choice choice) {
    return QString::fromLatin1(storedChoice(choice).key);
}

bool isWholeNumberText(const QString& text) {
    static const QRegularExpression digits(QStringLiteral("^\\s*[+-]?\\d+\\s*$"));
    return digits.match(text).hasMatch();
}

const QString kEnglishValue = QStringLiteral("english");
const QString kRussianValue = QStringLiteral("russian");

#ifdef Q_OS_WIN
// The registry keeps value types, so text is never taken for a number.
constexpr bool kStoreKeepsTypes = true;
const QString kRegistryKey = QStringLiteral("HKEY_CURRENT_USER\\Software\\Korvana");
#else
// An INI file holds every plain value as text.
constexpr bool kStoreKeepsTypes = false;
#endif

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

void SettingsStore::write(Choice choice, const QVariant& value) const {
    write(std::map<Choice, QVariant>{{choice, value}});
}

void SettingsStore::write(const std::map<Choice, QVariant>& values) const {
    if (values.empty()) return;
    const auto store = openStore();
    if (!store) return;  // refused: the defaults are not saved anywhere
    // The same value again is already saved: nothing to write, so nothing can
    // fail, even in a store the player may only read.
    QVariantMap changed;
    for (const auto& [choice, value] : values) {
        const QString key = keyOf(choice);
        const QVariant stored = store->value(key);
        if (stored.isValid() && stored.toString() == value.toString() &&
            (stored.typeId() == value.typeId() || !kStoreKeepsTypes))
            continue;
        changed[key] = value;
    }
    if (changed.isEmpty()) return;
    const auto fail = [&](const QString& why) {
        const QString message =
            (changed.size() == 1 ? QStringLiteral("Cannot save the setting \"%1\" in \"%2\"")
                                 : QStringLiteral("Cannot save the settings \"%1\" in \"%2\""))
                .arg(changed.keys().join(QStringLiteral("\", \"")), location());
        return Failure(why.isEmpty() ? message + '.' : message + QStringLiteral(": ") + why + '.');
    };
    if (access_ != Access::ReadWrite) throw fail({});
    if (kind_ == Kind::Registry) {
        if (!store->isWritable()) throw fail({});
        for (auto it = changed.cbegin(); it != changed.cend(); ++it)
            store->setValue(it.key(), it.value());
        store->sync();
        if (store->status() != QSettings::NoError) throw fail({});
        return;
    }
    QString why;
    if (!saveSettingsValues(path_, changed, &why)) throw fail(why);
}

std::optional<QVariant> SettingsStore::read(Choice choice) const {
    const auto store = openStore();
    const QString key = keyOf(choice);
    if (!store || !store->contains(key)) return std::nullopt;
    return store->value(key);
}

std::optional<QString> SettingsStore::text(Choice choice) const {
    const auto value = read(choice);
    if (!value) return std::nullopt;
    if (value->typeId() == QMetaType::QString) return value->toString();
    if (value->typeId() == QMetaType::QStringList &&
        storedChoice(choice).kind == ValueKind::TextOrList)
        return value->toStringList().join(QStringLiteral(", "));
    throw Failure(
        QStringLiteral("The setting \"%1\" in \"%2\" is not text.").arg(keyOf(choice), location()));
}

std::optional<int> SettingsStore::wholeNumber(Choice choice) const {
    const auto value = read(choice);
    if (!value) return std::nullopt;
    bool ok = false;
    int number = 0;
    switch (value->typeId()) {
        case QMetaType::Int: number = value->toInt(&ok); break;
        case QMetaType::UInt:  // a 32-bit registry value with the top bit set
            number = static_cast<int>(value->toUInt(&ok));
            break;
        case QMetaType::QString:
            if (!kStoreKeepsTypes) {
                number = value->toString().toInt(&ok, 10);
                // Digits that do not fit are a number all the same, just too big.
                if (!ok && isWholeNumberText(value->toString()))
                    throw Failure(QStringLiteral("The setting \"%1\" in \"%2\" is out of range.")
                                      .arg(keyOf(choice), location()));
            }
            break;
        default: break;
    }
    if (!ok)
        throw Failure(QStringLiteral("The setting \"%1\" in \"%2\" is not a whole number.")
                          .arg(keyOf(choice), location()));
    return number;
}

// Any whole number but 0 is on, so a value another version wrote still reads.
std::optional<bool> SettingsStore::onOff(Choice choice) const {
    const std::optional<int> value = wholeNumber(choice);
    if (!value) return std::nullopt;
    return *value != 0;
}

StoredLanguage SettingsStore::language() const {
    const auto value = text(Choice::Language);
    if (!value) return {};
    if (*value == kEnglishValue) return {true, Language::English};
    if (*value == kRussianValue) return {true, Language::Russian};
    return {true, std::nullopt};
}

void SettingsStore::setLanguage(Language language) const {
    write(Choice::Language, language == Language::Russian ? kRussianValue : kEnglishValue);
}

std::optional<bool> SettingsStore::autoSwitch() const {
    return onOff(Choice::AutoSwitch);
}
void SettingsStore::setAutoSwitch(bool on) const {
    write(Choice::AutoSwitch, on ? 1 : 0);
}

std::optional<bool> SettingsStore::exactChances() const {
    return onOff(Choice::ExactChances);
}
void SettingsStore::setExactChances(bool on) const {
    write(Choice::ExactChances, on ? 1 : 0);
}

std::optional<bool> SettingsStore::highContrastLights() const {
    return onOff(Choice::HighContrastLights);
}
void SettingsStore::setHighContrastLights(bool on) const {
    write(Choice::HighContrastLights, on ? 1 : 0);
}

std::optional<int> SettingsStore::transparency() const {
    return wholeNumber(Choice::Transparency);
}
void SettingsStore::setTransparency(int position) const {
    write(Choice::Transparency, position);
}

std::optional<int> SettingsStore::fontColour() const {
    return wholeNumber(Choice::FontColour);
}
void SettingsStore::setFontColour(int position) const {
    write(Choice::FontColour, position);
}

std::optional<int> SettingsStore::opponents() const {
    return wholeNumber(Choice::Opponents);
}
void SettingsStore::setOpponents(int opponents) const {
    write(Choice::Opponents, opponents);
}

std::optional<QString> SettingsStore::opponentRange() const {
    return text(Choice::OpponentRange);
}
void SettingsStore::setOpponentRange(const QString& range) const {
    write(Choice::OpponentRange, range);
}

namespace {

SettingsStore::Choice opponentRangeChoice(int opponent) {
    if (opponent < 1 || opponent > 9) throw std::logic_error("no such opponent");
    return static_cast<SettingsStore::Choice>(
        static_cast<int>(SettingsStore::Choice::OpponentRange1) + opponent - 1);
}

}  // namespace

std::optional<QString> SettingsStore::opponentRange(int opponent) const {
    if (auto own = text(opponentRangeChoice(opponent))) return own;
    return opponentRange();
}

void SettingsStore::setOpponentRange(int opponent, const QString& range) const {
    write(opponentRangeChoice(opponent), range);
}

void SettingsStore::setOpposition(std::optional<int> opponents,
                                  const std::map<int, QString>& ranges) const {
    std::map<Choice, QVariant> values;
    if (opponents) values[Choice::Opponents] = *opponents;
    for (const auto& [opponent, range] : ranges) values[opponentRangeChoice(opponent)] = range;
    write(values);
}

std::optional<QString> SettingsStore::potAmount() const {
    return text(Choice::Pot);
}
void SettingsStore::setPotAmount(const QString& amount) const {
    write(Choice::Pot, amount);
}
std::optional<QString> SettingsStore::callAmount() const {
    return text(Choice::Call);
}
void SettingsStore::setCallAmount(const QString& amount) const {
    write(Choice::Call, amount);
}

QStringList SettingsStore::keys() {
    QStringList keys;
    for (const StoredChoice& stored : kChoices) keys << QString::fromLatin1(stored.key);
    return keys;
}

}  // namespace korvana
