#include "ui/common/number_text.h"

#include "engine/text/decimal_text.h"

namespace korvana::ui {

QString numberText(double value, int decimals, const QString& decimalSeparator) {
    return QString::fromStdString(
        korvana::decimalText(value, decimals, decimalSeparator.toStdString()));
}

QString percentText(double percent, const QString& decimalSeparator) {
    return numberText(percent, 1, decimalSeparator) + QLatin1Char('%');
}

}  // namespace korvana::ui
