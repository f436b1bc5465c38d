#pragma once
// The card blank shared by the big pictures, the picker faces and the icon.
#include <QPainter>
#include <QRectF>

namespace korvana::artwork {

inline constexpr QRgb kCardWhite = 0xffffffff;
inline constexpr QRgb kCardEdge = 0xff8c8c8c;

// A white card with a thin grey edge and rounded corners filling bounds.
void paintCardBlank(QPainter& painter, const QRectF& bounds, qreal cornerRadius);

// Runs draw twice: as is, then turned half round about centre, for the
// two-ended designs of playing cards.
template <typename Draw>
void paintBothEnds(QPainter& painter, QPointF centre, Draw draw) {
    draw();
    painter.save();
    painter.translate(centre);
    painter.rotate(180);
    painter.translate(-centre);
    draw();
    painter.restore();
}

}  // namespace korvana::artwork
