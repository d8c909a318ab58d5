// The yields chart (15 points from gYieldList) and the yields report window.
#include "reports/windows/yieldgraph.h"
#include "reports/yieldchart.h"
#include "shell/sharedstate.h"
#include "shell/windows/windowregistry.h"
#include "support/fixtures.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <gtest/gtest.h>

namespace zarn::test {
namespace {

// gYieldList holding the yields 1, 2, ..., count (yield k = k * 1.5).
void collectYields(int count) {
    resetSharedState();
    for (int k = 1; k <= count; ++k)
        shared().gYieldList[std::size_t(k - 1)] = float(k) * 1.5f;
    shared().gYieldCount = std::int16_t(count);
}

// The chart expected for `count` yields, given as the yield number on each
// point (0 for a zero point).
std::vector<double> chartOf(std::initializer_list<int> yieldOnPoint) {
    std::vector<double> v;
    for (int k : yieldOnPoint)
        v.push_back(k == 0 ? 0.0 : double(float(k) * 1.5f));
    return v;
}

struct ChartCase {
    int yields;
    std::vector<double> points;
};

TEST(YieldChart, FifteenPointsTakeTheYieldsInRunOrderAndWrap) {
    const std::vector<ChartCase> cases = {
        {0, chartOf({0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0})},
        {3, chartOf({1, 2, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0})},
        {15, chartOf({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15})},
        {17, chartOf({16, 17, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15})},
        {100, chartOf({91, 92, 93, 94, 95, 96, 97, 98, 99, 100, 86, 87, 88, 89, 90})},
    };
    for (const ChartCase &c : cases) {
        SCOPED_TRACE(c.yields);
        collectYields(c.yields);
        reports::YieldChart chart;
        chart.load(shared());
        EXPECT_EQ(chart.values(), c.points);
        // Drawing again ("Load Yield") gives the same chart.
        chart.fill(shared());
        EXPECT_EQ(chart.values(), c.points);
    }
}

TEST(YieldChart, ACountOutsideTheListNeverReadsPastIt) {
    collectYields(100);
    shared().gYieldCount = 250;
    reports::YieldChart chart;
    chart.load(shared());
    EXPECT_EQ(chart.values(),
              chartOf({91, 92, 93, 94, 95, 96, 97, 98, 99, 100, 86, 87, 88, 89, 90}));
    shared().gYieldCount = -4;
    chart.fill(shared());
    EXPECT_EQ(chart.values(), std::vector<double>(15, 0.0));
}

class ReportOfYields : public ::testing::Test {
protected:
    void TearDown() override {
        WindowRegistry::closeAll();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        resetSharedState();
    }
    static QWidget *open() { return WindowRegistry::show("zarnReportOfYields"); }
    static void press(QWidget *w, const char *button) {
        w->findChild<QAbstractButton *>(button)->click();
    }
    static std::vector<double> shown(QWidget *w) {
        return w->findChild<YieldGraph *>("RepYieldGraph")->shownValues();
    }
    ScriptedMessages m_boxes;
};

TEST_F(ReportOfYields, ShowsTheYieldsAndLoadYieldRedrawsThem) {
    collectYields(17);
    QWidget *w = open();
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->windowTitle(), "Form1");
    EXPECT_EQ(shown(w), chartOf({16, 17, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15}));

    // A run made while the window is open shows after "Load Yield".
    collectYields(3);
    press(w, "RepYieldLoadButton");
    EXPECT_EQ(shown(w), chartOf({1, 2, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_TRUE(m_boxes.shown().empty());
}

TEST_F(ReportOfYields, ResetClearsTheListAndTheChart) {
    collectYields(17);
    shared().gCropYield = 4.0f;
    QWidget *w = open();
    ASSERT_NE(w, nullptr);

    press(w, "RepYieldResetButton");

    EXPECT_EQ(shared().gYieldCount, 0);
    for (float y : shared().gYieldList)
        EXPECT_EQ(y, 0.0f);
    EXPECT_EQ(shared().gCropYield, 4.0f); // the last run's yield is not part of the list
    EXPECT_EQ(shown(w), std::vector<double>(15, 0.0));

    // Yields collected after "Reset" start again at point 1.
    shared().gYieldList[0] = 9.0f;
    shared().gYieldCount = 1;
    press(w, "RepYieldLoadButton");
    EXPECT_EQ(shown(w).front(), 9.0);

    // Reopened after "Reset", the window shows 15 zero points.
    press(w, "RepYieldResetButton");
    press(w, "RepYieldOKButton");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(WindowRegistry::find("zarnReportOfYields"), nullptr);
    w = open();
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(shown(w), std::vector<double>(15, 0.0));
}

} // namespace
} // namespace zarn::test
