#include "ui/ranges/equity_colour.h"

#include <QLinearGradient>
#include <QPainter>
#include <algorithm>

namespace korvana::ui {

namespace {

const QColor kBehind(202, 0, 32);
const QColor kEven(247, 247, 247);
const QColor kAhead(5, 113, 176);

QColor between(const QColor& a, const QColor& b, double t) {
    return QColor::fromRgbF(static_cast<float>(a.redF() + (b.redF() - a.redF()) * t),
                            static_cast<float>(a.greenF() + (b.greenF() - a.greenF()) * t),
                            static_cast<float>(a.blueF() + (b.blueF() - a.blueF()) * t));
}

}  // namespace

QColor equityColour(double equity) {
    const double e = std::clamp(equity, 0.0, 1.0);
    return e < 0.5 ? between(kBehind, kEven, e * 2) : between(kEven, kAhead, (e - 0.5) * 2);
}

QColor textColourOn(const QColor& background) {
    const double luminance =
        0.299 * background.redF() + 0.587 * background.greenF() + 0.114 * background.blueF();
    return luminance < 0.5 ? Qt::white : Qt::black;
}

EquityLegend::EquityLegend(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("equityLegend"));
}

QSize EquityLegend::sizeHint() const {
    return {220, fontMetrics().height() * 2 + 18};
}

void EquityLegend::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const int line = fontMetrics().height();
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(QRect(0, 0, width(), line), Qt::AlignLeft, tr("Your equity against the hand"));
    const QRect bar(0, line + 2, width() - 1, 14);
    QLinearGradient gradient(bar.topLeft(), bar.topRight());
    for (const double at : {0.0, 0.25, 0.5, 0.75, 1.0}) gradient.setColorAt(at, equityColour(at));
    painter.fillRect(bar, gradient);
    painter.drawRect(bar);
    const QRect marks(0, bar.bottom() + 2, width(), line);
    painter.drawText(marks, Qt::AlignLeft, QStringLiteral("0%"));
    painter.drawText(marks, Qt::AlignHCenter, QStringLiteral("50%"));
    painter.drawText(marks, Qt::AlignRight, QStringLiteral("100%"));
}

}  // namespace korvana::ui
