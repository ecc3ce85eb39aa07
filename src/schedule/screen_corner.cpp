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

}  // namespace

CornerPoint CornerPointOf(int corner, int width, int height)
{
    const int right = width > 0 ? width - 1 : width;
    const int bottom = height > 0 ? height - 1 : height;
    switch (corner) {
    case 1: return {right, 0};
    case 2: return {0, bottom};
    case 3: return {right, bottom};
    default: return {0, 0};
    }
}

CornerAction CornerActionOf(const std::wstring& text)
{
    if (EqualIgnoringCase(text, kCornerActionTexts[0])) return CornerAction::MonitorOff;
    if (EqualIgnoringCase(text, kCornerActionTexts[1])) return CornerAction::LockAndMonitorOff;
    if (EqualIgnoringCase(text, kCornerActionTexts[2])) return CornerAction::StartScreenSaver;
    return CornerAction::None;
}

CornerStep CScreenCorner::Check(int corner, int enabled, const std::wstring& actionText, CornerPoint cursor,
                                int width, int height)
{
    CornerStep step;
    if (corner < 0) {
        m_sampled = false;
        return step;
    }
    step.sampleAfter = true;
    const CornerPoint point = CornerPointOf(corner, width, height);
    if (!m_sampled || point.x != cursor.x || point.y != cursor.y) {
        m_sampled = true;
        m_armed = true;
        return step;
    }
    if (!m_armed || !enabled) return step;
    step.run = CornerActionOf(actionText);
    if (step.run != CornerAction::None) m_armed = false;
    step.wait = true;
    return step;
}
