#pragma once
// The player's remembered choices, "language", "autoswitch", "exactchances",
// "highcontrastlights", the two sliders, "transparency" and "fontcolour",
// the win chance's "opponents", each opponent's "opponentrange1" ..
// "opponentrange9" and the older single "opponentrange", and the pot odds'
// "pot" and "call".
//
// Every call opens the store, does its one job and closes it again, so a
// choice is saved the moment it is made and nothing is left to save at exit.
// A store that cannot be written, or a value of the wrong type, throws
// Failure; the caller's handler shows it and stops there.
//
// A settings file is only ever opened when it is a regular file (a link to one
// is fine) that reads without error. Anything else (a folder, a pipe, a
// device, a file that cannot be read) throws Failure once; from then on the
// store and its copies read as never written and write nothing, so the
// program runs on its defaults and leaves that place alone. A write replaces
// the file only once the new text is wholly written: on a full disk the old
// file stays as it was.
#include <QString>
#include <QStringList>
#include <QVariant>
#include <map>
#include <memory>
#include <optional>

#include "engine/text/language.h"

class QSettings;

namespace korvana {

// What the "language" value holds.
struct StoredLanguage {
    bool present = false;  // the value has been written
    // "english" or "russian"; nullopt for any other text, which is left alone.
    std::optional<Language> language;
};

class SettingsStore {
public:
    // Every remembered choice; the .cpp gives each its key and kind of value.
    enum class Choice {
        Language,
        AutoSwitch,
        ExactChances,
        HighContrastLights,
        Transparency,
        FontColour,
        Opponents,
        OpponentRange,
        Pot,
        Call,
        // Opponent n's range is OpponentRange1 + (n - 1).
        OpponentRange1,
        OpponentRange2,
        OpponentRange3,
        OpponentRange4,
        OpponentRange5,
        OpponentRange6,
        OpponentRange7,
        OpponentRange8,
        OpponentRange9,
    };
    // The key of every choice, in the order above: what the store may hold.
    static QStringList keys();

    // The player's own store: the registry key HKEY_CURRENT_USER\Software\Korvana
    // on Windows, elsewhere the INI file Software/Korvana.conf in the user's
    // configuration folder ($XDG_CONFIG_HOME, or ~/.config).
    static SettingsStore perUser();
    enum class Access { ReadWrite, ReadOnly };
    // A store kept in one INI file (tests, portable set-ups). A read-only store
    // refuses every write that would change a value, as a file the player may
    // not write does.
    static SettingsStore inFile(const QString& path, Access access = Access::ReadWrite);

    // The language is stored as the text "english" or "russian", compared
    // exactly. Throws when the value is not text.
    StoredLanguage language() const;
    // Writing the value that is already stored changes nothing and so never
    // fails, even on a store that cannot be written.
    void setLanguage(Language language) const;

    // The auto-switch option, stored as a 32-bit number: any non-zero value is
    // on; nullopt when never written. Throws when the value is not a 32-bit
    // integer. It is written as 1 or 0.
    std::optional<bool> autoSwitch() const;
    void setAutoSwitch(bool on) const;

    // Whether the exact chances are shown beside the odds list, stored as the
    // auto-switch option is (non-zero = on, written as 1 or 0); nullopt when
    // never written. Throws when the value is not a 32-bit integer.
    std::optional<bool> exactChances() const;
    void setExactChances(bool on) const;

    // Whether the odds list uses the high-contrast lights, stored as the
    // exact-chances option is; nullopt when never written (the classic lights).
    std::optional<bool> highContrastLights() const;
    void setHighContrastLights(bool on) const;

    // The positions of the transparency and font colour sliders, stored as
    // whole numbers; nullopt when never written. Throws when the value is not
    // a 32-bit integer. The window keeps a position in the slider's range.
    std::optional<int> transparency() const;
    void setTransparency(int position) const;
    std::optional<int> fontColour() const;
    void setFontColour(int position) const;

    // How many opponents the win chance is counted against, stored as a 32-bit
    // number; nullopt when never written. Throws when the value is not a
    // 32-bit integer. Any number reads: the caller keeps it to 1..9.
    std::optional<int> opponents() const;
    void setOpponents(int opponents) const;

    // The hands every opponent may hold, as the player typed them; nullopt
    // when never written. A list (as a comma-separated line written by hand
    // reads) is joined back with commas. Throws when the value is neither.
    std::optional<QString> opponentRange() const;
    void setOpponentRange(const QString& range) const;

    // Opponent n's range (n = 1..9), read as the single range is; the single
    // range when his own was never written (it was every opponent's before
    // each had his own), nullopt when neither was.
    std::optional<QString> opponentRange(int opponent) const;
    void setOpponentRange(int opponent, const QString& range) const;
    // The number of opponents and any of their ranges (by opponent) at once,
    // in one write: a choice that changes nine values saves the file once.
    void setOpposition(std::optional<int> opponents, const std::map<int, QString>& ranges) const;

    // The pot odds' amounts as the player typed them ("150", "2,5"); nullopt
    // when never written. Throws when the value is not text.
    std::optional<QString> potAmount() const;
    void setPotAmount(const QString& amount) const;
    std::optional<QString> callAmount() const;
    void setCallAmount(const QString& amount) const;

    // Where the values live, as the player would look for them.
    QString location() const;

private:
    enum class Kind { Registry, File };
    // What this run found out about the store, shared by all copies.
    struct Health {
        bool refused = false;  // unusable, and already reported
    };

    // The store opened for reading; null once it has been refused.
    std::unique_ptr<QSettings> openStore() const;
    [[noreturn]] void refuse(const QString& why) const;
    // nullopt when never written (or refused); each throws Failure, naming
    // the key, when the stored value is not of the choice's kind.
    std::optional<QVariant> read(Choice choice) const;
    std::optional<QString> text(Choice choice) const;
    std::optional<int> wholeNumber(Choice choice) const;
    std::optional<bool> onOff(Choice choice) const;
    void write(Choice choice, const QVariant& value) const;
    void write(const std::map<Choice, QVariant>& values) const;

    SettingsStore(Kind kind, QString path, Access access = Access::ReadWrite)
        : kind_(kind),
          path_(std::move(path)),
          access_(access),
          health_(std::make_shared<Health>()) {}

    Kind kind_;
    QString path_;
    Access access_;
    std::shared_ptr<Health> health_;
};

}  // namespace korvana
