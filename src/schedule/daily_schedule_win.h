#pragma once
// The daily monitor-off and monitor-on times, checked by the settings view's
// 1-second tick before the idle actions and the screen corner.
#include <windows.h>

class CAppSettings;
class CDailySchedule;

// `owner` is the settings view's window: parent of any countdown it opens.
void CheckDailySchedule(HWND owner);
// The same check with the cache, the firing memory and the current local
// time (OLE date, whole seconds) passed in.
void CheckDailySchedule(HWND owner, CAppSettings& settings, CDailySchedule& schedule, double now);
