#include "reports/windows/yieldgraph.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QValueAxis>
#include <algorithm>

namespace zarn {

YieldGraph::YieldGraph(QWidget *parent) : QChartView(parent) {
    auto *chart = new QChart;
    chart->setTitle(QStringLiteral("Yield Values"));
    chart->legend()->hide();

    m_set = new QBarSet(QStringLiteral("Yield"));
    m_series = new QBarSeries;
    m_series->append(m_set);
    chart->addSeries(m_series);

    auto *points = new QBarCategoryAxis;
    QStringList numbers;
    for (int i = 1; i <= reports::YieldChart::kPoints; ++i)
        numbers << QString::number(i);
    points->append(numbers);
    chart->addAxis(points, Qt::AlignBottom);
    m_series->attachAxis(points);

    m_valueAxis = new QValueAxis;
    m_valueAxis->setLabelFormat(QStringLiteral("%.1f"));
    chart->addAxis(m_valueAxis, Qt::AlignLeft);
    m_series->attachAxis(m_valueAxis);

    setChart(chart);
    setRenderHint(QPainter::Antialiasing);

    m_points.setAutoAdvance(true);
    m_points.setPointCount(reports::YieldChart::kPoints);
    draw();
}

void YieldGraph::draw() {
    const auto &values = m_points.values();
    QList<qreal> bars(values.begin(), values.end());
    m_set->remove(0, m_set->count());
    m_set->append(bars);

    double top = 0, bottom = 0;
    for (double v : values) {
        top = std::max(top, v);
        bottom = std::min(bottom, v);
    }
    m_valueAxis->setRange(bottom, top > bottom ? top * 1.1 : bottom + 1.0);
}

std::vector<double> YieldGraph::shownValues() const {
    std::vector<double> shown;
    for (int i = 0; i < m_set->count(); ++i)
        shown.push_back(m_set->at(i));
    return shown;
}

} // namespace zarn
