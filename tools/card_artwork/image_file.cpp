#include "image_file.h"

#include "artwork_error.h"

#include <QDir>
#include <QFileInfo>
#include <QImageWriter>
#include <QSaveFile>

namespace korvana::artwork {

namespace {

[[noreturn]] void fail(const QString& path, const QString& reason)
{
    throw ArtworkError(QStringLiteral("cannot write %1: %2").arg(QDir::toNativeSeparators(path), reason).toStdString());
}

}  // namespace

void saveImage(const QImage& image, const QString& path, const char* format, int quality)
{
    const QString folder = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(folder))
        fail(path, QStringLiteral("cannot create the folder %1").arg(QDir::toNativeSeparators(folder)));

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        fail(path, file.errorString());

    QImageWriter writer(&file, format);
    if (!writer.canWrite())
        fail(path, QStringLiteral("no %1 image writer (%2)").arg(QString::fromLatin1(format), writer.errorString()));
    // Sharp index letters matter more than a few kilobytes.
    writer.setQuality(quality);
    if (!writer.write(image))
        fail(path, writer.errorString());
    if (!file.commit())
        fail(path, file.errorString());
}

}  // namespace korvana::artwork
