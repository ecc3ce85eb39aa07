#include "schedule/screen_corner_win.h"

#include "actions/display_ops.h"
#include "framework/app.h"
#include "schedule/screen_corner.h"

bool CheckScreenCorner(HWND owner, POINT cursorPos)
{
    static CScreenCorner s_corner;  // holds s_cornerArmed for the life of the program
    const SIZE screen{GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    return CheckScreenCorner(owner, cursorPos, s_corner, screen, [](DWORD ms) { Sleep(ms); });
}

bool CheckScreenCorner(HWND owner, POINT cursorPos, CScreenCorner& corner, SIZE screen,
                       const std::function<void(DWORD)>& wait)
{
    ISettingsStore& profile = AfxProfile();
    const int cornerIndex = profile.ReadInt(kSettingsSection, L"CursorLocationForAction", -1);
    if (cornerIndex < 0) {
        corner.Check(cornerIndex, 0, L"", {}, 0, 0);
        return false;
    }
    const int enabled = profile.ReadInt(kSettingsSection, L"Do Action at Screen Corner", 0);
    const std::wstring text = profile.ReadString(kSettingsSection, L"Action at Screen Corner", L"");
    const CornerStep step =
        corner.Check(cornerIndex, enabled, text, {cursorPos.x, cursorPos.y}, screen.cx, screen.cy);
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
