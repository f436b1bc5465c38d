#include "artwork/faces/card_faces.h"

#include <QResource>
#include <algorithm>
#include <cstdint>
#include <cstring>

#include "artwork/faces/artwork_names.h"

namespace korvana {

namespace {

QString cardFaceResource(const QString& code, int pixelRatio) {
    return withPixelRatio(QStringLiteral(":/faces/%1.face").arg(code), pixelRatio);
}

}  // namespace

QImage cardFace(const QString& code, int pixelRatio) {
    // The colour count, the colours, then a colour number per pixel (see
    // saveColourNumbers in the artwork tool).
    const int width = 36 * pixelRatio;
    const int height = 51 * pixelRatio;
    const QResource face(cardFaceResource(code, pixelRatio));
    if (!face.isValid() || face.compressionAlgorithm() != QResource::NoCompression) return {};
    const uchar* data = face.data();
    quint32 count = 0;
    if (face.size() < qint64{sizeof count}) return {};
    std::memcpy(&count, data, sizeof count);
    const qint64 pixelCount = qint64{width} * height;
    if (count == 0 || count > 256 ||
        face.size() != qint64{sizeof count} + qint64{count} * qint64{sizeof(QRgb)} + pixelCount)
        return {};
    QList<QRgb> colours(count);
    std::memcpy(colours.data(), data + sizeof count, count * sizeof(QRgb));
    const uchar* numbers = data + sizeof count + count * sizeof(QRgb);
    // A number past the colours would make the painter read past them.
    if (std::any_of(numbers, numbers + pixelCount, [count](uchar n) { return n >= count; }))
        return {};
    QImage image(numbers, width, height, width, QImage::Format_Indexed8);
    // Rows that do not lie on a 4-byte boundary are copied once.
    if (reinterpret_cast<std::uintptr_t>(numbers) % 4 != 0) image = image.copy();
    image.setColorTable(colours);
    image.setDevicePixelRatio(pixelRatio);
    return image;
}

QString appIconResource(int size) {
    return QStringLiteral(":/icons/korvana-%1.png").arg(size);
}

}  // namespace korvana
