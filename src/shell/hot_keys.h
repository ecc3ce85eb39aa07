#pragma once
// The two global hot keys (monitor off; lock and monitor off).
#include <windows.h>

// Registers both hot keys from their stored keys on `owner`.
void RegisterStoredHotKeys(HWND owner);
// Reacts to a WM_HOTKEY of ours; true when `msg` was one.
bool HandleHotKeyMessage(const MSG& msg);
