#pragma once
// The settings file on disk: what lies at its name, and a new value saved in
// it whole or not at all.
#include <QString>
#include <QVariant>

namespace korvana {

struct SettingsFileCheck {
    enum class Kind {
        Absent,   // nothing there (or a folder on the way is a file): a write creates it
        Regular,  // a regular file, possibly through a link
        Unusable  // a folder, pipe, device, link to nothing, or not to be looked at
    };
    Kind kind;
    QString reason;  // why it is unusable
};

// Looks at what lies at path without opening it, so that nothing can block.
SettingsFileCheck checkSettingsFile(const QString& path);

// Saves key = value in the INI file at path (a regular file, a link to one,
// or nothing yet, in which case its folder is made), keeping every other
// value. QSettings writes the whole new file beside the real one, and only a
// file it wrote without error takes the real one's place, in one rename: on a
// full disk the old file stays as it was. False with the reason in *error
// otherwise ("no space left on the disk", or the system's own words).
bool saveSettingsValue(const QString& path, const QString& key, const QVariant& value,
                       QString* error);
// The same for several values at once, in one new file.
bool saveSettingsValues(const QString& path, const QVariantMap& values, QString* error);

}  // namespace korvana
