#include "card_faces.h"

#include <QResource>
#include <cstdint>

#include "artwork_names.h"

namespace korvana {

namespace {

// Rows of 32-bit ARGB pixels, alpha not multiplied in, nothing between them.
QString cardFaceResource(const QString& code, int pixelRatio) {
    return withPixelRatio(QStringLiteral(":/faces/%1.argb").arg(code), pixelRatio);
}

}  // namespace

QImage cardFace(const QString& code, int pixelRatio) {
    const int width = 36 * pixelRatio;
    const int height = 51 * pixelRatio;
    const int rowBytes = width * 4;
    const QResource face(cardFaceResource(code, pixelRatio));
    if (!face.isValid() || face.compressionAlgorithm() != QResource::NoCompression ||
        face.size() != qint64{rowBytes} * height)
        return {};
    const uchar* pixels = face.data();
    QImage image(pixels, width, height, rowBytes, QImage::Format_ARGB32);
    // Pixels that do not lie on a 4-byte boundary are copied once.
    if (reinterpret_cast<std::uintptr_t>(pixels) % 4 != 0) image = image.copy();
    image.setDevicePixelRatio(pixelRatio);
    return image;
}

QString appIconResource(int size) {
    return QStringLiteral(":/icons/korvana-%1.png").arg(size);
}

}  // namespace korvana
