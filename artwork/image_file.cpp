#include "artwork/image_file.h"

#include "artwork/artwork_error.h"

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

void saveColourNumbers(const QImage& image, const QString& path) {
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    QList<QRgb> colours;
    QByteArray numbers;
    numbers.reserve(qsizetype{argb.width()} * argb.height());
    for (int y = 0; y < argb.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
        for (int x = 0; x < argb.width(); ++x) {
            qsizetype number = colours.indexOf(row[x]);
            if (number < 0) {
                number = colours.size();
                if (number == 256) fail(path, QStringLiteral("more than 256 colours"));
                colours.append(row[x]);
            }
            numbers.append(static_cast<char>(number));
        }
    }
    QSaveFile file(path);
    openForWriting(file, path);
    const auto count = static_cast<quint32>(colours.size());
    const auto write = [&](const void* data, qsizetype bytes) {
        if (file.write(static_cast<const char*>(data), bytes) != bytes)
            fail(path, file.errorString());
    };
    write(&count, sizeof count);
    write(colours.constData(), colours.size() * qsizetype{sizeof(QRgb)});
    write(numbers.constData(), numbers.size());
    if (!file.commit()) fail(path, file.errorString());
}

}  // namespace korvana::artwork
