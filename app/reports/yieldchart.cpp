#include "reports/yieldchart.h"

#include <algorithm>

namespace zarn::reports {

void YieldChart::setPointCount(int count) {
    m_values.resize(static_cast<std::size_t>(std::max(count, 0)), 0.0);
    m_current = 0;
}

void YieldChart::writeValue(double value) {
    if (m_values.empty())
        return;
    m_values[static_cast<std::size_t>(m_current)] = value;
    if (m_autoAdvance)
        m_current = (m_current + 1) % pointCount();
}

void YieldChart::load(const SharedState &state) {
    setAutoAdvance(true);
    setPointCount(kPoints);
    fill(state);
}

void YieldChart::fill(const SharedState &state) {
    for (int i = 0; i < kPoints; ++i)
        writeValue(0.0);
    // Fifteen writes come back to the point they started from; the yields
    // always start at point 1, also when the chart was drawn before ("Load
    // Yield" after loading), so the current point is put back at the first.
    m_current = 0;
    const int used = yieldsInUse(state);
    for (int i = 0; i < used; ++i)
        writeValue(state.gYieldList[static_cast<std::size_t>(i)]);
}

void YieldChart::reset(SharedState &state) {
    for (float &yield : state.gYieldList) {
        yield = 0;
        writeValue(0.0);
    }
    setAutoAdvance(true);
    setPointCount(kPoints);
    state.gYieldCount = 0;
}

int yieldsInUse(const SharedState &state) {
    return std::clamp<int>(state.gYieldCount, 0, SharedState::kYieldPositions);
}

} // namespace zarn::reports
