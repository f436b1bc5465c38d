#include "services/banner_store.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <cstdio>
#include <cstring>
#endif

namespace korvana::online {

namespace {

const QString kFolderName = QStringLiteral("korvana-banners");

void setError(QString* error, const QString& text) {
    if (error) *error = text;
}

#ifdef Q_OS_UNIX
// A folder that is not a link, belongs to us and nobody else can enter.
bool isPrivateFolder(const QString& path) {
    struct stat st {};
    if (::lstat(QFile::encodeName(path).constData(), &st) != 0) return false;
    return S_ISDIR(st.st_mode) && st.st_uid == ::getuid() && (st.st_mode & 077) == 0;
}
#endif

}  // namespace

PendingPicture::PendingPicture(std::unique_ptr<QTemporaryFile> file, QString finalPath)
    : file_(std::move(file)), finalPath_(std::move(finalPath)) {}

PendingPicture::~PendingPicture() = default;  // QTemporaryFile removes an uncommitted file

QIODevice* PendingPicture::device() const {
    return file_.get();
}

bool PendingPicture::commit(QString* error) {
    if (!file_->flush()) {
        setError(error, file_->errorString());
        return false;
    }
#ifdef Q_OS_UNIX
    // rename() replaces whatever sits at the final name, a link included,
    // instead of writing through it.
    if (::rename(QFile::encodeName(file_->fileName()).constData(),
                 QFile::encodeName(finalPath_).constData()) != 0) {
        setError(error, QString::fromLocal8Bit(std::strerror(errno)));
        return false;
    }
#else
    QFile::remove(finalPath_);
    if (!QFile::rename(file_->fileName(), finalPath_)) {
        setError(error, QStringLiteral("cannot rename the picture into place"));
        return false;
    }
#endif
    file_->setAutoRemove(false);
    file_->close();
    return true;
}

BannerStore::BannerStore(QString folder)
    : folder_(folder.isEmpty() ? defaultFolder() : std::move(folder)) {}

QString BannerStore::defaultFolder() {
#ifdef Q_OS_UNIX
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (QDir::isAbsolutePath(runtime) && isPrivateFolder(runtime))
        return QDir(runtime).filePath(kFolderName);
#endif
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation))
        .filePath(kFolderName);
}

QString BannerStore::picturePath(int n) const {
    return QDir(folder_).filePath(QString::number(n) + QStringLiteral(".gif"));
}

bool BannerStore::prepare(QString* error) const {
    if (folder_.isEmpty() || !QDir::isAbsolutePath(folder_)) {
        setError(error, QStringLiteral("no usable banner folder"));
        return false;
    }
#ifdef Q_OS_UNIX
    const QByteArray path = QFile::encodeName(folder_);
    const QString parent = QFileInfo(folder_).path();
    if (!QDir().mkpath(parent)) {
        setError(error, QStringLiteral("cannot create %1").arg(parent));
        return false;
    }
    if (::mkdir(path.constData(), 0700) != 0 && errno != EEXIST) {
        setError(error, QString::fromLocal8Bit(std::strerror(errno)));
        return false;
    }
    struct stat st {};
    if (::lstat(path.constData(), &st) != 0 || !S_ISDIR(st.st_mode) || st.st_uid != ::getuid()) {
        setError(error, QStringLiteral("%1 is not a folder of this user").arg(folder_));
        return false;
    }
    if ((st.st_mode & 077) != 0 && ::chmod(path.constData(), 0700) != 0) {
        setError(error, QString::fromLocal8Bit(std::strerror(errno)));
        return false;
    }
#else
    if (!QDir().mkpath(folder_) ||
        !QFile::setPermissions(folder_, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner)) {
        setError(error, QStringLiteral("cannot create %1").arg(folder_));
        return false;
    }
#endif
    return true;
}

std::unique_ptr<PendingPicture> BannerStore::beginPicture(int n, QString* error) const {
    if (!prepare(error)) return nullptr;
    const QString finalPath = picturePath(n);
    // Created exclusively under a random name, readable by the owner only.
    auto file = std::make_unique<QTemporaryFile>(finalPath + QStringLiteral(".XXXXXX"));
    if (!file->open()) {
        setError(error, file->errorString());
        return nullptr;
    }
    return std::make_unique<PendingPicture>(std::move(file), finalPath);
}

}  // namespace korvana::online
