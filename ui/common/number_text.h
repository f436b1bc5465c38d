#pragma once
// Numbers as the window shows them: a fixed count of decimals, whatever the
// process locale, with the decimal separator of the player's language. The
// one way the window writes a figure, so that it reads like korvana-odds'.
#include <QString>

namespace korvana::ui {

// numberText(64.214, 1, ",") is "64,2".
QString numberText(double value, int decimals, const QString& decimalSeparator);

// A percentage with one decimal and its sign: percentText(15.52, ".") is "15.5%".
QString percentText(double percent, const QString& decimalSeparator);

}  // namespace korvana::ui
