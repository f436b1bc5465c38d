#include "artwork/card_outline.h"

namespace korvana::artwork {

void paintCardBlank(QPainter& painter, const QRectF& bounds, qreal cornerRadius) {
    painter.save();
    painter.setPen(QPen(QColor::fromRgba(kCardEdge), 1.0));
    painter.setBrush(QColor::fromRgba(kCardWhite));
    // Half-pixel inset keeps the one-pixel edge on whole pixels.
    painter.drawRoundedRect(bounds.adjusted(0.5, 0.5, -0.5, -0.5), cornerRadius, cornerRadius);
    painter.restore();
}

}  // namespace korvana::artwork
