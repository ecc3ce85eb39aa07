#pragma once
// The screen-corner action, checked last by the settings view's 1-second tick.
#include <windows.h>

#include <functional>
#include <optional>
#include <vector>

#include "schedule/screen_corner.h"

// The cursor position in desktop pixels, or none when it cannot be read (a
// locked or secure desktop). The tick and the corner dialog's position line
// both read it here, so the line shows what the check works with.
std::optional<POINT> ReadCursorPosition();

// Every monitor of the desktop, read anew at each call (monitors come and go);
// the primary display's size when they cannot be listed.
std::vector<MonitorArea> DesktopMonitors();

// The cursor position together with the monitors of that moment: a check
// judges the position by the layout it was sampled in, so a monitor unplugged
// in between cannot turn an old position into a corner.
struct CCornerSample {
    std::optional<POINT> cursor;  // none when it could not be read
    std::vector<MonitorArea> monitors;
};
CCornerSample SampleCursorAndMonitors();

// `sample` is what the tick sampled at the end of the previous tick. Returns
// true when the tick must sample again into it afterwards, false when no
// corner is configured. The first check after a corner is configured never
// fires: its position was not sampled for it.
bool CheckScreenCorner(HWND owner, const CCornerSample& sample);

// The same with the armed state and the wait passed in.
bool CheckScreenCorner(HWND owner, const CCornerSample& sample, CScreenCorner& corner,
                       const std::function<void(DWORD)>& wait);
