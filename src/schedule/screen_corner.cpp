#include "schedule/screen_corner.h"

#include <algorithm>
#include <cwctype>

namespace {

bool EqualIgnoringCase(const std::wstring& a, const wchar_t* b)
{
    size_t i = 0;
    for (; i < a.size() && b[i]; ++i)
        if (std::towlower(a[i]) != std::towlower(b[i])) return false;
    return i == a.size() && !b[i];
}

bool HasSize(const MonitorArea& m)
{
    return m.right > m.left && m.bottom > m.top;
}

// In floating point: the differences of int coordinates may reach 2^32, and
// their squares added would overflow any integer type that MSVC offers.
double SquaredDistance(CornerPoint a, CornerPoint b)
{
    const double dx = static_cast<double>(a.x) - b.x;
    const double dy = static_cast<double>(a.y) - b.y;
    return dx * dx + dy * dy;
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

std::optional<CornerPoint> ScreenCornerPoint(int corner, const std::vector<MonitorArea>& monitors)
{
    std::optional<MonitorArea> bounds;
    for (const MonitorArea& m : monitors) {
        if (!HasSize(m)) continue;
        if (!bounds) {
            bounds = m;
            continue;
        }
        bounds->left = std::min(bounds->left, m.left);
        bounds->top = std::min(bounds->top, m.top);
        bounds->right = std::max(bounds->right, m.right);
        bounds->bottom = std::max(bounds->bottom, m.bottom);
    }
    if (!bounds) return std::nullopt;

    const CornerPoint target = CornerPointOf(corner, *bounds);
    std::optional<CornerPoint> best;
    double bestDistance = 0;
    bool bestPrimary = false;
    for (const MonitorArea& m : monitors) {
        if (!HasSize(m)) continue;
        const CornerPoint point = CornerPointOf(corner, m);
        const double distance = SquaredDistance(point, target);
        if (!best || distance < bestDistance || (distance == bestDistance && m.primary && !bestPrimary)) {
            best = point;
            bestDistance = distance;
            bestPrimary = m.primary;
        }
    }
    return best;
}

bool OnScreenCorner(int corner, CornerPoint cursor, const std::vector<MonitorArea>& monitors)
{
    const std::optional<CornerPoint> point = ScreenCornerPoint(corner, monitors);
    return point && point->x == cursor.x && point->y == cursor.y;
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
