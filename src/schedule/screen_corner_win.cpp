#include "schedule/screen_corner_win.h"

#include "actions/display_ops.h"
#include "framework/app.h"

namespace {

BOOL CALLBACK AddMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM list)
{
    MONITORINFO info{};
    info.cbSize = sizeof(info);
    if (GetMonitorInfoW(monitor, &info)) {
        const RECT& r = info.rcMonitor;
        reinterpret_cast<std::vector<MonitorArea>*>(list)->push_back(
            {r.left, r.top, r.right, r.bottom, (info.dwFlags & MONITORINFOF_PRIMARY) != 0});
    }
    return TRUE;
}

}  // namespace

std::optional<POINT> ReadCursorPosition()
{
    POINT cursor{};
    if (!GetCursorPos(&cursor)) return std::nullopt;
    return cursor;
}

std::vector<MonitorArea> DesktopMonitors()
{
    std::vector<MonitorArea> monitors;
    EnumDisplayMonitors(nullptr, nullptr, AddMonitor, reinterpret_cast<LPARAM>(&monitors));
    if (monitors.empty())
        monitors.push_back({0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), true});
    return monitors;
}

CCornerSample SampleCursorAndMonitors()
{
    return CCornerSample{ReadCursorPosition(), DesktopMonitors()};
}

bool CheckScreenCorner(HWND owner, const CCornerSample& sample)
{
    static CScreenCorner s_corner;  // holds s_cornerArmed for the life of the program
    return CheckScreenCorner(owner, sample, s_corner, [](DWORD ms) { Sleep(ms); });
}

bool CheckScreenCorner(HWND owner, const CCornerSample& sample, CScreenCorner& corner,
                       const std::function<void(DWORD)>& wait)
{
    ISettingsStore& profile = AfxProfile();
    const int cornerIndex = profile.ReadInt(kSettingsSection, L"CursorLocationForAction", -1);
    if (cornerIndex < 0) {
        corner.Check(cornerIndex, 0, L"", std::nullopt, {});
        return false;
    }
    const int enabled = profile.ReadInt(kSettingsSection, L"Do Action at Screen Corner", 0);
    const std::wstring text = profile.ReadString(kSettingsSection, L"Action at Screen Corner", L"");
    std::optional<CornerPoint> cursor;
    if (sample.cursor) cursor = CornerPoint{sample.cursor->x, sample.cursor->y};
    const CornerStep step = corner.Check(cornerIndex, enabled, text, cursor, sample.monitors);
    switch (step.run) {
    case CornerAction::MonitorOff: MonitorOff(0); break;
    case CornerAction::LockAndMonitorOff: LockAndMonitorOff(owner); break;
    case CornerAction::StartScreenSaver: StartDefaultScreenSaver(); break;
    case CornerAction::None: break;
    }
    // Keeps a cursor resting on the corner from being looked at again at once.
    if (step.wait) wait(kCornerWaitMs);
    return step.sampleAfter;
}
