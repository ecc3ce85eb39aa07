#pragma once
// Operations of the catalogue whose subsystems are not built yet. Each is the
// named entry point the dispatcher calls; none requests anything until its
// subsystem fills it in.
#include <windows.h>

// `confirmFirst` is the frame's m_confirmFirst: true means ask first.
void CloseAllBrowserWindows(HWND owner, bool confirmFirst);
void EjectOpticalDrive(HWND owner, bool confirmFirst);
void SwitchToClassicTheme(HWND owner);
void ToggleMuteVolume();
void MuteVolume();
void StepUpVolume();
void StepDownVolume();
