#include "ui/odds/odds_list_painter.h"

#include <QFontMetrics>
#include <QPainter>
#include <QRect>

namespace korvana::ui {

void paintOddsRow(QPainter& painter, const QRect& rect, const QString& row, LightPalette palette,
                  RowState state, int sliderPosition) {
    painter.fillRect(rect, lightFill(palette, state));
    painter.setPen(lightText(palette, state, sliderPosition));
    const int baseline = rect.top() + painter.fontMetrics().ascent();
    if (palette == LightPalette::Classic) {
        painter.drawText(rect.left(), baseline, row);
        return;
    }
    // The symbol must not hide the end of a long row (the odds figures are
    // there), so such a row is narrowed to end two pixels before the symbol.
    const QRect symbolBox(rect.right() - rect.height() + 1, rect.top(), rect.height(),
                          rect.height());
    const int room = symbolBox.left() - 2 - rect.left();
    qsizetype end = row.size();  // the trailing blanks draw nothing
    while (end > 0 && row.at(end - 1).isSpace()) --end;
    const qreal width = painter.fontMetrics().horizontalAdvance(row.left(end));
    painter.save();
    painter.translate(rect.left(), baseline);
    if (width > room) painter.scale(room / width, 1);
    painter.drawText(0, 0, row);
    painter.restore();
    paintStateSymbol(painter, symbolBox, state);
}

}  // namespace korvana::ui
