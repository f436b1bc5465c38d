#include "services/regular_file.h"

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <cstring>
#else
#include <QFileInfo>
#endif

namespace korvana {

namespace {

bool failWith(QString* error, const QString& why) {
    if (error) *error = why;
    return false;
}

}  // namespace

bool openRegularFile(QFile& file, QString* error) {
#ifdef Q_OS_UNIX
    // O_NONBLOCK: opening a pipe or a device returns at once instead of
    // waiting for a writer or a carrier.
    const int fd = ::open(QFile::encodeName(file.fileName()).constData(),
                          O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) return failWith(error, QString::fromLocal8Bit(std::strerror(errno)));
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return failWith(error, QStringLiteral("Not a regular file"));
    }
    // Reads from a regular file never wait anyway; clear the flag all the same.
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags >= 0) ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return failWith(error, file.errorString());
    }
    return true;
#else
    if (!QFileInfo(file.fileName()).isFile())
        return failWith(error, QStringLiteral("Not a regular file"));
    if (!file.open(QIODevice::ReadOnly)) return failWith(error, file.errorString());
    return true;
#endif
}

}  // namespace korvana
