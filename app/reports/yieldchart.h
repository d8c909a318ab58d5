#pragma once
// The yields chart: the yields of the crop-model runs (gYieldList) on 15
// numbered points.
//
// The chart is driven the way the yields windows have always driven it: with
// automatic point advance on, writing a value stores it into the current point
// and moves on to the next one, wrapping after the last. Drawing writes fifteen
// zeros (every point 0, the current point back at the first) and then every
// yield of the list in run order. With more than fifteen yields the later ones
// therefore overwrite the first points: 17 yields show yields 16 and 17 on
// points 1 and 2 and yields 3 to 15 on points 3 to 15.
//
// This is the chart's content only; a window's graph widget shows it
// (reports/windows/yieldgraph.h).

#include "shell/sharedstate.h"

#include <vector>

namespace zarn::reports {

class YieldChart {
public:
    static constexpr int kPoints = 15;

    // --- the chart control's properties ---
    void setAutoAdvance(bool on) { m_autoAdvance = on; }
    bool autoAdvance() const { return m_autoAdvance; }
    // New number of points; values of the points kept stay, new points are 0,
    // and the current point goes back to the first.
    void setPointCount(int count);
    int pointCount() const { return static_cast<int>(m_values.size()); }
    // Stores value into the current point; with automatic advance on, moves to
    // the next point, wrapping after the last.
    void writeValue(double value);
    int currentPoint() const { return m_current; } // 0-based
    const std::vector<double> &values() const { return m_values; }

    // --- what the yields windows do with it ---
    // On loading a window: automatic advance on, 15 points, then fill().
    void load(const SharedState &state);
    // Fifteen zeros with the current point back at the first, then the yields
    // of positions 1 to gYieldCount in order.
    void fill(const SharedState &state);
    // "Reset": each of the 100 positions of gYieldList set to 0 while 0 is
    // written to the next point; automatic advance on, 15 points; gYieldCount 0.
    void reset(SharedState &state);

private:
    bool m_autoAdvance = false;
    int m_current = 0;
    std::vector<double> m_values;
};

// Number of yields in use, kept within the list's positions (0..100), so a
// count that went wrong never reads past the list.
int yieldsInUse(const SharedState &state);

} // namespace zarn::reports
