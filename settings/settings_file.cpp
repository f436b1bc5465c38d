#include "settings/settings_file.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStorageInfo>
#include <QTemporaryFile>

#include <filesystem>
#include <system_error>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#include <cerrno>
#include <cstring>
#endif

namespace korvana {

SettingsFileCheck checkSettingsFile(const QString& path) {
    using Kind = SettingsFileCheck::Kind;
#ifdef Q_OS_UNIX
    const QByteArray name = QFile::encodeName(path);
    struct stat st {};
    if (::lstat(name.constData(), &st) != 0) {
        if (errno == ENOENT || errno == ENOTDIR) return {Kind::Absent, {}};
        return {Kind::Unusable, QString::fromLocal8Bit(std::strerror(errno))};
    }
    if (S_ISLNK(st.st_mode) && ::stat(name.constData(), &st) != 0)
        return {Kind::Unusable, QStringLiteral("a link that leads nowhere")};
    if (S_ISREG(st.st_mode)) return {Kind::Regular, {}};
#else
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink()) return {Kind::Absent, {}};
    if (info.isFile()) return {Kind::Regular, {}};
#endif
    return {Kind::Unusable, QStringLiteral("not a regular file")};
}

namespace {

// What keeps a file from being written, in the player's words: QSettings says
// only that it could not write, and a nearly full disk is the usual cause.
QString whyNotWritten(const QString& folder, qint64 size, const QString& systemReason) {
    const QStorageInfo disk(folder);
    if (disk.isValid() && disk.bytesAvailable() < size + 4096)
        return QStringLiteral("no space left on the disk");
    if (!systemReason.isEmpty() && systemReason != QLatin1String("Unknown error"))
        return systemReason;
    return QStringLiteral("the file cannot be written");
}

}  // namespace

bool saveSettingsValue(const QString& path, const QString& key, const QVariant& value,
                       QString* error) {
    return saveSettingsValues(path, {{key, value}}, error);
}

bool saveSettingsValues(const QString& path, const QVariantMap& values, QString* error) {
    qint64 newBytes = 64;
    for (auto it = values.cbegin(); it != values.cend(); ++it)
        newBytes += it.key().size() + it.value().toString().size() + 4;
    const auto fail = [error](const QString& why) {
        if (error) *error = why;
        return false;
    };
    // A link keeps leading to the file it led to: the new file replaces that one.
    const QFileInfo info(path);
    const QString target = info.isSymLink() ? info.canonicalFilePath() : info.absoluteFilePath();
    const QString folder = QFileInfo(target).absolutePath();
    if (!QDir().mkpath(folder)) return fail(QStringLiteral("cannot create the folder"));

    const qint64 oldSize = info.exists() ? QFileInfo(target).size() : 0;
    const QDateTime oldTime = info.exists() ? QFileInfo(target).lastModified() : QDateTime();
    QTemporaryFile next(target + QStringLiteral(".XXXXXX"));
    if (!next.open()) return fail(whyNotWritten(folder, oldSize, next.errorString()));
    next.close();
    QVariantMap expected;
    {
        const QSettings before(path, QSettings::IniFormat);
        QSettings after(next.fileName(), QSettings::IniFormat);
        for (const QString& name : before.allKeys()) {
            expected[name] = before.value(name);
            after.setValue(name, expected[name]);
        }
        for (auto it = values.cbegin(); it != values.cend(); ++it) {
            expected[it.key()] = it.value();
            after.setValue(it.key(), it.value());
        }
        after.sync();
        if (after.status() != QSettings::NoError)
            return fail(whyNotWritten(folder, oldSize + newBytes, {}));
    }
    // On a full disk QSettings can report success for a file it left empty or
    // cut short, and it answers a second reader of the same name from memory:
    // the new file is read back under another name, and must hold every value.
    if (!next.rename(next.fileName() + QStringLiteral("-check")))
        return fail(whyNotWritten(folder, oldSize, next.errorString()));
    {
        const QSettings check(next.fileName(), QSettings::IniFormat);
        bool whole =
            check.status() == QSettings::NoError && check.allKeys().size() == expected.size();
        for (auto it = expected.cbegin(); whole && it != expected.cend(); ++it) {
            const QVariant read = check.value(it.key());
            whole = it.value().typeId() == QMetaType::QStringList
                        ? read.toStringList() == it.value().toStringList()
                        : read.toString() == it.value().toString();
        }
        if (!whole) {
            QFile::remove(next.fileName());
            return fail(whyNotWritten(folder, oldSize + newBytes, {}));
        }
    }
    // QSettings in this process takes a file of the same size and time (to the
    // millisecond) for the one it read last: a second save within the same
    // millisecond must not read as the first.
    QFile written(next.fileName());
    if (oldTime.isValid() && written.size() == oldSize &&
        QFileInfo(written).lastModified() <= oldTime && written.open(QIODevice::Append))
        written.setFileTime(oldTime.addMSecs(1), QFileDevice::FileModificationTime);
    written.close();

    std::error_code renamed;
    std::filesystem::rename(QFile::encodeName(next.fileName()).constData(),
                            QFile::encodeName(target).constData(), renamed);
    if (renamed) {
        QFile::remove(next.fileName());
        return fail(QString::fromLocal8Bit(renamed.message()));
    }
    next.setAutoRemove(false);  // its name is the settings file's now
    return true;
}

}  // namespace korvana
