#pragma once
// The library of named ranges on disk (see engine/ranges/range_library.h):
// read whole when it is a regular file of a sane size, and a range saved
// into it all or nothing, every other line kept as the player wrote it.
#include <QString>
#include <optional>

#include "engine/ranges/range_library.h"
#include "engine/text/language.h"

namespace korvana::ui {

class RangeLibraryFile {
public:
    // No path: the built-in ranges alone, and nothing can be saved.
    RangeLibraryFile() = default;
    explicit RangeLibraryFile(QString path) : path_(std::move(path)) {}
    // korvana/ranges.txt in the user's configuration folder ($XDG_CONFIG_HOME,
    // or ~/.config), where korvana-odds looks too.
    static QString perUserPath();

    QString path() const { return path_; }
    // The file's name as the player reads it in a problem.
    QString shownName() const;

    struct Read {
        RangeLibrary library;
        std::optional<QString> unreadable;  // why the file could not be read
    };
    // The built-in ranges alone when there is no file yet.
    Read read() const;

    // Saves `name = range`. False with the reason in *error when the file
    // cannot be read (it is then left alone) or written; the old file then
    // stays as it was.
    bool save(const QString& name, const QString& range, Language language, QString* error) const;

private:
    // The file's text; an empty one for no file.
    std::optional<QByteArray> text(QString* error) const;

    QString path_;
};

}  // namespace korvana::ui
