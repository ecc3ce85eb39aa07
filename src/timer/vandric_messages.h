#pragma once
// Window messages Vandric's main window accepts from other programs, and the
// tray icon's callback message. Nothing inside Vandric sends the first three;
// UM_CANCEL_COUNTDOWN comes from another copy of Vandric.
#include <windows.h>

inline constexpr UINT UM_SHOW_SETTINGS = WM_USER + 1;      // show and activate the settings window
inline constexpr UINT UM_POWER_MONITOR_OFF = WM_USER + 2;  // switch the monitor off; returns 1
inline constexpr UINT UM_SCHEDULE = WM_USER + 3;           // open the schedule dialog
// Sent by `Vandric.exe cancel`: a copy that counts down ends without its
// request and returns 1; any other returns 0.
inline constexpr UINT UM_CANCEL_COUNTDOWN = WM_USER + 4;
inline constexpr UINT UM_TRAY_NOTIFY = WM_USER + 300;

// The main window's caption.
inline constexpr const wchar_t* kVandricSettingsCaption = L"Settings - Vandric";
