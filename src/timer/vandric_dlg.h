#pragma once
// Vandric's main window (dialog 102): hidden most of the time, it owns the
// countdown timer, the tray icon and the settings (tray icon shown, hot
// key). Destroying it ends the program.
#include <string>

#include "framework/dialog.h"
#include "timer/dlg_warning.h"
#include "timer/schedule_countdown.h"
#include "timer/tray_icon.h"

class CDlgSchedule;

class CVandricDlg : public CDialog {
public:
    CVandricDlg();

    // Creates the window hidden, with its tray icon and the stored hot key.
    bool Create();

    // Runs a schedule dialog modally; while one is open a second request
    // only brings it to the front and returns IDCANCEL.
    INT_PTR RunScheduleDialog(CDlgSchedule& dlg);
    // (Re)starts the countdown from zero and keeps the system awake until it
    // ends (a replaced countdown's request is withdrawn first).
    void StartCountdown(int minutes, const std::wstring& action);
    // "Add 10 Minutes", from the tray menu or the warning window.
    void OnAddTenMinutes();
    // "Pause Countdown" / "Resume Countdown": a paused countdown neither
    // ticks nor keeps the system awake.
    void OnTogglePause();
    // "Cancel Schedule" and `Vandric.exe cancel`: ends without asking and
    // without requesting the operation, when a countdown runs or is due.
    void CancelSchedule();
    bool CanCancel() const;
    // Requests the operation of the current action text.
    void RunScheduledAction();
    // "Schedule Action": a new schedule replaces the running one on OK.
    void OnScheduleAction();
    // "Exit": asks first.
    void OnExit();
    // Destroys the window once; the program ends with it.
    void Destroy();
    // WM_ENDSESSION (a real session end, or an installer closing the program
    // with ENDSESSION_CLOSEAPP): ends without asking and without requesting
    // the scheduled operation. `ending` false changes nothing.
    void OnEndSession(bool ending);

    const CScheduleCountdown& Countdown() const { return m_countdown; }
    CTrayIcon& Tray() { return m_tray; }
    const CDlgWarning& Warning() const { return m_warning; }

protected:
    bool OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;
    bool OnCommand(WORD id, WORD notifyCode, HWND control) override;
    void OnTimer(UINT_PTR id) override;
    bool OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;

private:
    void OnTick();
    void EndWithoutRequest();
    void KeepAwake(bool awake);
    void ShowTip();
    void ShowWarnings();
    void UpdateTrayMenu();
    void OnChangeHotKey();
    void OnClearHotKey();
    void OnToggleTrayIcon();
    void ShowSettings();
    void HideSettings();
    void PaintMinimized();

    CScheduleCountdown m_countdown;
    CTrayIcon m_tray;
    HICON m_icon = nullptr;
    CDlgWarning m_warning;
    CDlgSchedule* m_openSchedule = nullptr;
    bool m_sessionEnded = false;
    bool m_awake = false;
};

// Waits 200 ms, then switches the monitor off through Vandric's own main
// window; a broadcast that gives up on hung windows only when there is none.
void SwitchMonitorOff();
// Registers hot key 1 (thread-wide, no window) from "Key" and "Mod"; says so
// when the system refuses.
void RegisterStoredHotKey();

inline constexpr const wchar_t* kVandricWebsite = L"https://www.corvane.example/vandric/";
inline constexpr const wchar_t* kVandricSupport = L"mailto:support@corvane.example";
