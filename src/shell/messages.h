#pragma once
// Private window messages a second start sends to the running instance's frame.
#include <windows.h>

inline constexpr UINT UM_SHOW_SETTINGS = WM_USER + 1;   // wParam 0, lParam 0
inline constexpr UINT UM_RUN_ACTION = WM_USER + 3;      // wParam = lParam = action number
inline constexpr UINT UM_MONITOR_OFF = WM_USER + 20;    // wParam 0, lParam 0; returns 1

// The frame's window class and caption, by which a second start finds the
// running instance: both, so that another program's window that happens to
// carry the caption is never taken for it.
inline constexpr const wchar_t* kFrameClassName = L"UmbrixFrame";
inline constexpr const wchar_t* kFrameCaption = L"Umbrix : Settings";
