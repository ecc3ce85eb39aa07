#pragma once
// Small system operations of the tray menu and the action catalogue: browser
// windows, the optical drive, the proxy switch, the dial-up hang-up and the
// classic scheme; and the message box they report with.
#include <windows.h>

#include <string>

// `owner` is the main frame (owner of every message); `confirmFirst` its
// m_confirmFirst: true asks with the countdown first.
void CloseAllBrowserWindows(HWND owner, bool confirmFirst);
void EjectOpticalDrive(HWND owner, bool confirmFirst);
void ToggleUseProxy(HWND owner, bool confirmFirst);
void HangUpModem(HWND owner, bool confirmFirst);
// The dispatcher asks for this one; no message in any case.
void SwitchToClassicTheme(HWND owner);

// Shows `text` (with the system's text for the thread's last error on a
// second line when `systemText` is set), captioned with the application
// title; the message box's result.
int ShowErrorBox(const std::wstring& text, HWND owner, UINT style, bool systemText);

// Dispatches every message waiting in the thread's queue. A WM_QUIT found
// there is put back for the main loop and ends the pumping: false then.
bool PumpPendingMessages();
