#include "artwork/court_emblems.h"

#include <QTransform>

namespace korvana::artwork {

namespace {

// All three are drawn in a 2 x 1 box: x 0..2, y 0 (top) .. 1 (bottom).

QPainterPath crown() {
    QPainterPath p;
    p.moveTo(0.15, 1.0);
    p.lineTo(0.1, 0.3);
    p.lineTo(0.55, 0.62);
    p.lineTo(1.0, 0.12);
    p.lineTo(1.45, 0.62);
    p.lineTo(1.9, 0.3);
    p.lineTo(1.85, 1.0);
    p.closeSubpath();
    for (QPointF tip : {QPointF(0.1, 0.22), QPointF(1.0, 0.08), QPointF(1.9, 0.22)})
        p.addEllipse(tip, 0.11, 0.11);
    p.setFillRule(Qt::WindingFill);
    return p.simplified();
}

QPainterPath coronet() {
    QPainterPath p;
    p.moveTo(0.2, 1.0);
    p.lineTo(0.2, 0.55);
    p.quadTo(0.45, 0.05, 0.7, 0.55);
    p.quadTo(1.0, -0.1, 1.3, 0.55);
    p.quadTo(1.55, 0.05, 1.8, 0.55);
    p.lineTo(1.8, 1.0);
    p.closeSubpath();
    for (QPointF pearl : {QPointF(0.45, 0.2), QPointF(1.0, 0.12), QPointF(1.55, 0.2)})
        p.addEllipse(pearl, 0.13, 0.13);
    p.setFillRule(Qt::WindingFill);
    return p.simplified();
}

QPainterPath plumedCap() {
    QPainterPath p;
    // A soft cap on a band.
    p.moveTo(0.15, 1.0);
    p.lineTo(0.15, 0.78);
    p.cubicTo(0.2, 0.25, 1.45, 0.25, 1.5, 0.78);
    p.lineTo(1.5, 1.0);
    p.closeSubpath();
    // The feather rising from its side.
    p.moveTo(1.15, 0.55);
    p.cubicTo(1.3, 0.15, 1.62, 0.0, 1.98, 0.0);
    p.cubicTo(1.75, 0.2, 1.58, 0.45, 1.42, 0.75);
    p.closeSubpath();
    p.setFillRule(Qt::WindingFill);
    return p.simplified();
}

}  // namespace

QPainterPath courtEmblem(char rank, const QRectF& box) {
    QPainterPath shape;
    switch (rank) {
        case 'K': shape = crown(); break;
        case 'Q': shape = coronet(); break;
        case 'J': shape = plumedCap(); break;
        default: return {};
    }
    QTransform t;
    t.translate(box.left(), box.top());
    t.scale(box.width() / 2.0, box.height());
    return t.map(shape);
}

}  // namespace korvana::artwork
