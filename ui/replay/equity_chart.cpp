#include "ui/replay/equity_chart.h"

#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QLabel>
#include <QLineSeries>
#include <QScatterSeries>
#include <QVBoxLayout>
#include <QValueAxis>

namespace korvana::ui {

EquityChart::EquityChart(QWidget* parent)
    : QWidget(parent),
      chart_(new QChart),
      view_(new QChartView(chart_, this)),
      line_(new QLineSeries(chart_)),
      dots_(new QScatterSeries(chart_)),
      allIn_(new QScatterSeries(chart_)),
      streets_(new QCategoryAxis(chart_)),
      percent_(new QValueAxis(chart_)),
      caption_(new QLabel(this)) {
    chart_->legend()->hide();
    chart_->setMargins(QMargins(2, 2, 2, 2));
    chart_->setBackgroundRoundness(0);
    for (QXYSeries* series : std::initializer_list<QXYSeries*>{line_, dots_, allIn_})
        chart_->addSeries(series);
    dots_->setMarkerSize(7);
    dots_->setColor(line_->color());
    allIn_->setMarkerShape(QScatterSeries::MarkerShapeRectangle);
    allIn_->setMarkerSize(11);
    allIn_->setColor(QColor(0xd0, 0x60, 0x00));
    percent_->setRange(0, 100);
    percent_->setTickCount(5);
    percent_->setLabelFormat(QStringLiteral("%d%"));
    streets_->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    chart_->addAxis(streets_, Qt::AlignBottom);
    chart_->addAxis(percent_, Qt::AlignLeft);
    for (QXYSeries* series : std::initializer_list<QXYSeries*>{line_, dots_, allIn_}) {
        series->attachAxis(streets_);
        series->attachAxis(percent_);
    }
    view_->setRenderHint(QPainter::Antialiasing);
    view_->setMinimumHeight(150);
    caption_->setObjectName(QStringLiteral("allInCaption"));
    caption_->setWordWrap(true);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(view_, 1);
    column->addWidget(caption_);
}

EquityChart::~EquityChart() = default;

void EquityChart::show(const std::vector<EquityChartPoint>& points, std::optional<int> allInStreet,
                       double allInEquity, const QString& caption) {
    line_->clear();
    dots_->clear();
    allIn_->clear();
    for (const QString& label : streets_->categoriesLabels()) streets_->remove(label);
    const int last = std::max(1, static_cast<int>(points.size()) - 1);
    streets_->setRange(-0.3, last + 0.3);
    streets_->setStartValue(-0.3);
    for (std::size_t i = 0; i < points.size(); ++i) {
        streets_->append(points[i].street, static_cast<double>(i));
        if (!points[i].equity) continue;
        line_->append(static_cast<double>(i), 100 * *points[i].equity);
        dots_->append(static_cast<double>(i), 100 * *points[i].equity);
    }
    if (allInStreet) allIn_->append(*allInStreet, 100 * allInEquity);
    caption_->setText(caption);
    caption_->setVisible(!caption.isEmpty());
}

QString EquityChart::caption() const {
    return caption_->text();
}

}  // namespace korvana::ui
