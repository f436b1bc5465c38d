#include "artwork/icon_painter.h"

#include "artwork/card_outline.h"
#include "artwork/suit_shapes.h"
#include "artwork/vector_text.h"

#include <QPainter>

namespace korvana::artwork {

namespace {

// Drawn on a 256-unit canvas and scaled; the cards turn about a common point
// below their bottom edges, like a hand of cards held together.
constexpr qreal kCanvas = 256;
const QPointF kPivot(128, 238);
const QRectF kCard(-62, -190, 124, 180);

void paintAce(QPainter& painter, char suit, qreal angle, bool withIndex, qreal edgeWidth) {
    painter.save();
    painter.translate(kPivot);
    painter.rotate(angle);
    painter.setPen(QPen(QColor::fromRgba(kCardEdge).darker(130), edgeWidth));
    painter.setBrush(QColor::fromRgba(kCardWhite));
    painter.drawRoundedRect(kCard, 16, 16);
    painter.setPen(Qt::NoPen);

    const QColor ink = suitColor(suit);
    // With corner letters the big symbol shrinks and drops to keep clear of them.
    const qreal pip = withIndex ? 66 : 96;
    const QPointF middle = kCard.center() + QPointF(0, withIndex ? 12 : 0);
    painter.fillPath(
        suitShapeIn(suit, QRectF(middle.x() - pip / 2, middle.y() - pip / 2, pip, pip)), ink);
    if (withIndex) {
        const QRectF letter(kCard.left() + 10, kCard.top() + 12, 30, 32);
        painter.fillPath(fitInto(letterOutline(QStringLiteral("A")), letter), ink);
        painter.fillPath(suitShapeIn(suit, QRectF(letter.left() + 5, letter.bottom() + 5, 20, 20)),
                         ink);
    }
    painter.restore();
}

}  // namespace

QImage paintIcon(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHints(QPainter::Antialiasing);
    painter.scale(size / kCanvas, size / kCanvas);

    // Corner letters only where they can be read; the edge never thinner than a pixel.
    const bool withIndex = size >= 48;
    const qreal edgeWidth = qMax<qreal>(4, kCanvas / size);
    paintAce(painter, 'h', -18, withIndex, edgeWidth);
    paintAce(painter, 's', 12, withIndex, edgeWidth);
    return image;
}

}  // namespace korvana::artwork
