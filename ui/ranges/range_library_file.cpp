#include "ui/ranges/range_library_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

#include "settings/settings_file.h"

namespace korvana::ui {

namespace {

// Far beyond any library typed by hand; a bigger file is no library.
constexpr qint64 kMostBytes = 1 << 20;

}  // namespace

QString RangeLibraryFile::perUserPath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/korvana/ranges.txt");
}

QString RangeLibraryFile::shownName() const {
    return QDir::toNativeSeparators(path_);
}

std::optional<QByteArray> RangeLibraryFile::text(QString* error) const {
    if (path_.isEmpty()) return QByteArray();
    // Looked at before it is opened, so that a pipe there cannot block.
    const SettingsFileCheck check = checkSettingsFile(path_);
    if (check.kind == SettingsFileCheck::Kind::Absent) return QByteArray();
    if (check.kind == SettingsFileCheck::Kind::Unusable) {
        *error = check.reason;
        return std::nullopt;
    }
    QFile file(path_);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = file.errorString();
        return std::nullopt;
    }
    if (file.size() > kMostBytes) {
        *error =
            QCoreApplication::translate("RangeLibrary", "larger than %1 bytes").arg(kMostBytes);
        return std::nullopt;
    }
    return file.read(kMostBytes + 1);
}

RangeLibraryFile::Read RangeLibraryFile::read() const {
    QString error;
    const std::optional<QByteArray> bytes = text(&error);
    if (!bytes) return {RangeLibrary(), error};
    return {RangeLibrary(std::string_view(bytes->constData(), static_cast<size_t>(bytes->size()))),
            std::nullopt};
}

bool RangeLibraryFile::save(const QString& name, const QString& range, Language language,
                            QString* error) const {
    if (path_.isEmpty()) {
        *error = QCoreApplication::translate("RangeLibrary", "there is no file to save into");
        return false;
    }
    // A file that does not read is the player's; it is never written over.
    const std::optional<QByteArray> before = text(error);
    if (!before) return false;
    const std::string old =
        before->isEmpty() ? newLibraryText(language)
                          : std::string(before->constData(), static_cast<size_t>(before->size()));
    const std::string next = withNamedRange(old, name.toStdString(), range.toStdString());

    const QString folder = QFileInfo(path_).absolutePath();
    if (!QDir().mkpath(folder)) {
        *error = QCoreApplication::translate("RangeLibrary", "cannot create the folder");
        return false;
    }
    // The new text goes to a file beside the old one, which it replaces in
    // one rename only once written whole.
    QSaveFile file(path_);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(next.data(), static_cast<qint64>(next.size())) !=
            static_cast<qint64>(next.size()) ||
        !file.commit()) {
        *error = file.errorString();
        return false;
    }
    return true;
}

}  // namespace korvana::ui
