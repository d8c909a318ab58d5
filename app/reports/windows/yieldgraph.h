#pragma once
// The graph control of the yields windows (RepYieldGraph in CERESRunForm and
// zarnReportOfYields): a Qt Charts bar chart of the 15 points of a
// reports::YieldChart, titled "Yield Values".
//
// The windows write the chart's points through chart(), then call draw(); the
// bars show what the points held at the last draw().

#include "reports/yieldchart.h"

#include <QChartView>
#include <vector>

class QBarSet;
class QBarSeries;
class QValueAxis;

namespace zarn {

class YieldGraph : public QChartView {
    Q_OBJECT
public:
    explicit YieldGraph(QWidget *parent = nullptr);

    reports::YieldChart &chartPoints() { return m_points; }
    const reports::YieldChart &chartPoints() const { return m_points; }

    // Redraws the bars from the points.
    void draw();

    // The values the bars show, point 1 first.
    std::vector<double> shownValues() const;

private:
    reports::YieldChart m_points;
    QBarSet *m_set = nullptr;
    QBarSeries *m_series = nullptr;
    QValueAxis *m_valueAxis = nullptr;
};

} // namespace zarn
