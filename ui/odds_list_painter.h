#pragma once
// How one odds row is painted: the fill colour comes from the row's light
// marker (its trailing blanks), the text colour from the font-colour slider.
#include <QColor>
#include <QString>
#include <optional>

class QPainter;
class QRect;

namespace korvana::ui {

inline const QColor kImpossibleFill(255, 0, 0);  // red
inline const QColor kPossibleFill(230, 230, 0);  // yellow
inline const QColor kCompleteFill(0, 128, 0);    // green

// Fill of a row from its last three characters: a blank last red, a blank
// second to last yellow, a blank third to last green, the later test winning;
// so one trailing blank is red, two yellow, three or more green, and "x y "
// is green. nullopt when none of the three is a blank, which keeps the list's
// own background.
std::optional<QColor> rowFill(const QString& row);

// Grey level of the row text for a font-colour slider position 0..25:
// 10 x position + 5, from almost black (5) to white (255).
QColor rowTextColour(int sliderPosition);

// Fills the row's rectangle and draws the whole row, blanks included, from the
// rectangle's top-left corner without margin.
void paintOddsRow(QPainter& painter, const QRect& rect, const QString& row, const QColor& text,
                  const QColor& background);

}  // namespace korvana::ui
