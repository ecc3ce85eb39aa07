#pragma once
// The daily monitor-off and monitor-on times, checked by the settings view's
// 1-second tick before the idle actions and the screen corner.
#include <windows.h>

// `owner` is the settings view's window: parent of any countdown it opens.
void CheckDailySchedule(HWND owner);
