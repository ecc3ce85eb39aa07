#pragma once
// The low-battery alert, driven by the frame's power broadcasts.
#include <windows.h>

// The frame hands every power broadcast here, whatever its event code.
void OnPowerBroadcast();
// With the alert on, reads the power status and speaks "LowPowerText" when
// the battery is low or critical and not charging. A failed read is reported
// in a message box owned by `owner`.
void CheckLowBattery(HWND owner);
