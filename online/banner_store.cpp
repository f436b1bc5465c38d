#include "banner_store.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace korvana::online {

namespace {

const QString kFolderName = QStringLiteral("korvana-banners");

void setError(QString *error, const QString &text)
{
    if (error)
        *error = text;
}

#ifdef Q_OS_UNIX
// A folder that is not a link, belongs to us and nobody else can enter.
bool isPrivateFolder(const QString &path)
{
    struct stat st {};
    if (::lstat(QFile::encodeName(path).constData(), &st) != 0)
        return false;
    return S_ISDIR(st.st_mode) && st.st_uid == ::getuid() && (st.st_mode & 077) == 0;
}
#endif

}  // namespace

PendingPicture::PendingPicture(std::unique_ptr<QTemporaryFile> file, QString finalPath)
    : m_file(std::move(file)), m_finalPath(std::move(finalPath))
{
}

PendingPicture::~PendingPicture() = default;  // QTemporaryFile removes an uncommitted file

QIODevice *PendingPicture::device() const { return m_file.get(); }

bool PendingPicture::commit(QString *error)
{
    if (!m_file->flush()) {
        setError(error, m_file->errorString());
        return false;
    }
#ifdef Q_OS_UNIX
    // rename() replaces whatever sits at the final name, a link included,
    // instead of writing through it.
    if (::rename(QFile::encodeName(m_file->fileName()).constData(), QFile::encodeName(m_finalPath).constData()) != 0) {
        setError(error, QString::fromLocal8Bit(std::strerror(errno)));
        return false;
    }
#else
    QFile::remove(m_finalPath);
    if (!QFile::rename(m_file->fileName(), m_finalPath)) {
        setError(error, QStringLiteral("cannot rename the picture into place"));
        return false;
    }
#endif
    m_file->setAutoRemove(false);
    m_file->close();
    return true;
}

BannerStore::BannerStore(QString folder) : m_folder(folder.isEmpty() ? defaultFolder() : std::move(folder)) {}

QString BannerStore::defaultFolder()
{
#ifdef Q_OS_UNIX
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (QDir::isAbsolutePath(runtime) && isPrivateFolder(runtime))
        return QDir(runtime).filePath(kFolderName);
#endif
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation)).filePath(kFolderName);
}

QString BannerStore::picturePath(int n) const { return QDir(m_folder).filePath(QString::number(n) + QStringLiteral(".gif")); }

bool BannerStore::prepare(QString *error) const
{
    if (m_folder.isEmpty() || !QDir::isAbsolutePath(m_folder)) {
        setError(error, QStringLiteral("no usable banner folder"));
        return false;
    }
#ifdef Q_OS_UNIX
    const QByteArray path = QFile::encodeName(m_folder);
    const QString parent = QFileInfo(m_folder).path();
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
        setError(error, QStringLiteral("%1 is not a folder of this user").arg(m_folder));
        return false;
    }
    if ((st.st_mode & 077) != 0 && ::chmod(path.constData(), 0700) != 0) {
        setError(error, QString::fromLocal8Bit(std::strerror(errno)));
        return false;
    }
#else
    if (!QDir().mkpath(m_folder)
        || !QFile::setPermissions(m_folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner)) {
        setError(error, QStringLiteral("cannot create %1").arg(m_folder));
        return false;
    }
#endif
    return true;
}

std::unique_ptr<PendingPicture> BannerStore::beginPicture(int n, QString *error) const
{
    if (!prepare(error))
        return nullptr;
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
