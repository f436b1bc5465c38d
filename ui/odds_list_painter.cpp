#include "odds_list_painter.h"

#include <QFontMetrics>
#include <QPainter>
#include <QRect>

namespace korvana::ui {

QColor rowFill(RowState state) {
    switch (state) {
        case RowState::Complete: return kCompleteFill;
        case RowState::Possible: return kPossibleFill;
        case RowState::Impossible: break;
    }
    return kImpossibleFill;
}

QColor rowTextColour(int sliderPosition) {
    const int grey = 10 * sliderPosition + 5;
    return {grey, grey, grey};
}

void paintOddsRow(QPainter& painter, const QRect& rect, const QString& row, RowState state,
                  const QColor& text) {
    painter.fillRect(rect, rowFill(state));
    painter.setPen(text);
    painter.drawText(rect.left(), rect.top() + painter.fontMetrics().ascent(), row);
}

}  // namespace korvana::ui
