#include "ui/odds/light_palette.h"

#include <QPainter>
#include <QPainterPath>
#include <QRect>
#include <algorithm>
#include <cstdlib>

#include "ui/odds/colour_vision.h"

namespace korvana::ui {
namespace {

const QColor kImpossibleFill(255, 0, 0);  // red
const QColor kPossibleFill(230, 230, 0);  // yellow
const QColor kCompleteFill(0, 128, 0);    // green

const QColor kHighContrastImpossible(150, 40, 40);  // dark red
const QColor kHighContrastPossible(240, 228, 66);   // yellow
const QColor kHighContrastComplete(0, 114, 178);    // blue

QColor grey(int level) {
    return {level, level, level};
}

}  // namespace

QColor lightFill(LightPalette palette, RowState state) {
    const bool classic = palette == LightPalette::Classic;
    switch (state) {
        case RowState::Complete: return classic ? kCompleteFill : kHighContrastComplete;
        case RowState::Possible: return classic ? kPossibleFill : kHighContrastPossible;
        case RowState::Impossible: break;
    }
    return classic ? kImpossibleFill : kHighContrastImpossible;
}

QColor readableTextOn(const QColor& fill) {
    const QColor black(0, 0, 0), white(255, 255, 255);
    return contrastRatio(black, fill) >= contrastRatio(white, fill) ? black : white;
}

QColor lightText(LightPalette palette, RowState state, int sliderPosition) {
    const int wanted = 10 * sliderPosition + 5;
    if (palette == LightPalette::Classic) return grey(wanted);
    const QColor fill = lightFill(palette, state);
    int best = -1;
    for (int level = 0; level <= 255; ++level) {
        if (contrastRatio(grey(level), fill) < kReadableContrast) continue;
        if (best < 0 || std::abs(level - wanted) < std::abs(best - wanted)) best = level;
    }
    // Every fill of the palette has a readable grey (black or white at worst).
    return best < 0 ? readableTextOn(fill) : grey(best);
}

void paintStateSymbol(QPainter& painter, const QRect& rect, RowState state) {
    const int side = std::min(rect.width(), rect.height());
    if (side < 4) return;
    const QRectF box(rect.center().x() - side / 2.0 + 0.5, rect.center().y() - side / 2.0 + 0.5,
                     side, side);
    const QRectF inner = box.adjusted(side * 0.2, side * 0.2, -side * 0.2, -side * 0.2);
    const QColor colour = painter.pen().color();
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    QPen pen(colour, std::max(1.5, side / 8.0), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    switch (state) {
        case RowState::Complete: {
            QPainterPath tick;
            tick.moveTo(inner.left(), inner.center().y());
            tick.lineTo(inner.left() + inner.width() * 0.4, inner.bottom());
            tick.lineTo(inner.right(), inner.top());
            painter.drawPath(tick);
            break;
        }
        case RowState::Possible: {
            painter.drawEllipse(inner);
            QPainterPath left;
            left.moveTo(inner.center());
            left.arcTo(inner, 90, 180);
            left.closeSubpath();
            painter.fillPath(left, colour);
            break;
        }
        case RowState::Impossible:
            painter.drawLine(inner.topLeft(), inner.bottomRight());
            painter.drawLine(inner.topRight(), inner.bottomLeft());
            break;
    }
    painter.restore();
}

}  // namespace korvana::ui
