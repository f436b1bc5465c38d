#pragma once
// A small chart of the hero's equity on each street of a hand, and for a
// hand that went all in the equity he had then, with his all-in EV against
// what he won written under it. Qt Charts stays inside this file's .cpp.
#include <QWidget>
#include <optional>
#include <vector>

class QChart;
class QChartView;
class QLabel;
class QLineSeries;
class QScatterSeries;
class QCategoryAxis;
class QValueAxis;

namespace korvana::ui {

struct EquityChartPoint {
    QString street;                // its name, along the bottom
    std::optional<double> equity;  // 0..1; none while not counted or where he was out
};

class EquityChart : public QWidget {
    Q_OBJECT
public:
    explicit EquityChart(QWidget* parent = nullptr);
    ~EquityChart() override;

    // allInStreet: the index of the point where the money went in, with his
    // equity then; caption: the line under the chart.
    void show(const std::vector<EquityChartPoint>& points, std::optional<int> allInStreet,
              double allInEquity, const QString& caption);
    QString caption() const;

private:
    QChart* chart_;
    QChartView* view_;
    QLineSeries* line_;
    QScatterSeries* dots_;
    QScatterSeries* allIn_;
    QCategoryAxis* streets_;
    QValueAxis* percent_;
    QLabel* caption_;
};

}  // namespace korvana::ui
