#include "artwork/face_painter.h"

#include "artwork/card_outline.h"
#include "artwork/suit_shapes.h"
#include "artwork/vector_text.h"

#include <QPainter>

namespace korvana::artwork {

QImage paintCardFace(const CardArt& card, int pixelRatio) {
    QImage image(kFaceSize * pixelRatio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(pixelRatio);  // the painter then works in layout pixels
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHints(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    paintCardBlank(painter, QRectF(QPointF(0, 0), kFaceSize), 3.5);

    const QColor ink = suitColor(card.suit);
    painter.fillPath(fitInto(letterOutline(card.rankLabel()), QRectF(2.5, 3.5, 17, 15)), ink);
    painter.fillPath(suitShapeIn(card.suit, QRectF(5, 21, 9, 9)), ink);
    painter.fillPath(suitShapeIn(card.suit, QRectF(14, 27, 19, 19)), ink);
    return image;
}

}  // namespace korvana::artwork
