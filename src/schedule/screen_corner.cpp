#include "schedule/screen_corner.h"

#include <cwctype>

namespace {

bool EqualIgnoringCase(const std::wstring& a, const wchar_t* b)
{
    size_t i = 0;
    for (; i < a.size() && b[i]; ++i)
        if (std::towlower(a[i]) != std::towlower(b[i])) return false;
    return i == a.size() && !b[i];
}

// 64-bit coordinates: one pixel beyond a position at the end of int's range
// must still be a position, not an overflow.
bool Contains(const MonitorArea& m, long long x, long long y)
{
    return x >= m.left && x < m.right && y >= m.top && y < m.bottom;
}

bool OnAnyMonitor(long long x, long long y, const std::vector<MonitorArea>& monitors)
{
    for (const MonitorArea& m : monitors)
        if (Contains(m, x, y)) return true;
    return false;
}

}  // namespace

CornerPoint CornerPointOf(int corner, const MonitorArea& monitor)
{
    const int right = monitor.right > monitor.left ? monitor.right - 1 : monitor.right;
    const int bottom = monitor.bottom > monitor.top ? monitor.bottom - 1 : monitor.bottom;
    switch (corner) {
    case 1: return {right, monitor.top};
    case 2: return {monitor.left, bottom};
    case 3: return {right, bottom};
    default: return {monitor.left, monitor.top};
    }
}

bool OnScreenCorner(int corner, CornerPoint cursor, const std::vector<MonitorArea>& monitors)
{
    const bool right = corner == 1 || corner == 3;
    const bool bottom = corner == 2 || corner == 3;
    const long long outX = static_cast<long long>(cursor.x) + (right ? 1 : -1);
    const long long outY = static_cast<long long>(cursor.y) + (bottom ? 1 : -1);
    if (OnAnyMonitor(outX, cursor.y, monitors) || OnAnyMonitor(cursor.x, outY, monitors)) return false;
    for (const MonitorArea& m : monitors) {
        const CornerPoint point = CornerPointOf(corner, m);
        if (point.x == cursor.x && point.y == cursor.y && Contains(m, cursor.x, cursor.y)) return true;
    }
    return false;
}

CornerAction CornerActionOf(const std::wstring& text)
{
    if (EqualIgnoringCase(text, kCornerActionTexts[0])) return CornerAction::MonitorOff;
    if (EqualIgnoringCase(text, kCornerActionTexts[1])) return CornerAction::LockAndMonitorOff;
    if (EqualIgnoringCase(text, kCornerActionTexts[2])) return CornerAction::StartScreenSaver;
    return CornerAction::None;
}

CornerStep CScreenCorner::Check(int corner, int enabled, const std::wstring& actionText,
                                std::optional<CornerPoint> cursor, const std::vector<MonitorArea>& monitors)
{
    CornerStep step;
    if (corner < 0) {
        m_sampled = false;
        return step;
    }
    step.sampleAfter = true;
    if (!m_sampled) {
        m_sampled = true;
        m_armed = true;
        return step;
    }
    // Unknown is not "elsewhere": re-arming here would run the action again
    // when a desktop locked by it comes back with the cursor still in place.
    if (!cursor) return step;
    if (!OnScreenCorner(corner, *cursor, monitors)) {
        m_armed = true;
        return step;
    }
    if (!m_armed || !enabled) return step;
    step.run = CornerActionOf(actionText);
    if (step.run != CornerAction::None) m_armed = false;
    step.wait = true;
    return step;
}
