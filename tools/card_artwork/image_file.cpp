#include "image_file.h"

#include "artwork_error.h"

#include <QDir>
#include <QFileInfo>
#include <QImageWriter>
#include <QSaveFile>

namespace korvana::artwork {

namespace {

[[noreturn]] void fail(const QString& path, const QString& reason) {
    throw ArtworkError(QStringLiteral("cannot write %1: %2")
                           .arg(QDir::toNativeSeparators(path), reason)
                           .toStdString());
}

// Opens file for path, creating missing folders.
void openForWriting(QSaveFile& file, const QString& path) {
    const QString folder = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(folder))
        fail(path,
             QStringLiteral("cannot create the folder %1").arg(QDir::toNativeSeparators(folder)));
    if (!file.open(QIODevice::WriteOnly)) fail(path, file.errorString());
}

}  // namespace

void saveImage(const QImage& image, const QString& path, const char* format, int quality) {
    QSaveFile file(path);
    openForWriting(file, path);

    QImageWriter writer(&file, format);
    if (!writer.canWrite())
        fail(path, QStringLiteral("no %1 image writer (%2)")
                       .arg(QString::fromLatin1(format), writer.errorString()));
    // Sharp index letters matter more than a few kilobytes.
    writer.setQuality(quality);
    if (!writer.write(image)) fail(path, writer.errorString());
    if (!file.commit()) fail(path, file.errorString());
}

void saveRawPixels(const QImage& image, const QString& path) {
    QSaveFile file(path);
    openForWriting(file, path);
    const qsizetype rowBytes = image.width() * image.depth() / 8;
    for (int y = 0; y < image.height(); ++y) {
        const auto* row = reinterpret_cast<const char*>(image.constScanLine(y));
        if (file.write(row, rowBytes) != rowBytes) fail(path, file.errorString());
    }
    if (!file.commit()) fail(path, file.errorString());
}

}  // namespace korvana::artwork
