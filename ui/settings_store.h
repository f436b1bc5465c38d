#pragma once
// The player's remembered choices, "language", "autoswitch" and "exactchances".
//
// Every call opens the store, does its one job and closes it again, so a
// choice is saved the moment it is made and nothing is left to save at exit.
// A store that cannot be read or written, or a value of the wrong type, throws
// Failure; the caller's handler shows it and stops there.
#include <QString>
#include <optional>

namespace korvana::ui {

class SettingsStore {
public:
    // The player's own store: the registry key HKEY_CURRENT_USER\Software\Korvana
    // on Windows, elsewhere the native per-user settings file of organisation
    // "Software", application "Korvana" ($XDG_CONFIG_HOME/Software/Korvana.conf
    // on Linux).
    static SettingsStore perUser();
    enum class Access { ReadWrite, ReadOnly };
    // A store kept in one INI file (tests, portable set-ups). A read-only store
    // refuses every write that would change a value, as a file the player may
    // not write does.
    static SettingsStore inFile(const QString& path, Access access = Access::ReadWrite);

    // "english" or "russian" as stored (any other text is returned as it is);
    // nullopt when never written. Throws when the value is not text.
    std::optional<QString> language() const;
    // Writing the value that is already stored changes nothing and so never
    // fails, even on a store that cannot be written.
    void setLanguage(const QString& value) const;

    // The stored auto-switch value (non-zero = on); nullopt when never written.
    // Throws when the value is not a 32-bit integer.
    std::optional<int> autoswitch() const;
    void setAutoswitch(int value) const;

    // Whether the exact chances are shown beside the odds list (non-zero = on);
    // nullopt when never written. Throws when the value is not a 32-bit integer.
    std::optional<int> exactChances() const;
    void setExactChances(int value) const;

    // Where the values live, as the player would look for them.
    QString location() const;

private:
    enum class Kind { PerUser, File };
    std::optional<int> wholeNumber(const QString& key) const;
    void setWholeNumber(const QString& key, int value) const;

    SettingsStore(Kind kind, QString path, Access access = Access::ReadWrite)
        : kind_(kind), path_(std::move(path)), access_(access) {}

    Kind kind_;
    QString path_;
    Access access_;
};

}  // namespace korvana::ui
