#pragma once
// CUmbrixView: the settings form (dialog 101) inside the frame, and the
// target of the tray and menu commands.
#include <windows.h>

#include "framework/dialog.h"
#include "schedule/idle_actions.h"
#include "schedule/idle_timers.h"

class CMainFrame;

// The timer loop's state and decisions come from CIdleTimers; the view owns
// the four timers on its window (timer members in umbrix_view_timers.cpp).
class CUmbrixView : public CDialog, public CIdleTimers {
public:
    explicit CUmbrixView(CMainFrame& frame);

    bool Create();
    // Runs once, when start-up creates the frame: loads the form and starts
    // what lives as long as the program.
    void OnInitialUpdate();
    // Handles a menu or tray command; false when it is not the view's.
    bool OnCmdMsg(UINT id);

    // Shows the settings window with freshly loaded values.
    void OpenSettings();
    // Hides the frame without storing anything. `parkFocus`: move the focus
    // to the invisible holder first, so no field keeps it.
    void Hide(bool parkFocus);
    // The Exit command: asks first when a hot key is set.
    void OnAppExit();
    // WM_ENDSESSION: `ending` false (the end was cancelled) changes nothing;
    // a session that ends runs the exit procedure without asking.
    void OnEndSession(bool ending);
    // The chooser and shortcut of button 1024 and command 32833.
    void OnCreateDesktopShortcut();

    // Timer loop: re-arms from the current settings, the idle-seconds line of
    // the form and the idle power actions of the 1-second tick.
    void RearmIdleTimers();
    void RearmDelayTimer();
    void ShowIdleSeconds();
    void CheckIdleActions();
    // The tray icon fills this in; every re-arm calls it first.
    void RefreshTrayTooltip();

    // Commands 32801, 32797, 32800 and 32840.
    void OnIdleMonitorOff();
    void OnIdleScreenSaver();
    void OnMonitorOffAfter();
    void OnConfigureIdleActions();

    // The last input as sampled by the latest 1-second tick.
    LASTINPUTINFO m_lastInput{};
    // The cursor position sampled at the end of the latest 1-second tick.
    POINT m_cursorPos{};

    int m_keepSystemActive = 0;
    int m_voiceAlert = 0;
    int m_wakeWithMouse = 0;
    int m_password = 0;

protected:
    void DoDataExchange(CDataExchange& dx) override;
    bool OnInitDialog() override;
    void OnOK() override;      // Save
    void OnCancel() override;  // hide
    bool OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;
    bool OnCommand(WORD id, WORD notifyCode, HWND control) override;
    void OnTimer(UINT_PTR id) override;

    // CIdleTimers
    void StartViewTimer(unsigned id, unsigned periodMs) override;
    void StopViewTimer(unsigned id) override;
    void RefreshTooltipOnRearm() override;
    bool ConfirmIdleMonitorOff(const std::wstring& message) override;
    void SwitchMonitorOff() override;
    void LockStation() override;
    void AlertScreenSaver() override;
    void StartScreenSaver() override;

private:
    // Starts timer 4 and takes a first sample of the last input.
    void StartTimerLoop();
    void OnSecondTick();

    void LoadFormValues();
    void Save();
    void KeepAwake(bool keep);
    void ExitProcedure(bool askAboutHotKeys);

    CMainFrame& m_frame;
    CIdleActions m_idleActions;
};
