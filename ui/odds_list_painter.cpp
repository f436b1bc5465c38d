#include "odds_list_painter.h"

#include <QFontMetrics>
#include <QPainter>
#include <QRect>

namespace korvana::ui {

std::optional<QColor> rowFill(const QString& row) {
    // Only the last three characters are read, each test on its own and the
    // later one winning: a blank third from the end means green whatever
    // follows it. Positions before the start of the row count as no blank.
    const auto blankAt = [&row](qsizetype fromEnd) {
        return row.size() >= fromEnd && row.at(row.size() - fromEnd) == QLatin1Char(' ');
    };
    std::optional<QColor> fill;
    if (blankAt(1)) fill = kImpossibleFill;
    if (blankAt(2)) fill = kPossibleFill;
    if (blankAt(3)) fill = kCompleteFill;
    return fill;
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
