#include "odds_list_painter.h"

#include <QFontMetrics>
#include <QPainter>
#include <QRect>

#include "odds_row.h"

namespace korvana::ui {

std::optional<QColor> rowFill(const QString& row) {
    if (!row.endsWith(QLatin1Char(' '))) return std::nullopt;
    switch (lightOf(row.toStdString())) {
        case Light::Green: return kCompleteFill;
        case Light::Yellow: return kPossibleFill;
        case Light::Red: break;
    }
    return kImpossibleFill;
}

QColor rowTextColour(int sliderPosition) {
    const int grey = 10 * sliderPosition + 5;
    return {grey, grey, grey};
}

void paintOddsRow(QPainter& painter, const QRect& rect, const QString& row, const QColor& text,
                  const QColor& background) {
    painter.fillRect(rect, rowFill(row).value_or(background));
    painter.setPen(text);
    painter.drawText(rect.left(), rect.top() + painter.fontMetrics().ascent(), row);
}

}  // namespace korvana::ui
