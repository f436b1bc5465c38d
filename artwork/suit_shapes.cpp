#include "artwork/suit_shapes.h"

#include <QTransform>

namespace korvana::artwork {

namespace {

QPainterPath heart() {
    QPainterPath p;
    p.moveTo(0.5, 0.24);
    p.cubicTo(0.47, 0.08, 0.36, 0.0, 0.25, 0.0);
    p.cubicTo(0.1, 0.0, 0.0, 0.12, 0.0, 0.29);
    p.cubicTo(0.0, 0.56, 0.3, 0.72, 0.5, 1.0);
    p.cubicTo(0.7, 0.72, 1.0, 0.56, 1.0, 0.29);
    p.cubicTo(1.0, 0.12, 0.9, 0.0, 0.75, 0.0);
    p.cubicTo(0.64, 0.0, 0.53, 0.08, 0.5, 0.24);
    p.closeSubpath();
    return p;
}

QPainterPath diamond() {
    QPainterPath p;
    p.moveTo(0.5, 0.0);
    p.quadTo(0.64, 0.3, 0.88, 0.5);
    p.quadTo(0.64, 0.7, 0.5, 1.0);
    p.quadTo(0.36, 0.7, 0.12, 0.5);
    p.quadTo(0.36, 0.3, 0.5, 0.0);
    p.closeSubpath();
    return p;
}

// A flared foot shared by the two black suits.
QPainterPath stem(qreal top) {
    QPainterPath p;
    p.moveTo(0.5, top);
    p.cubicTo(0.51, 0.84, 0.44, 0.95, 0.29, 1.0);
    p.lineTo(0.71, 1.0);
    p.cubicTo(0.56, 0.95, 0.49, 0.84, 0.5, top);
    p.closeSubpath();
    return p;
}

QPainterPath spade() {
    QPainterPath p;
    p.moveTo(0.5, 0.0);
    p.cubicTo(0.4, 0.18, 0.0, 0.36, 0.0, 0.6);
    p.cubicTo(0.0, 0.76, 0.12, 0.84, 0.25, 0.84);
    p.cubicTo(0.36, 0.84, 0.45, 0.79, 0.5, 0.7);
    p.cubicTo(0.55, 0.79, 0.64, 0.84, 0.75, 0.84);
    p.cubicTo(0.88, 0.84, 1.0, 0.76, 1.0, 0.6);
    p.cubicTo(1.0, 0.36, 0.6, 0.18, 0.5, 0.0);
    p.closeSubpath();
    return p.united(stem(0.62));
}

QPainterPath club() {
    constexpr qreal r = 0.215;
    QPainterPath p;
    p.addEllipse(QPointF(0.5, 0.235), r, r);
    p.addEllipse(QPointF(0.235, 0.575), r, r);
    p.addEllipse(QPointF(0.765, 0.575), r, r);
    p.addEllipse(QPointF(0.5, 0.5), 0.13, 0.13);  // fills the gap between the leaves
    p.setFillRule(Qt::WindingFill);
    return p.united(stem(0.5));
}

}  // namespace

QPainterPath suitShape(char suit) {
    switch (suit) {
        case 'c': return club();
        case 'd': return diamond();
        case 'h': return heart();
        default: return spade();
    }
}

QPainterPath suitShapeIn(char suit, const QRectF& box) {
    const qreal side = qMin(box.width(), box.height());
    QTransform t;
    t.translate(box.center().x() - side / 2, box.center().y() - side / 2);
    t.scale(side, side);
    return t.map(suitShape(suit));
}

QColor suitColor(char suit) {
    return (suit == 'd' || suit == 'h') ? QColor(0xc4, 0x1e, 0x24) : QColor(0x1b, 0x1b, 0x1f);
}

}  // namespace korvana::artwork
