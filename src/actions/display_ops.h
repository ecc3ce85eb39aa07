#pragma once
// Display power, lock and screen-saver operations. They run on the
// user-interface thread and block it (MonitorOff for at least 1.6 s).
#include <windows.h>

#include <string>

// Switches the display off. lock == 1 locks the workstation first; any other
// value does not.
void MonitorOff(int lock);
// Switches the display on again: SC_MONITORPOWER -1, then a one-time
// display request (ES_DISPLAY_REQUIRED alone) for Windows 8 and later.
void MonitorOn();
// Locks, then switches the display off; reports a refused lock in a message
// box owned by `owner`.
void LockAndMonitorOff(HWND owner);
// LockWorkStation's result, or 0 when the function cannot be found.
int LockWorkStationNow();
// Starts the screen saver named in HKCU\Control Panel\Desktop "SCRNSAVE.EXE",
// or says that none is set.
void StartDefaultScreenSaver();
// Speaks the screen-saver alert text when "AlertScr" is on.
void ScreenSaverAlert();
// Reads "SCRNSAVE.EXE" from the open key, whatever its length. False (and an
// empty path) when it cannot be read.
bool ReadScreenSaverPath(HKEY desktopKey, std::wstring& path);
// The version class of the running system (106: Windows Vista or later).
int GetWindowsVersionClass();

// The window that receives the monitor-power command: the main frame when
// there is a valid one, else HWND_BROADCAST.
HWND DisplayTarget();
// "<program folder>\<file>" with doubled backslashes collapsed.
std::wstring CompanionPath(const std::wstring& fileName);
