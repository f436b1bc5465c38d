#pragma once
// The window is laid out in pixels for "Tahoma" and "Times New Roman". Where
// the system lacks them, the program loads a metric-compatible font file of
// its own or substitutes an installed family, so that the pixel sizes of the
// layout hold.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <vector>

namespace korvana::ui {

struct FontMapping {
    QString family;
    QStringList files;        // font files to load for this program, in order
    QStringList substitutes;  // installed families to draw it with instead
};

// Parses the mapping table (JSON: {"families": [{"family", "files", "substitutes"}]}).
// Malformed entries are skipped; the program then simply uses the system's choice.
std::vector<FontMapping> parseFontMappings(const QByteArray& json);

// The mapping shipped with the program.
std::vector<FontMapping> builtInFontMappings();

// For each family the system does not have: loads the first font file that
// provides it, else registers the substitutes. Returns what each family is
// now drawn with, for diagnostics.
QStringList applyFontMappings(const std::vector<FontMapping>& mappings);

}  // namespace korvana::ui
