#include "card_faces.h"

#include <QResource>
#include <cstdint>

namespace korvana {

QImage cardFace(const QString& code)
{
    constexpr int kWidth = 36;
    constexpr int kHeight = 51;
    constexpr int kRowBytes = kWidth * 4;
    // Rows of 32-bit pixels, alpha not multiplied in, as the drawing tool wrote them.
    const QResource face(QStringLiteral(":/faces/%1.argb").arg(code));
    if (!face.isValid() || face.compressionAlgorithm() != QResource::NoCompression
        || face.size() != qint64{kRowBytes} * kHeight)
        return {};
    const uchar* pixels = face.data();
    const QImage image(pixels, kWidth, kHeight, kRowBytes, QImage::Format_ARGB32);
    // Pixels that do not lie on a 4-byte boundary are copied once.
    return reinterpret_cast<std::uintptr_t>(pixels) % 4 == 0 ? image : image.copy();
}

QString appIconResource(int size)
{
    return QStringLiteral(":/icons/korvana-%1.png").arg(size);
}

}  // namespace korvana
