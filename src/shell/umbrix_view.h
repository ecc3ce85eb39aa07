#pragma once
// CUmbrixView: the settings form (dialog 101) inside the frame, and the
// target of the tray and menu commands.
#include <windows.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <type_traits>

#include "framework/dialog.h"
#include "schedule/idle_actions.h"
#include "schedule/idle_timers.h"
#include "schedule/screen_corner_win.h"
#include "shell/hot_key_rules.h"
#include "shell/keep_awake.h"
#include "shell/tray_actions.h"

class CMainFrame;

// Owners of the tray's icon and menu handles.
struct CIconDeleter {
    void operator()(HICON icon) const { if (icon) DestroyIcon(icon); }
};
struct CMenuDeleter {
    void operator()(HMENU menu) const { if (menu) DestroyMenu(menu); }
};
using CIconHandle = std::unique_ptr<std::remove_pointer_t<HICON>, CIconDeleter>;
using CMenuHandle = std::unique_ptr<std::remove_pointer_t<HMENU>, CMenuDeleter>;

// The tray icon's callback message; the low word of lParam is the mouse message.
inline constexpr UINT UM_TRAY_NOTIFY = WM_USER + 300;
inline constexpr UINT kTrayIconId = 90;
// The message the shell broadcasts to top-level windows when the taskbar is
// (re)created; the frame hands it to the view.
UINT TaskbarCreatedMessage();
// Lets that broadcast through to `frame` even when the program runs elevated.
void AllowTaskbarCreated(HWND frame);

// The timer loop's state and decisions come from CIdleTimers; the view owns
// the four timers on its window (timer members in umbrix_view_timers.cpp).
class CUmbrixView : public CDialog, public CIdleTimers {
public:
    explicit CUmbrixView(CMainFrame& frame);
    ~CUmbrixView() override;

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
    // a session that ends runs the exit procedure without asking. `closeApp`
    // (ENDSESSION_CLOSEAPP): only this program is asked to end, by an
    // installer, so the process ends on its own as well.
    void OnEndSession(bool ending, bool closeApp);
    // The chooser and shortcut of button 1024 and command 32833.
    void OnCreateDesktopShortcut();

    // Timer loop: re-arms from the current settings, the idle-seconds line of
    // the form and the idle power actions of the 1-second tick.
    void RearmIdleTimers();
    void RearmDelayTimer();
    void ShowIdleSeconds();
    void CheckIdleActions();

    // Commands 32801, 32797, 32800 and 32840.
    void OnIdleMonitorOff();
    void OnIdleScreenSaver();
    void OnMonitorOffAfter();
    void OnConfigureIdleActions();

    // The last input as sampled by the latest 1-second tick, and where the
    // tick reads it (tests hand in a fixed reading).
    LASTINPUTINFO m_lastInput{};
    BOOL(WINAPI* m_readLastInput)(PLASTINPUTINFO) = GetLastInputInfo;
    // The cursor position sampled at the end of the latest 1-second tick
    // (none when it could not be read), with the monitors of that moment.
    CCornerSample m_cursorPos;

    // Tray icon (tray_icon_win.cpp). Create reports whether the shell took
    // the icon; Remove is harmless without one.
    bool CreateTrayIcon();
    void RemoveTrayIcon();
    // Reloads the icon and shows the tooltip of the active triggers; also
    // sets the idle thresholds of the enabled idle triggers.
    void RefreshTrayTooltip();
    void ShowTrayMenu();
    // The shell (re)started: puts the icon back with its current tooltip.
    void OnTaskbarCreated();
    HMENU TrayMenu() const { return m_trayMenu.get(); }
    const std::wstring& TrayTip() const { return m_trayTip; }
    // WM_SETTINGCHANGE, passed on by the frame: a new taskbar theme or
    // high-contrast mode reloads the tray icon.
    void OnSettingChange(UINT action, const wchar_t* area);
    // The icon resource the tray shows; 0 when it is the user's file.
    int TrayIconResource() const { return m_trayIconResource; }

    // Keep-awake (keep_awake_win.cpp): the "Keep Awake" sub-menu's commands,
    // the timed keep-awake's end on the 1-second tick, and whether any
    // keep-awake is on (stored or timed).
    void OnKeepAwakeCommand(UINT id);
    void CheckTimedKeepAwake();
    bool KeptAwake() const;
    std::optional<KeepAwakeItem> TimedKeepAwake() const { return m_timedKeepAwake; }
    // Checks the active item of the "Keep Awake" sub-menu, the last item of
    // the tray menu's `popup`.
    void MarkKeepAwakeItem(HMENU popup) const;
    // Where the timed keep-awake reads the tick count (tests hand in their own).
    DWORD(WINAPI* m_tickCount)() = GetTickCount;

    // Form fields (bound by data exchange).
    int m_hotKeyConfDisplay = 0;
    int m_hotKeyConfDuration = 1;
    int m_keepSystemActive = 0;
    std::wstring m_trayIconFile;
    int m_hotKeyConfDurationLock = 1;
    int m_hotKeyConfDisplayLock = 0;
    int m_voiceAlert = 0;
    int m_wakeWithMouse = 0;
    int m_password = 0;

    // Tray state.
    bool m_iconPresent = false;
    CIconHandle m_trayIcon;
    CMenuHandle m_trayMenu;

protected:
    void DoDataExchange(CDataExchange& dx) override;
    bool OnInitDialog() override;
    void OnOK() override;      // Save
    void OnCancel() override;  // hide
    bool OnCommand(WORD id, WORD notifyCode, HWND control) override;
    bool OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;
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
    void StartTimedKeepAwake(KeepAwakeItem item);
    void ExitProcedure(bool askAboutHotKeys);

    // Tray (tray_icon_win.cpp).
    void LoadTrayIconHandle();
    bool AddTrayIcon(const std::wstring& tip);
    void OnTrayNotify(UINT mouseMessage);
    void SetTrayMenuDefaultItem();
    void FillClickList(int controlId, TrayGesture gesture);
    void FillClickLists();
    void StoreClickActions(bool reset);
    void OnShowTrayIconBox();
    void OnBrowseTrayIconFile();
    void OnClearTrayIconFile();

    // Hot-key fields (hot_keys_win.cpp).
    void ShowStoredHotKey(HotKeyId id);
    HotKeyField HotKeyFieldOf(HotKeyId id) const;
    void EnableConfirmationFields();
    bool OnHotKeyCommand(WORD id);

    // Form (settings_form_win.cpp).
    bool OnFormCommand(WORD id);
    void InitFormControls();
    void OnWakeWithMouseClicked();
    void OnPasswordClicked();

    CMainFrame& m_frame;
    CIdleActions m_idleActions;
    std::wstring m_trayTip = L"Umbrix";
    int m_trayIconResource = 0;
    std::optional<KeepAwakeItem> m_timedKeepAwake;
    DWORD m_timedKeepAwakeStart = 0;
    std::wstring m_keptAwakeUntil;  // its end in the user's short time format
    UINT m_taskbarCreated = 0;
    std::unique_ptr<IHotKeyRegistrar> m_hotKeyRegistrar;
    std::unique_ptr<IHotKeyNotices> m_hotKeyNotices;
    std::unique_ptr<CHotKeys> m_hotKeys;
};
