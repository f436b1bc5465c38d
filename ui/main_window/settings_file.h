#pragma once
// The settings file as bytes on disk: what lies at its name, one value changed
// in its text, and the new text put in place whole or not at all.
//
// A value is changed in the text itself, so every other line (other keys,
// other sections, comments) stays as it was, and the file reads as before to
// anything that reads INI files the way QSettings does.
#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace korvana::ui {

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

// The INI text with key = value in its [General] section: every line that set
// the key there goes, one new line is put at the start of the section (a new
// [General] section at the start of the text when it has none). key and value
// must be ready to write: plain letters and digits, or iniValue's text.
QByteArray withGeneralValue(QByteArrayView ini, QByteArrayView key, QByteArrayView value);

// A text value as QSettings writes it into an INI file and reads it back as
// the same text: quoted when it holds a comma, semicolon or equals sign or
// starts or ends with a blank, with backslash escapes for quotes,
// backslashes and every character that is not printable ASCII.
QByteArray iniValue(const QString& text);

// Replaces the file at path (creating its folder) with text. Every write and
// the final flush are checked before the new file takes the old one's place,
// so on any failure the old file is left as it was; false with the system's
// reason in *error then.
bool replaceSettingsFile(const QString& path, const QByteArray& text, QString* error);

}  // namespace korvana::ui
